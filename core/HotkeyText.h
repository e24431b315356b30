#pragma once
// The hotkey text ("Ctrl+F9", "F5") and the modifiers and key it registers.

#include "platform/Platform.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace lumo {

inline const QString kModifierNone = QStringLiteral(QT_TRANSLATE_NOOP("lumo", "无"));

// The modifiers of a modifier word; nullopt for a word that is none of the four.
std::optional<platform::Modifiers> modifiersOfWord(const QString &word);

// The mouse side buttons' key words, as stored.
inline const QString kSideButton1Word = QStringLiteral(QT_TRANSLATE_NOOP("lumo", "侧键1"));
inline const QString kSideButton2Word = QStringLiteral(QT_TRANSLATE_NOOP("lumo", "侧键2"));

// The key of a key word: a side button's word, or else the function key with
// every "F" removed, read as decimal. Raises the conversion error.
platform::HotkeyKey hotkeyKeyOfKeyWord(const QString &keyWord);

// The key words the hotkey drop-down lists offer: "F1" to "F12", then the
// two side buttons.
QStringList hotkeyKeyWords();

// A stored hotkey text as the interface shows it: the side buttons' words
// in the interface language, the rest as stored.
QString shownHotkeyText(const QString &hotkeyText);

// Modifier word + "+" + key word; the key word alone for "无".
QString composeHotkeyText(const QString &modifierWord, const QString &keyWord);

struct RegistrationParse {
    QString keyWord;
    QString modifierWord;
    platform::HotkeyKey key;
    // Nothing is registered when the text names no known modifier set.
    std::optional<platform::Modifiers> modifiers;
};

// Splits a stored hotkey text for registering it; raises the conversion
// error when the key word gives no number.
RegistrationParse parseForRegistration(const QString &hotkeyText);

struct SelectorParse {
    std::optional<QString> modifierWord; // nullopt leaves the selector as it is
    QString keyWord;
};

// Splits a stored hotkey text into a modifier selector and a key selector.
SelectorParse parseForSelectors(const QString &hotkeyText);

} // namespace lumo
