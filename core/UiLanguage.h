#pragma once
// The language of the user interface: Chinese (the texts the program was
// written in) or English, decided once at start from the locale variables.

#include <QString>

namespace lumo {

enum class UiLanguage { Chinese, English };

// The locale variables a desktop program reads for its messages.
struct LocaleVariables {
    QString language;   // LANGUAGE: a colon list, its first entry wins
    QString lcAll;      // LC_ALL
    QString lcMessages; // LC_MESSAGES
    QString lang;       // LANG
};

LocaleVariables localeVariablesFromEnvironment();

// The first variable set decides (LANGUAGE, LC_ALL, LC_MESSAGES, LANG):
// Chinese for zh*, and for no language at all (nothing set, C, POSIX,
// C.UTF-8), so that such a session sees the program's own texts; English
// for any other language.
UiLanguage chooseUiLanguage(const LocaleVariables &variables);

// The language the translators were installed for; Chinese until then.
UiLanguage uiLanguage();
void setUiLanguage(UiLanguage language);

// A fixed text marked with QT_TRANSLATE_NOOP("lumo", ...) as it is shown in
// the interface; any other text (a stored name, a typed word) as it is.
QString shownText(const QString &source);

} // namespace lumo
