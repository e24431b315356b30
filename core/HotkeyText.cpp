#include "core/HotkeyText.h"

#include "core/Conversion.h"
#include "core/UiLanguage.h"

namespace lumo {

using platform::Modifiers;

std::optional<Modifiers> modifiersOfWord(const QString &word) {
    if (word == kModifierNone)
        return Modifiers{};
    if (word == QLatin1String("Ctrl"))
        return Modifiers::Control;
    if (word == QLatin1String("Alt"))
        return Modifiers::Alt;
    if (word == QLatin1String("Ctrl+Alt"))
        return Modifiers::Control | Modifiers::Alt;
    return std::nullopt;
}

platform::HotkeyKey hotkeyKeyOfKeyWord(const QString &keyWord) {
    if (keyWord == kSideButton1Word)
        return platform::sideButton(1);
    if (keyWord == kSideButton2Word)
        return platform::sideButton(2);
    return {parseInt32OrThrow(QString(keyWord).remove(QLatin1Char('F')))};
}

QString shownHotkeyText(const QString &hotkeyText) {
    return QString(hotkeyText)
        .replace(kSideButton1Word, shownText(kSideButton1Word))
        .replace(kSideButton2Word, shownText(kSideButton2Word));
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
    parse.key = hotkeyKeyOfKeyWord(parse.keyWord);
    if (!hotkeyText.contains(QLatin1Char('+')))
        parse.modifiers = Modifiers{};
    else if (parse.modifierWord != kModifierNone)
        parse.modifiers = modifiersOfWord(parse.modifierWord);
    return parse;
}

namespace {

bool isKeyWord(const QString &text) {
    return hotkeyKeyWords().contains(text);
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

QStringList hotkeyKeyWords() {
    QStringList keys;
    for (int n = 1; n <= 12; ++n)
        keys << QStringLiteral("F%1").arg(n);
    keys << kSideButton1Word << kSideButton2Word;
    return keys;
}

} // namespace lumo
