#include "platform/win32/Win32Backend.h"

#include "platform/qt/QtServices.h"
#include "platform/win32/Native.h"
#include "platform/win32/Win32Services.h"

namespace platform {

namespace {

class Win32Backend final : public Backend {
  public:
    Win32Backend()
        : services_{hotkeys_,      mouse_, shell_,  sessionStart_, locale_,
                    messageBoxes_, clock_, timers_, windows_,      recorder_} {}

    Services &services() override { return services_; }

  private:
    Win32Hotkeys hotkeys_;
    Win32Mouse mouse_;
    Win32Shell shell_;
    RunKeyStart sessionStart_;
    Win32Locale locale_;
    QtMessageBoxes messageBoxes_;
    QtClock clock_{win32::sleepUntil};
    QtTimers timers_;
    Win32Windows windows_;
    Win32Recorder recorder_;
    Services services_;
};

} // namespace

std::unique_ptr<Backend> createWin32Backend() {
    return std::make_unique<Win32Backend>();
}

std::unique_ptr<Shell> createWin32Shell() {
    return std::make_unique<Win32Shell>();
}

} // namespace platform
