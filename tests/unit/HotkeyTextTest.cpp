#include "core/HotkeyText.h"
#include "core/Conversion.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

using namespace lumo;

using platform::HotkeyKey;
using platform::Modifiers;

TEST(HotkeyText, TheFunctionKeyIsTheNumberAfterRemovingEveryF) {
    EXPECT_EQ(hotkeyKeyOfKeyWord(QStringLiteral("F1")), HotkeyKey{1});
    EXPECT_EQ(hotkeyKeyOfKeyWord(QStringLiteral("F12")), HotkeyKey{12});
    EXPECT_EQ(hotkeyKeyOfKeyWord(QStringLiteral("FF3F")), HotkeyKey{3});
    EXPECT_EQ(hotkeyKeyOfKeyWord(QStringLiteral("5")), HotkeyKey{5});
    EXPECT_THROW(hotkeyKeyOfKeyWord(QStringLiteral("f3")), HandlerError);
    EXPECT_THROW(hotkeyKeyOfKeyWord(QString()), HandlerError);
    EXPECT_THROW(hotkeyKeyOfKeyWord(QStringLiteral("F")), HandlerError);
}

TEST(HotkeyText, TheSideButtonsAreTheirOwnWords) {
    EXPECT_EQ(hotkeyKeyOfKeyWord(QStringLiteral("侧键1")), platform::sideButton(1));
    EXPECT_EQ(hotkeyKeyOfKeyWord(QStringLiteral("侧键2")), platform::sideButton(2));
    EXPECT_NE(platform::sideButton(1), HotkeyKey{1});
    EXPECT_THROW(hotkeyKeyOfKeyWord(QStringLiteral("侧键3")), HandlerError);
    EXPECT_EQ(hotkeyKeyWords().size(), 14);
    EXPECT_EQ(hotkeyKeyWords().last(), QStringLiteral("侧键2"));

    const RegistrationParse withCtrl = parseForRegistration(QStringLiteral("Ctrl+侧键2"));
    EXPECT_EQ(withCtrl.keyWord, QStringLiteral("侧键2"));
    EXPECT_EQ(withCtrl.key, platform::sideButton(2));
    EXPECT_EQ(withCtrl.modifiers, std::optional<Modifiers>(Modifiers::Control));
    const RegistrationParse alone = parseForRegistration(QStringLiteral("侧键1"));
    EXPECT_EQ(alone.key, platform::sideButton(1));
    EXPECT_EQ(alone.modifiers, std::optional<Modifiers>(Modifiers{}));

    const SelectorParse selectors = parseForSelectors(QStringLiteral("侧键1"));
    EXPECT_EQ(selectors.modifierWord, std::optional<QString>(QStringLiteral("无")));
    EXPECT_EQ(selectors.keyWord, QStringLiteral("侧键1"));
    EXPECT_EQ(parseForSelectors(QStringLiteral("Ctrl+Alt+侧键2")).keyWord, QStringLiteral("侧键2"));
}

TEST(HotkeyText, AKeyNumberNearTheIntLimitsIsReadAsItIs) {
    EXPECT_EQ(hotkeyKeyOfKeyWord(QStringLiteral("F2147483647")), HotkeyKey{2147483647});
    EXPECT_EQ(hotkeyKeyOfKeyWord(QStringLiteral("F-2147483648")), HotkeyKey{-2147483647 - 1});
    EXPECT_EQ(hotkeyKeyOfKeyWord(QStringLiteral("F0")), HotkeyKey{0});
    EXPECT_THROW(hotkeyKeyOfKeyWord(QStringLiteral("F2147483648")), HandlerError);
    const RegistrationParse parse = parseForRegistration(QStringLiteral("Ctrl+F2147483647"));
    EXPECT_EQ(parse.key, HotkeyKey{2147483647});
    EXPECT_EQ(parse.modifiers, std::optional<Modifiers>(Modifiers::Control));
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
    int functionKey;
    std::optional<Modifiers> modifiers; // nullopt: registers nothing
};

class RegistrationParseTest : public testing::TestWithParam<RegistrationCase> {};

TEST_P(RegistrationParseTest, SplitsKeyAndModifiers) {
    const RegistrationCase &c = GetParam();
    const RegistrationParse parse = parseForRegistration(QString::fromUtf8(c.text));
    EXPECT_EQ(parse.keyWord, QString::fromUtf8(c.keyWord));
    EXPECT_EQ(parse.modifierWord, QString::fromUtf8(c.modifierWord));
    EXPECT_EQ(parse.key, HotkeyKey{c.functionKey});
    EXPECT_EQ(parse.modifiers, c.modifiers);
}

INSTANTIATE_TEST_SUITE_P(Texts, RegistrationParseTest,
                         testing::Values(RegistrationCase{"Ctrl+Alt+F3", "F3", "Ctrl+Alt", 3,
                                                          Modifiers::Control | Modifiers::Alt},
                                         RegistrationCase{"F10", "F10", "F10", 10, Modifiers{}},
                                         RegistrationCase{"Ctrl+F9", "F9", "Ctrl", 9, Modifiers::Control},
                                         RegistrationCase{"Alt+F6", "F6", "Alt", 6, Modifiers::Alt},
                                         RegistrationCase{"Alt+Ctrl+F6", "F6", "Alt+Ctrl", 6, std::nullopt}));

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
