#pragma once
// What every part of the program that works for the main window is handed:
// the platform, the shared state, the message queue and where the files are.

#include "core/DataLocation.h"
#include "core/FailSafeCorner.h"
#include "core/HotkeyRouter.h"
#include "core/MainState.h"
#include "core/MessageGate.h"
#include "platform/Platform.h"

#include <QString>

#include <functional>

class QWidget;

namespace lumo {

inline const QString kApplicationTitle = QStringLiteral(QT_TRANSLATE_NOOP("lumo", "Tarvik鼠标点击器V1.0"));
inline const QString kNotice = QStringLiteral(QT_TRANSLATE_NOOP("lumo", "提示"));

struct MainContext {
    platform::Services &os;
    MainState &state;
    MessageGate &gate;
    HotkeyRouter &hotkeyRouter;
    FailSafeCorner &failSafe;
    QWidget *mainWindow;
    // Where setting.ini, acdb.mdb and the help page are.
    DataLocation location;

    platform::WindowHandle mainHandle() const { return mainWindow; }
    // A message box of the program's own, caption "提示".
    void notice(QWidget *owner, const QString &text, platform::Icon icon) const;
    // A Yes/No box of the program's own, caption "提示"; true for Yes.
    bool confirm(QWidget *owner, const QString &text, platform::Icon icon) const;
    // The standard error box: the failure's text, the application title.
    void showErrorBox(const QString &message) const;
    // Runs a handler; a failure it does not handle ends it and is shown in
    // the standard error box. Returns false when the handler failed.
    bool guarded(const std::function<void()> &handler) const;
};

} // namespace lumo
