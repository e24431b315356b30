// Code page 936 and the long time format pieces of Windows locales.

#include "platform/win32/Native.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

using platform::win32::fromCodePage936;
using platform::win32::TimePieces;
using platform::win32::toCodePage936;

TEST(CodePage936, WritesTheBytesOfTheProgramsFiles) {
    EXPECT_EQ(toCodePage936(L"左键单击"), "\xD7\xF3\xBC\xFC\xB5\xA5\xBB\xF7");
    EXPECT_EQ(toCodePage936(L"鼠标点击器已经停止"),
              "\xCA\xF3\xB1\xEA\xB5\xE3\xBB\xF7\xC6\xF7\xD2\xD1\xBE\xAD\xCD\xA3\xD6\xB9");
    // Windows' code page, not GB2312: 0x80 is the euro sign.
    EXPECT_EQ(toCodePage936(L"\u20AC"), "\x80");
    EXPECT_EQ(fromCodePage936("\x80"), L"\u20AC");
    EXPECT_EQ(toCodePage936(L"btn1=1"), "btn1=1");
}

TEST(CodePage936, RoundTripsTheProgramsTexts) {
    for (const wchar_t *text : {L"左键单击", L"左键双击", L"右键单击", L"右键双击", L"无点击", L"已启用",
                                L"未启用", L"鼠标点击器已经停止", L"Tarvik鼠标点击器V1.0", L"当前系统时间:",
                                L"定时点击出错,请联系作者反馈错误信息.QQ:", L"Ctrl+Alt+F12", L""}) {
        const std::string bytes = toCodePage936(text);
        EXPECT_EQ(fromCodePage936(bytes), text) << bytes;
    }
}

TEST(CodePage936, ACharacterOutsideTheCodePageBecomesOneQuestionMark) {
    EXPECT_EQ(toCodePage936(L"a\u0E01b"), "a?b"); // a Thai letter
}

// The clock text as the program builds it from the pieces.
std::wstring clockText(const TimePieces &pieces, int hour, int minute, int second) {
    const auto twoDigits = [](int n) { return std::wstring{wchar_t(L'0' + n / 10), wchar_t(L'0' + n % 10)}; };
    const bool pm = hour >= 12;
    int shown = hour;
    if (pieces.twelveHour)
        shown = hour % 12 == 0 ? 12 : hour % 12;
    std::wstring text;
    if (pieces.twelveHour && pieces.designatorFirst)
        text += (pm ? pieces.pm : pieces.am) + L" ";
    text += pieces.leadingZero || shown >= 10 ? twoDigits(shown) : std::to_wstring(shown);
    text += pieces.separator + twoDigits(minute) + pieces.separator + twoDigits(second);
    if (pieces.twelveHour && !pieces.designatorFirst)
        text += L" " + (pm ? pieces.pm : pieces.am);
    return text;
}

const LCID kChinesePrc = MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), SORT_DEFAULT);
const LCID kEnglishUs = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);

std::wstring systemTimeText(LCID lcid, int hour, int minute, int second) {
    SYSTEMTIME time{};
    time.wYear = 2024;
    time.wMonth = 1;
    time.wDay = 1;
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = static_cast<WORD>(second);
    wchar_t text[100] = {};
    GetTimeFormatW(lcid, 0, &time, nullptr, text, 100);
    return text;
}

// Windows formats the long time of a locale from the same settings, so the
// pieces must give the text it gives.
TEST(TimePieces, AgreeWithTheTimeTextsOfTheSystem) {
    const LCID locales[] = {kChinesePrc, kEnglishUs,
                            MAKELCID(MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN), SORT_DEFAULT),
                            MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), SORT_DEFAULT),
                            MAKELCID(MAKELANGID(LANG_FINNISH, SUBLANG_FINNISH_FINLAND), SORT_DEFAULT)};
    const int times[][3] = {{9, 5, 3}, {0, 30, 0}, {13, 0, 0}, {23, 59, 59}, {12, 0, 1}};
    for (const LCID lcid : locales) {
        const TimePieces pieces = platform::win32::timePiecesOf(lcid);
        for (const auto &t : times)
            EXPECT_EQ(clockText(pieces, t[0], t[1], t[2]), systemTimeText(lcid, t[0], t[1], t[2])) << lcid;
    }
}

TEST(TimePieces, EnglishUsIsA12HourClockWithTheDesignatorLast) {
    const TimePieces pieces = platform::win32::timePiecesOf(kEnglishUs);
    EXPECT_TRUE(pieces.twelveHour);
    EXPECT_FALSE(pieces.designatorFirst);
    EXPECT_EQ(pieces.am, L"AM");
    EXPECT_EQ(pieces.pm, L"PM");
    EXPECT_EQ(clockText(pieces, 13, 0, 0), L"1:00:00 PM");
}

TEST(TimePieces, FollowTheThreadLocale) {
    const LCID before = GetThreadLocale();
    ASSERT_TRUE(SetThreadLocale(kEnglishUs));
    const TimePieces us = platform::win32::threadTimePieces();
    ASSERT_TRUE(SetThreadLocale(kChinesePrc));
    const TimePieces prc = platform::win32::threadTimePieces();
    SetThreadLocale(before);
    EXPECT_EQ(clockText(us, 9, 5, 3), L"9:05:03 AM");
    EXPECT_EQ(clockText(prc, 9, 5, 3), systemTimeText(kChinesePrc, 9, 5, 3));
}

// Needs a user whose locale is Chinese (PRC) with the regional settings
// Windows gives it (tools/test-win32.sh makes one): Wine's own data for the
// locale writes hours with a leading zero, Windows' does not.
TEST(TimePieces, ThePrcDefaultsGiveHoursWithoutLeadingZero) {
    if (GetUserDefaultLCID() != kChinesePrc)
        GTEST_SKIP() << "the user locale is not Chinese (PRC)";
    const LCID before = GetThreadLocale();
    ASSERT_TRUE(SetThreadLocale(kChinesePrc));
    const TimePieces pieces = platform::win32::threadTimePieces();
    SetThreadLocale(before);
    EXPECT_FALSE(pieces.twelveHour);
    EXPECT_FALSE(pieces.leadingZero);
    EXPECT_EQ(pieces.separator, L":");
    EXPECT_EQ(clockText(pieces, 9, 5, 3), L"9:05:03");
    EXPECT_EQ(clockText(pieces, 0, 30, 0), L"0:30:00");
    EXPECT_EQ(clockText(pieces, 13, 0, 0), L"13:00:00");
}

} // namespace
