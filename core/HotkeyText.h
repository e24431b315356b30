#pragma once
// The hotkey text ("Ctrl+F9", "F5") and the values RegisterHotKey takes.

#include <QString>
#include <QStringList>

#include <optional>

namespace lumo {

inline const QString kModifierNone = QStringLiteral(QT_TRANSLATE_NOOP("lumo", "无"));

// MOD_* value of a modifier word; nullopt for a word that is none of the four.
std::optional<unsigned> modifiersOfWord(const QString &word);

// Every "F" removed, read as decimal, plus 111, modulo 2^32. Raises the
// conversion error.
unsigned virtualKeyOfKeyWord(const QString &keyWord);

// The key words the hotkey drop-down lists offer: "F1" to "F12".
QStringList functionKeyWords();

// Modifier word + "+" + key word; the key word alone for "无".
QString composeHotkeyText(const QString &modifierWord, const QString &keyWord);

struct RegistrationParse {
    QString keyWord;
    QString modifierWord;
    unsigned virtualKey = 0;
    // Nothing is registered when the text names no known modifier set.
    std::optional<unsigned> modifiers;
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
