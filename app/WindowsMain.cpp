// lumoclick on Windows: the same program on the Win32 backend.

#include "app/Entry.h"
#include "app/Translations.h"
#include "platform/win32/Win32Backend.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    // Qt reads the wide command line, so arguments keep every character.
    const QStringList arguments = QCoreApplication::arguments();
    if (lumo::handlePageSwitch(arguments, *platform::createWin32Shell()))
        return 0;

    QApplication::setApplicationName(QStringLiteral("lumoclick"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app.png")));
    lumo::installLocaleTranslations();
    const std::unique_ptr<platform::Backend> backend = platform::createWin32Backend();
    return lumo::runProgram(*backend, QApplication::applicationDirPath(), arguments);
}
