#pragma once
// Every window of the program, created once at start in a fixed order and
// kept until the end.

#include "app/MainWindow.h"
#include "scripts/AddScriptDialog.h"
#include "scripts/ModifyScriptDialog.h"
#include "steps/StepEditors.h"
#include "storage/Database.h"
#include "timed/AddTimedTaskDialog.h"
#include "timed/ModifyTimedTaskDialog.h"
#include "update/UpdateDownloadWindow.h"

#include <QDialog>

#include <memory>

namespace lumo {

struct AppWindows;
// Creates the sixteen windows in their order; none is shown.
std::unique_ptr<AppWindows> createAppWindows(platform::Services &os, const DataLocation &location,
                                             const QStringList &arguments);

struct AppWindows {
    std::unique_ptr<MainWindow> mainWindow;
    StepEditor *addScriptAddStepEditor = nullptr;
    AddScriptDialog *addScriptDialog = nullptr;
    Database *database = nullptr;
    AddTimedTaskDialog *addTimedTaskDialog = nullptr;
    StepEditor *addScriptModifyStepEditor = nullptr;
    ModifyScriptDialog *modifyScriptDialog = nullptr;
    StepEditor *addTimedTaskAddStepEditor = nullptr;
    StepEditor *modifyScriptModifyStepEditor = nullptr;
    ModifyTimedTaskDialog *modifyTimedTaskDialog = nullptr;
    StepEditor *addTimedTaskModifyStepEditor = nullptr;
    StepEditor *modifyTimedTaskAddStepEditor = nullptr;
    StepEditor *modifyTimedTaskModifyStepEditor = nullptr;
    QDialog *stopHotkeyDialog = nullptr;
    StepEditor *modifyScriptAddStepEditor = nullptr;
    // Without owner window: a window with one does not keep the program
    // running once the main window is hidden and a message box closes.
    std::unique_ptr<UpdateDownloadWindow> updateDownloadWindow;

    // The forms in creation order, the main window first.
    QList<QObject *> all() const;

  private:
    friend std::unique_ptr<AppWindows> createAppWindows(platform::Services &os, const DataLocation &location,
                                                        const QStringList &arguments);
    QList<QObject *> created_;
};

} // namespace lumo
