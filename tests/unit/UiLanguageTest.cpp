// Which language the interface takes from the locale variables.

#include "core/UiLanguage.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

LocaleVariables vars(const char *language, const char *lcAll, const char *lcMessages, const char *lang) {
    return {QString::fromUtf8(language), QString::fromUtf8(lcAll), QString::fromUtf8(lcMessages),
            QString::fromUtf8(lang)};
}

TEST(UiLanguageTest, NoLanguageSetKeepsTheChineseTexts) {
    EXPECT_EQ(chooseUiLanguage(vars("", "", "", "")), UiLanguage::Chinese);
    for (const char *none : {"C", "POSIX", "C.UTF-8", "C.utf8"})
        EXPECT_EQ(chooseUiLanguage(vars("", "", "", none)), UiLanguage::Chinese) << none;
}

TEST(UiLanguageTest, ChineseLocalesAreChineseEveryOtherEnglish) {
    for (const char *chinese : {"zh_CN.UTF-8", "zh_TW.UTF-8", "zh_HK", "zh"})
        EXPECT_EQ(chooseUiLanguage(vars("", "", "", chinese)), UiLanguage::Chinese) << chinese;
    for (const char *other : {"en_US.UTF-8", "de_DE.UTF-8", "ja_JP.UTF-8", "fr", "en_GB@euro"})
        EXPECT_EQ(chooseUiLanguage(vars("", "", "", other)), UiLanguage::English) << other;
}

TEST(UiLanguageTest, TheFirstVariableSetDecidesInDesktopOrder) {
    // LANGUAGE before LC_ALL before LC_MESSAGES before LANG.
    EXPECT_EQ(chooseUiLanguage(vars("en_US", "zh_CN.UTF-8", "zh_CN.UTF-8", "zh_CN.UTF-8")),
              UiLanguage::English);
    EXPECT_EQ(chooseUiLanguage(vars("zh_CN", "en_US.UTF-8", "en_US.UTF-8", "en_US.UTF-8")),
              UiLanguage::Chinese);
    EXPECT_EQ(chooseUiLanguage(vars("", "de_DE.UTF-8", "zh_CN.UTF-8", "zh_CN.UTF-8")), UiLanguage::English);
    EXPECT_EQ(chooseUiLanguage(vars("", "", "zh_CN.UTF-8", "en_US.UTF-8")), UiLanguage::Chinese);
    EXPECT_EQ(chooseUiLanguage(vars("", "", "en_US.UTF-8", "zh_CN.UTF-8")), UiLanguage::English);
    // A C locale named first means no language, whatever comes after it.
    EXPECT_EQ(chooseUiLanguage(vars("", "C", "", "en_US.UTF-8")), UiLanguage::Chinese);
}

TEST(UiLanguageTest, OnlyTheFirstEntryOfLanguageCounts) {
    EXPECT_EQ(chooseUiLanguage(vars("en_US:zh_CN", "", "", "zh_CN.UTF-8")), UiLanguage::English);
    EXPECT_EQ(chooseUiLanguage(vars("zh_CN:en_US", "", "", "en_US.UTF-8")), UiLanguage::Chinese);
    // An empty first entry is no entry.
    EXPECT_EQ(chooseUiLanguage(vars(":de", "", "", "zh_CN.UTF-8")), UiLanguage::English);
}

} // namespace
} // namespace lumo
