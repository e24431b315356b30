// lumoclick: a mouse auto-clicker driven by global hotkeys and the clock.

#include "app/Entry.h"
#include "core/MainContext.h"
#include "platform/x11/X11Backend.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // The page switches need no display and create no window.
    if (lumo::handlePageSwitch(arguments, *platform::createDesktopShell()))
        return 0;

    const char *display = std::getenv("DISPLAY");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && (!display || !*display)) {
        std::fprintf(stderr,
                     "lumoclick: no X display (DISPLAY is not set); start it under a virtual one with: "
                     "xvfb-run -a %s\n",
                     argv[0]);
        return 2;
    }
    // The global hotkeys and the synthetic input work through X.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lumoclick"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app.png")));
    const std::unique_ptr<platform::Backend> backend = platform::createX11Backend();
    if (!backend) {
        std::fprintf(stderr, "lumoclick: cannot open the X display \"%s\"\n", display ? display : "");
        return 2;
    }
    return lumo::runProgram(*backend, QApplication::applicationDirPath(), arguments);
}
