#pragma once
// The picture across the top of the main window, with its title drawn in.

#include "core/UiLanguage.h"

#include <QPixmap>

namespace lumo {

// The banner in the language, drawn for the screen's device pixel ratio: at
// a ratio above 1 the picture of twice the pixels, marked as such, so that
// it takes the same room and stays sharp.
QPixmap bannerPixmap(UiLanguage language, qreal devicePixelRatio);

} // namespace lumo
