#include "app/Banner.h"

namespace lumo {

QPixmap bannerPixmap(UiLanguage language, qreal devicePixelRatio) {
    const bool doubled = devicePixelRatio > 1.0;
    const QString name = QStringLiteral(":/banner%1%2.jpg")
                             .arg(language == UiLanguage::English ? QStringLiteral("_en") : QString(),
                                  doubled ? QStringLiteral("@2x") : QString());
    // Qt's JPEG plugin reads it.
    QPixmap banner(name, "JPEG");
    banner.setDevicePixelRatio(doubled ? 2.0 : 1.0);
    return banner;
}

} // namespace lumo
