// lumoclick: a mouse auto-clicker driven by global hotkeys and the clock.

#include "app/CommandLine.h"
#include "app/Entry.h"
#include "app/RemoteCommand.h"
#include "app/ScriptTransferCommand.h"
#include "app/SessionNotice.h"
#include "app/SingleInstance.h"
#include "app/Translations.h"
#include "core/DataLocation.h"
#include "platform/x11/X11Backend.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

namespace {

QString executableFolder(const char *argv0) {
    // /proc names the real file even when started through a link or PATH.
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists())
        return QFileInfo(self.canonicalFilePath()).absolutePath();
    return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
}

void reportNoDisplay() {
    const QByteArray display = qgetenv("DISPLAY");
    const QString text =
        display.isEmpty()
            ? QStringLiteral(
                  "lumoclick: 需要 X11 会话才能运行（Wayland 下需要 XWayland）：没有设置 DISPLAY。\n")
            : QStringLiteral(
                  "lumoclick: 需要 X11 会话才能运行（Wayland 下需要 XWayland）：无法打开 X 显示 \"%1\"。\n")
                  .arg(QString::fromLocal8Bit(display));
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputs("lumoclick: this program needs an X11 session (XWayland included).\n", stderr);
}

} // namespace

int main(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    if (lumo::commandLineReply(arguments)) {
        // Translators need an application object; a console one will do,
        // and the reply is asked for again in the chosen language.
        QCoreApplication console(argc, argv);
        lumo::installLocaleTranslations();
        std::fputs(lumo::commandLineReply(arguments)->toLocal8Bit().constData(), stdout);
        return 0;
    }

    if (lumo::holdsTransferCommand(arguments)) {
        // Through the running program, or on the database file itself:
        // either way no display is needed.
        QCoreApplication console(argc, argv);
        lumo::installLocaleTranslations();
        return lumo::runTransferCommand(arguments, lumo::DataLocation::decide(executableFolder(argv[0])));
    }

    if (lumo::holdsRemoteCommand(arguments)) {
        // It only talks to the running program: no display is needed.
        QCoreApplication console(argc, argv);
        lumo::installLocaleTranslations();
        const lumo::DataLocation location = lumo::DataLocation::decide(executableFolder(argv[0]));
        return lumo::runRemoteCommand(arguments, location.settingsFolder());
    }

    // The global hotkeys and the synthetic input work through X: Qt must
    // not pick its Wayland plugin, whose windows the hotkeys never see.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
    const bool haveDisplay = !qEnvironmentVariableIsEmpty("DISPLAY") && platform::canOpenX11Display();

    if (lumo::isPageSwitch(arguments)) {
        // They open a page and end, with or without a display; with one the
        // desktop's own way of opening addresses is used.
        if (!haveDisplay) {
            lumo::handlePageSwitch(arguments, *platform::createDesktopShell());
            return 0;
        }
        QApplication app(argc, argv);
        lumo::handlePageSwitch(arguments, *platform::createDesktopShell());
        return 0;
    }

    if (!haveDisplay) {
        reportNoDisplay();
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lumoclick"));
    QApplication::setApplicationVersion(QStringLiteral(LUMO_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app.png")));
    // Docks and task switchers match the windows to the installed entry by
    // this name (and by the WM_CLASS "lumoclick", its StartupWMClass).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.lumoclick.LumoClick"));
    // Before any window or notice: every text is shown in the chosen language.
    lumo::installLocaleTranslations();

    const lumo::DataLocation location = lumo::DataLocation::decide(executableFolder(argv[0]));
    if (location.installed())
        QDir().mkpath(location.settingsFolder());
    lumo::SingleInstance instance(location.settingsFolder());
    if (!instance.claim())
        return 0;

    const std::unique_ptr<platform::Backend> backend = platform::createX11Backend();
    if (!backend) {
        reportNoDisplay();
        return 1;
    }
    if (lumo::isWaylandSession(QProcessEnvironment::systemEnvironment()))
        lumo::showWaylandNoticeOnce(backend->services(), location);
    return lumo::runProgram(*backend, location, arguments, &instance);
}
