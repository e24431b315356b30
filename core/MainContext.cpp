#include "core/MainContext.h"

#include "core/Conversion.h"
#include "core/UiLanguage.h"

namespace lumo {

void MainContext::notice(QWidget *owner, const QString &text, platform::Icon icon) const {
    os.messageBoxes.notice(owner, text, shownText(kNotice), icon);
}

bool MainContext::confirm(QWidget *owner, const QString &text, platform::Icon icon) const {
    return os.messageBoxes.confirm(owner, text, shownText(kNotice), icon);
}

void MainContext::showErrorBox(const QString &message) const {
    os.messageBoxes.notice(mainWindow, errorBoxText(message), shownText(kApplicationTitle),
                           platform::Icon::Error);
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
