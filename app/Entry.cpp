#include "app/Entry.h"

#include "app/AppWindows.h"
#include "app/Translations.h"
#include "core/Texts.h"

#include <QApplication>

namespace lumo {

bool handlePageSwitch(const QStringList &arguments, platform::Shell &shell) {
    const QString first = arguments.value(1);
    if (first == QLatin1String("tb")) {
        shell.openUrl(texts::kDownloadSite);
        return true;
    }
    if (first == QLatin1String("2345")) {
        shell.openUrl(texts::kNavigationPage);
        return true;
    }
    return false;
}

int runProgram(platform::Backend &backend, const QString &exeDir, const QStringList &arguments) {
    installTranslations(chooseUiLanguage(localeVariablesFromEnvironment()));
    const std::unique_ptr<AppWindows> forms = createAppWindows(backend.services(), exeDir, arguments);
    forms->mainWindow->show();
    return QApplication::exec();
}

} // namespace lumo
