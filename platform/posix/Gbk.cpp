// Code page 936 through glibc's iconv. glibc's "GBK" is the Windows code page
// (0x80 is the euro sign), which is what the program's files were written in.

#include "platform/Platform.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace platform {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

class Iconv {
  public:
    Iconv(const char *to, const char *from) : cd_(iconv_open(to, from)) {}
    ~Iconv() {
        if (cd_ != kNoConverter)
            iconv_close(cd_);
    }
    Iconv(const Iconv &) = delete;
    Iconv &operator=(const Iconv &) = delete;

    bool isOpen() const { return cd_ != kNoConverter; }

    // Converts all of in. Where iconv stops at a sequence it cannot take,
    // skip(bytes, left) says how many input bytes to drop and the replacement
    // is written instead, so one bad character never costs the rest.
    template <typename Skip>
    QByteArray convert(const QByteArray &in, const QByteArray &replacement, Skip skip) const {
        QByteArray out;
        if (!isOpen())
            return out;
        QByteArray input = in; // iconv wants a mutable pointer
        char *src = input.data();
        size_t srcLeft = static_cast<size_t>(input.size());
        char buffer[4096];
        while (srcLeft > 0) {
            char *dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t result = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            const int error = errno;
            out.append(buffer, static_cast<qsizetype>(dst - buffer));
            if (result != static_cast<size_t>(-1) || error == E2BIG)
                continue;
            // EILSEQ, or EINVAL for a sequence cut off by the end of the input.
            const size_t dropped = std::min(srcLeft, std::max<size_t>(1, skip(src, srcLeft)));
            out.append(replacement);
            src += dropped;
            srcLeft -= dropped;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

  private:
    iconv_t cd_;
};

// Length of the UTF-8 sequence that starts at lead, so that a character GBK
// lacks becomes one "?" and not one per byte.
size_t utf8SequenceLength(const char *lead, size_t) {
    const auto byte = static_cast<unsigned char>(*lead);
    if (byte >= 0xF0)
        return 4;
    if (byte >= 0xE0)
        return 3;
    if (byte >= 0xC0)
        return 2;
    return 1;
}

// A GBK byte that does not start a valid pair is dropped alone: its
// successor may well be an ASCII character worth keeping.
size_t oneByte(const char *, size_t) {
    return 1;
}

} // namespace

QByteArray toGbk(const QString &text) {
    // Characters GBK lacks become "?", as the ANSI functions make them.
    // QString::toUtf8 already turns lone surrogates into U+FFFD.
    const Iconv converter("GBK", "UTF-8");
    return converter.convert(text.toUtf8(), QByteArrayLiteral("?"), utf8SequenceLength);
}

QString fromGbk(const QByteArray &bytes) {
    const Iconv converter("UTF-8", "GBK");
    return QString::fromUtf8(converter.convert(bytes, QByteArrayLiteral("\xEF\xBF\xBD"), oneByte));
}

} // namespace platform
