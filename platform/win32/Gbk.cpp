// Code page 936 through the wide-character functions, so the files stay GBK
// on a Windows whose ANSI code page is another.

#include "platform/Platform.h"
#include "platform/win32/Native.h"

#include <string>

namespace platform {

QByteArray toGbk(const QString &text) {
    const std::string bytes = win32::toCodePage936(text.toStdWString());
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString fromGbk(const QByteArray &bytes) {
    return QString::fromStdWString(
        win32::fromCodePage936(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))));
}

} // namespace platform
