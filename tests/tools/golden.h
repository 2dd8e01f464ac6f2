#pragma once

#include "tempdir.h"

#include <QFile>

// Compares text with a file under tests/tools/golden. With PARLOX_UPDATE_GOLDEN=1 in the
// environment the file is rewritten instead, for reviewing the change with git diff.
inline void expectGolden(const QByteArray &actual, const QString &name)
{
    const QString path = sourcePath(QStringLiteral("tests/tools/golden/") + name);
    if (qEnvironmentVariableIntValue("PARLOX_UPDATE_GOLDEN") == 1) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly)) << path.toStdString();
        out.write(actual);
        return;
    }
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << "missing golden file " << path.toStdString();
    EXPECT_EQ(actual.toStdString(), in.readAll().toStdString())
        << "golden file " << name.toStdString();
}

inline QByteArray readSource(const QString &relative)
{
    QFile in(sourcePath(relative));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}
