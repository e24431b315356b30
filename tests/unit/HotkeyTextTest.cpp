#include "core/HotkeyText.h"
#include "core/Conversion.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

using namespace lumo;

using platform::FunctionKey;
using platform::Modifiers;

TEST(HotkeyText, TheFunctionKeyIsTheNumberAfterRemovingEveryF) {
    EXPECT_EQ(functionKeyOfKeyWord(QStringLiteral("F1")), FunctionKey{1});
    EXPECT_EQ(functionKeyOfKeyWord(QStringLiteral("F12")), FunctionKey{12});
    EXPECT_EQ(functionKeyOfKeyWord(QStringLiteral("FF3F")), FunctionKey{3});
    EXPECT_EQ(functionKeyOfKeyWord(QStringLiteral("5")), FunctionKey{5});
    EXPECT_THROW(functionKeyOfKeyWord(QStringLiteral("f3")), HandlerError);
    EXPECT_THROW(functionKeyOfKeyWord(QString()), HandlerError);
    EXPECT_THROW(functionKeyOfKeyWord(QStringLiteral("F")), HandlerError);
}

TEST(HotkeyText, AKeyNumberNearTheIntLimitsIsReadAsItIs) {
    EXPECT_EQ(functionKeyOfKeyWord(QStringLiteral("F2147483647")), FunctionKey{2147483647});
    EXPECT_EQ(functionKeyOfKeyWord(QStringLiteral("F-2147483648")), FunctionKey{-2147483647 - 1});
    EXPECT_EQ(functionKeyOfKeyWord(QStringLiteral("F0")), FunctionKey{0});
    EXPECT_THROW(functionKeyOfKeyWord(QStringLiteral("F2147483648")), HandlerError);
    const RegistrationParse parse = parseForRegistration(QStringLiteral("Ctrl+F2147483647"));
    EXPECT_EQ(parse.key, FunctionKey{2147483647});
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
    EXPECT_EQ(parse.key, FunctionKey{c.functionKey});
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
