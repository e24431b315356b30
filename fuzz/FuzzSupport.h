#pragma once
// What the fuzz targets share: the input as text, and a failed check that
// stops the run with the input kept as the reproducer.

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace lumo::fuzz {

inline QString textOf(const uint8_t *data, size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

[[noreturn]] inline void fail(const char *what, const QString &detail = QString()) {
    std::fprintf(stderr, "check failed: %s %s\n", what, qPrintable(detail));
    std::abort();
}

inline void check(bool ok, const char *what, const QString &detail = QString()) {
    if (!ok)
        fail(what, detail);
}

// The value of a decimal text as the program's conversion is meant to read
// it: optional sign, ASCII digits only, within 32 bits. Written apart from
// the program's own loop so that the two can be compared.
inline bool referenceInt(const QString &text, int &value) {
    QString digits = text;
    bool negative = false;
    if (digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char('-'))) {
        negative = digits.front() == QLatin1Char('-');
        digits.remove(0, 1);
    }
    if (digits.isEmpty())
        return false;
    for (const QChar c : digits)
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    while (digits.size() > 1 && digits.front() == QLatin1Char('0'))
        digits.remove(0, 1);
    if (digits.size() > 10)
        return false;
    bool ok = false;
    const qint64 magnitude = digits.toLongLong(&ok);
    if (!ok)
        return false;
    const qint64 result = negative ? -magnitude : magnitude;
    if (result < INT32_MIN || result > INT32_MAX)
        return false;
    value = static_cast<int>(result);
    return true;
}

} // namespace lumo::fuzz
