#pragma once
// Puts the interface into the chosen language before any window exists.

#include "core/UiLanguage.h"

namespace lumo {

// English: the program's English texts and Qt's own untranslated ones.
// Chinese: the program's own texts as written and Qt's Chinese ones (context
// menus, standard buttons). Replaces whatever an earlier call installed.
void installTranslations(UiLanguage language);

// The same for the language the locale variables of this process choose.
void installLocaleTranslations();

} // namespace lumo
