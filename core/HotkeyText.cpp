#include "core/HotkeyText.h"

#include "core/Conversion.h"
#include "platform/Platform.h"

namespace lumo {

std::optional<unsigned> modifiersOfWord(const QString &word) {
    if (word == kModifierNone)
        return 0u;
    if (word == QLatin1String("Ctrl"))
        return platform::MOD_CONTROL;
    if (word == QLatin1String("Alt"))
        return platform::MOD_ALT;
    if (word == QLatin1String("Ctrl+Alt"))
        return platform::MOD_CONTROL | platform::MOD_ALT;
    return std::nullopt;
}

unsigned virtualKeyOfKeyWord(const QString &keyWord) {
    // Added in 32-bit unsigned arithmetic: a number near the top of the int
    // range wraps to a virtual key no backend accepts instead of overflowing.
    return static_cast<unsigned>(parseInt32OrThrow(QString(keyWord).remove(QLatin1Char('F')))) + 111u;
}

QString composeHotkeyText(const QString &modifierWord, const QString &keyWord) {
    if (modifierWord == kModifierNone)
        return keyWord;
    return modifierWord + QLatin1Char('+') + keyWord;
}

RegistrationParse parseForRegistration(const QString &hotkeyText) {
    RegistrationParse parse;
    parse.keyWord = QString(hotkeyText).remove(QLatin1String("Ctrl+")).remove(QLatin1String("Alt+"));
    parse.modifierWord = QString(hotkeyText).remove(QLatin1Char('+') + parse.keyWord);
    parse.virtualKey = virtualKeyOfKeyWord(parse.keyWord);
    if (!hotkeyText.contains(QLatin1Char('+')))
        parse.modifiers = 0u;
    else if (parse.modifierWord != kModifierNone)
        parse.modifiers = modifiersOfWord(parse.modifierWord);
    return parse;
}

namespace {

bool isKeyWord(const QString &text) {
    for (int n = 1; n <= 12; ++n)
        if (text == QStringLiteral("F%1").arg(n))
            return true;
    return false;
}

} // namespace

SelectorParse parseForSelectors(const QString &hotkeyText) {
    SelectorParse parse;
    if (hotkeyText.contains(QLatin1String("Ctrl+Alt")))
        parse.modifierWord = QStringLiteral("Ctrl+Alt");
    else if (hotkeyText.contains(QLatin1String("Ctrl")))
        parse.modifierWord = QStringLiteral("Ctrl");
    else if (hotkeyText.contains(QLatin1String("Alt")))
        parse.modifierWord = QStringLiteral("Alt");
    else if (isKeyWord(hotkeyText))
        parse.modifierWord = kModifierNone;
    parse.keyWord = QString(hotkeyText)
                        .remove(QLatin1String("Ctrl+Alt+"))
                        .remove(QLatin1String("Ctrl+"))
                        .remove(QLatin1String("Alt+"));
    return parse;
}

QStringList functionKeyWords() {
    QStringList keys;
    for (int n = 1; n <= 12; ++n)
        keys << QStringLiteral("F%1").arg(n);
    return keys;
}

} // namespace lumo
