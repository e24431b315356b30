#pragma once
// The user's long time format, from the system locale as Qt reads it.

#include "platform/Platform.h"

namespace platform {

// The pieces of a QLocale time format pattern ("h:mm:ss AP", "HH.mm.ss t").
// The hour counts 12 only when an AM/PM marker goes with an "h" hour, as
// QLocale renders it; am and pm take the marker's letter case.
LongTimeFormat longTimeFormatFromPattern(const QString &pattern, const QString &am, const QString &pm);

class SystemLocale final : public Locale {
  public:
    LongTimeFormat longTimeFormat() override;
};

} // namespace platform
