#pragma once

#include "lngtool.h"

#include <QBuffer>
#include <ostream>

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

inline bool operator==(const Result &a, const Result &b)
{
    return a.code == b.code && a.out == b.out && a.err == b.err;
}

inline void PrintTo(const Result &r, std::ostream *os)
{
    *os << "exit " << r.code << "\nout: " << r.out.toStdString()
        << "\nerr: " << r.err.toStdString();
}
