#include "core/HotkeyText.h"
#include "core/Conversion.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

using namespace lumo;

TEST(HotkeyText, VirtualKeyIsTheNumberAfterRemovingEveryFPlus111) {
    EXPECT_EQ(virtualKeyOfKeyWord(QStringLiteral("F1")), 112u);
    EXPECT_EQ(virtualKeyOfKeyWord(QStringLiteral("F12")), 123u);
    EXPECT_EQ(virtualKeyOfKeyWord(QStringLiteral("FF3F")), 114u);
    EXPECT_EQ(virtualKeyOfKeyWord(QStringLiteral("5")), 116u);
    EXPECT_THROW(virtualKeyOfKeyWord(QStringLiteral("f3")), HandlerError);
    EXPECT_THROW(virtualKeyOfKeyWord(QString()), HandlerError);
    EXPECT_THROW(virtualKeyOfKeyWord(QStringLiteral("F")), HandlerError);
}

TEST(HotkeyText, VirtualKeyOfANumberNearTheIntLimitsWrapsInsteadOfOverflowing) {
    EXPECT_EQ(virtualKeyOfKeyWord(QStringLiteral("F2147483647")), 0x8000006Eu);
    EXPECT_EQ(virtualKeyOfKeyWord(QStringLiteral("F2147483537")), 0x80000000u);
    EXPECT_EQ(virtualKeyOfKeyWord(QStringLiteral("F-2147483648")), 0x8000006Fu);
    EXPECT_EQ(virtualKeyOfKeyWord(QStringLiteral("F-111")), 0u);
    EXPECT_THROW(virtualKeyOfKeyWord(QStringLiteral("F2147483648")), HandlerError);
    const RegistrationParse parse = parseForRegistration(QStringLiteral("Ctrl+F2147483647"));
    EXPECT_EQ(parse.virtualKey, 0x8000006Eu);
    EXPECT_EQ(parse.modifiers, std::optional<unsigned>(platform::MOD_CONTROL));
}

TEST(HotkeyText, ComposingLeavesOutTheNoneModifier) {
    EXPECT_EQ(composeHotkeyText(QStringLiteral("Ctrl"), QStringLiteral("F9")), QStringLiteral("Ctrl+F9"));
    EXPECT_EQ(composeHotkeyText(QStringLiteral("Ctrl+Alt"), QStringLiteral("F3")),
              QStringLiteral("Ctrl+Alt+F3"));
    EXPECT_EQ(composeHotkeyText(QStringLiteral("无"), QStringLiteral("F5")), QStringLiteral("F5"));
}

struct RegistrationCase {
    const char *text;
    const char *keyWord;
    const char *modifierWord;
    unsigned vk;
    int modifiers; // -1: registers nothing
};

class RegistrationParseTest : public testing::TestWithParam<RegistrationCase> {};

TEST_P(RegistrationParseTest, SplitsKeyAndModifiers) {
    const RegistrationCase &c = GetParam();
    const RegistrationParse parse = parseForRegistration(QString::fromUtf8(c.text));
    EXPECT_EQ(parse.keyWord, QString::fromUtf8(c.keyWord));
    EXPECT_EQ(parse.modifierWord, QString::fromUtf8(c.modifierWord));
    EXPECT_EQ(parse.virtualKey, c.vk);
    if (c.modifiers < 0)
        EXPECT_FALSE(parse.modifiers.has_value());
    else
        EXPECT_EQ(parse.modifiers, std::optional<unsigned>(unsigned(c.modifiers)));
}

INSTANTIATE_TEST_SUITE_P(Texts, RegistrationParseTest,
                         testing::Values(RegistrationCase{"Ctrl+Alt+F3", "F3", "Ctrl+Alt", 114, 3},
                                         RegistrationCase{"F10", "F10", "F10", 121, 0},
                                         RegistrationCase{"Ctrl+F9", "F9", "Ctrl", 120, 2},
                                         RegistrationCase{"Alt+F6", "F6", "Alt", 117, 1},
                                         RegistrationCase{"Alt+Ctrl+F6", "F6", "Alt+Ctrl", 117, -1}));

TEST(RegistrationParse, AKeyWordThatIsNoNumberFails) {
    EXPECT_THROW(parseForRegistration(QStringLiteral("Ctrl+")), HandlerError);
    EXPECT_THROW(parseForRegistration(QString()), HandlerError);
    EXPECT_THROW(parseForRegistration(QStringLiteral("Ctrl+Home")), HandlerError);
    // The key word keeps what is not a known modifier, so it gives no number.
    EXPECT_THROW(parseForRegistration(QStringLiteral("无+F3")), HandlerError);
    EXPECT_THROW(parseForRegistration(QStringLiteral("Shift+F2")), HandlerError);
}

TEST(SelectorParse, FillsTheModifierSelectorByContainment) {
    auto check = [](const char *text, std::optional<QString> modifier, const char *key) {
        const SelectorParse parse = parseForSelectors(QString::fromUtf8(text));
        EXPECT_EQ(parse.modifierWord, modifier) << text;
        EXPECT_EQ(parse.keyWord, QString::fromUtf8(key)) << text;
    };
    check("Ctrl+Alt+F12", QStringLiteral("Ctrl+Alt"), "F12");
    check("F10", QStringLiteral("无"), "F10");
    check("Ctrl+F9", QStringLiteral("Ctrl"), "F9");
    check("Alt+F1", QStringLiteral("Alt"), "F1");
    check("", std::nullopt, "");
    check("F13", std::nullopt, "F13");
    check("Alt+Ctrl+F2", QStringLiteral("Ctrl"), "F2");
}
