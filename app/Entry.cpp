#include "app/Entry.h"

#include "app/AppWindows.h"
#include "app/RemoteControl.h"
#include "app/SingleInstance.h"
#ifndef Q_OS_WIN
#include "app/TerminationSignals.h"
#endif
#include "core/Texts.h"

#include <QApplication>

namespace lumo {

bool isPageSwitch(const QStringList &arguments) {
    const QString first = arguments.value(1);
    return first == QLatin1String("tb") || first == QLatin1String("2345");
}

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

int runProgram(platform::Backend &backend, const DataLocation &location, const QStringList &arguments,
               SingleInstance *instance) {
    const std::unique_ptr<AppWindows> forms = createAppWindows(backend.services(), location, arguments);
    if (instance != nullptr) {
        QObject::connect(instance, &SingleInstance::activationRequested, forms->mainWindow.get(),
                         &MainWindow::restoreFromTray);
        instance->setRequestHandler(
            [window = forms->mainWindow.get(), database = forms->database](const InstanceRequest &request) {
                return answerInstanceRequest(*window, database, request);
            });
    }
#ifndef Q_OS_WIN
    const TerminationSignals ending([window = forms->mainWindow.get()] { window->endCleanly(); });
#endif
    forms->mainWindow->show();
    const int status = QApplication::exec();
    if (instance != nullptr)
        instance->setRequestHandler({});
    return status;
}

} // namespace lumo
