#pragma once
// A complete set of platform services, owned in one place.

#include "platform/Platform.h"

namespace platform {

class Backend {
  public:
    Backend() = default;
    Backend(const Backend &) = delete;
    Backend &operator=(const Backend &) = delete;
    virtual ~Backend() = default;

    virtual Services &services() = 0;
};

} // namespace platform
