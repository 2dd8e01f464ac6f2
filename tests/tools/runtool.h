#pragma once

#include "lngtool.h"

#include <QBuffer>

// One run of the parlox-lng command line in-process, with what it printed.
struct Result {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

inline Result run(const QStringList &args)
{
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int code = Parlox::LngTool::run(args, out, err);
    return {code, out.data(), err.data()};
}
