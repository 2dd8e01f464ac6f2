#pragma once

#include "qtprinters.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A fresh temporary folder per test, with helpers to put bytes in it and read them back.
class TempDirTest : public ::testing::Test {
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }

    static QByteArray read(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

inline QString sourcePath(const QString &relative)
{
    return QDir(QStringLiteral(PARLOX_SOURCE_DIR)).filePath(relative);
}
