// Locale pieces and code page 936 on the Win32 API.

#include "platform/win32/Native.h"

#include <windows.h>

namespace platform::win32 {

namespace {

std::wstring localeText(LCID lcid, LCTYPE type) {
    const int size = ::GetLocaleInfoW(lcid, type, nullptr, 0);
    if (size <= 0)
        return {};
    std::wstring text(static_cast<size_t>(size), L'\0');
    const int written = ::GetLocaleInfoW(lcid, type, text.data(), size);
    text.resize(written > 0 ? static_cast<size_t>(written - 1) : 0); // without the zero
    return text;
}

// The numeric values are digits; "0" and a missing value both count as 0.
bool localeFlag(LCID lcid, LCTYPE type) {
    const std::wstring text = localeText(lcid, type);
    return !text.empty() && text != L"0";
}

constexpr UINT kCodePage = 936;

} // namespace

TimePieces timePiecesOf(unsigned long lcid) {
    TimePieces pieces;
    pieces.twelveHour = !localeFlag(lcid, LOCALE_ITIME);
    pieces.designatorFirst = localeFlag(lcid, LOCALE_ITIMEMARKPOSN);
    pieces.leadingZero = localeFlag(lcid, LOCALE_ITLZERO);
    pieces.separator = localeText(lcid, LOCALE_STIME);
    pieces.am = localeText(lcid, LOCALE_S1159);
    pieces.pm = localeText(lcid, LOCALE_S2359);
    return pieces;
}

TimePieces threadTimePieces() {
    return timePiecesOf(::GetThreadLocale());
}

std::string toCodePage936(std::wstring_view text) {
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int size = ::WideCharToMultiByte(kCodePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        ::WideCharToMultiByte(kCodePage, 0, text.data(), length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::wstring fromCodePage936(std::string_view bytes) {
    if (bytes.empty())
        return {};
    const int length = static_cast<int>(bytes.size());
    const int size = ::MultiByteToWideChar(kCodePage, 0, bytes.data(), length, nullptr, 0);
    std::wstring text(static_cast<size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0)
        ::MultiByteToWideChar(kCodePage, 0, bytes.data(), length, text.data(), size);
    return text;
}

} // namespace platform::win32
