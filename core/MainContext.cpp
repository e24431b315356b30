#include "core/MainContext.h"

#include "core/Conversion.h"

namespace lumo {

int MainContext::notice(QWidget *owner, const QString &text, unsigned flags) const {
    return os.messageBoxes.show(owner, text, kNotice, flags);
}

void MainContext::showErrorBox(const QString &message) const {
    os.messageBoxes.show(mainWindow, errorBoxText(message), kApplicationTitle,
                         platform::MB_OK | platform::MB_ICONERROR);
}

bool MainContext::guarded(const std::function<void()> &handler) const {
    try {
        handler();
        return true;
    } catch (const HandlerError &error) {
        showErrorBox(error.message());
        return false;
    }
}

} // namespace lumo
