#include "platform/Platform.h"

namespace platform {

bool trayIsStatusNotifierHost() {
    return false;
}

} // namespace platform
