#include "app/AppWindows.h"

#include "scripts/ScriptList.h"
#include "scripts/StopHotkeyDialog.h"
#include "timed/TimedList.h"
#include "update/UpdateCheck.h"

namespace lumo {

namespace {

// An editor saves into its list and records clicks with the main window out
// of the way.
template <typename Editor, typename List>
void wireEditor(Editor *editor, List *list, MainWindow *mainWindow) {
    QObject::connect(editor, &Editor::saved, list, &List::reload);
    QObject::connect(editor, &Editor::recordingChanged, mainWindow, &MainWindow::showRecording);
}

void wireScriptEditors(AppWindows &forms) {
    ScriptList *list = forms.mainWindow->scriptList();
    AddScriptDialog *add = forms.addScriptDialog;
    ModifyScriptDialog *modify = forms.modifyScriptDialog;
    for (ScriptEditor *editor : {static_cast<ScriptEditor *>(add), static_cast<ScriptEditor *>(modify)})
        wireEditor(editor, list, forms.mainWindow.get());
    QObject::connect(list, &ScriptList::addRequested, add, &AddScriptDialog::openForNewScript);
    QObject::connect(list, &ScriptList::modifyRequested, modify, [list, modify] {
        const std::optional<ScriptRow> row = list->selectedRow();
        modify->openForScript(row ? &*row : nullptr);
    });
}

void wireTimedEditors(AppWindows &forms) {
    TimedList *list = forms.mainWindow->timedList();
    AddTimedTaskDialog *add = forms.addTimedTaskDialog;
    ModifyTimedTaskDialog *modify = forms.modifyTimedTaskDialog;
    for (TimedEditor *editor : {static_cast<TimedEditor *>(add), static_cast<TimedEditor *>(modify)})
        wireEditor(editor, list, forms.mainWindow.get());
    QObject::connect(list, &TimedList::addRequested, add, &AddTimedTaskDialog::openForNewTask);
    QObject::connect(list, &TimedList::modifyRequested, modify,
                     [list, modify] { modify->openForTask(list->selectedRow()); });
}

} // namespace

QList<QObject *> AppWindows::all() const {
    return created_;
}

std::unique_ptr<AppWindows> createAppWindows(platform::Services &os, const DataLocation &location,
                                             const QStringList &arguments) {
    auto forms = std::make_unique<AppWindows>();
    // Each window is kept in the order it is made, named when given a name.
    const auto keep = [&forms](auto *window, const QString &name = QString()) {
        if (!name.isEmpty())
            window->setObjectName(name);
        forms->created_.append(window);
        return window;
    };
    forms->mainWindow = std::make_unique<MainWindow>(os, location, arguments);
    keep(forms->mainWindow.get());
    QWidget *main = forms->mainWindow.get();
    MainContext &context = forms->mainWindow->context();
    forms->addScriptAddStepEditor = keep(new StepEditor(context, main, stepEditors::kAddScriptAdd),
                                         QStringLiteral("addScriptAddStepEditor"));
    forms->addScriptDialog = keep(new AddScriptDialog(context, main), QStringLiteral("addScriptDialog"));
    forms->database = keep(new Database(os, location, main));
    forms->database->setUpConnection();
    forms->addTimedTaskDialog = keep(new AddTimedTaskDialog(context, main));
    forms->addScriptModifyStepEditor = keep(new StepEditor(context, main, stepEditors::kAddScriptModify),
                                            QStringLiteral("addScriptModifyStepEditor"));
    forms->modifyScriptDialog =
        keep(new ModifyScriptDialog(context, main), QStringLiteral("modifyScriptDialog"));
    forms->addTimedTaskAddStepEditor = keep(new StepEditor(context, main, stepEditors::kAddTimedTaskAdd),
                                            QStringLiteral("addTimedTaskAddStepEditor"));
    forms->modifyScriptModifyStepEditor =
        keep(new StepEditor(context, main, stepEditors::kModifyScriptModify),
             QStringLiteral("modifyScriptModifyStepEditor"));
    forms->modifyTimedTaskDialog = keep(new ModifyTimedTaskDialog(context, main));
    forms->addTimedTaskModifyStepEditor =
        keep(new StepEditor(context, main, stepEditors::kAddTimedTaskModify),
             QStringLiteral("addTimedTaskModifyStepEditor"));
    forms->modifyTimedTaskAddStepEditor =
        keep(new StepEditor(context, main, stepEditors::kModifyTimedTaskAdd),
             QStringLiteral("modifyTimedTaskAddStepEditor"));
    forms->modifyTimedTaskModifyStepEditor =
        keep(new StepEditor(context, main, stepEditors::kModifyTimedTaskModify),
             QStringLiteral("modifyTimedTaskModifyStepEditor"));
    MainWindow *mainWindow = forms->mainWindow.get();
    ScriptList *scriptList = mainWindow->scriptList();
    auto *stopHotkeyDialog = keep(new StopHotkeyDialog(context, main));
    forms->stopHotkeyDialog = stopHotkeyDialog;
    QObject::connect(scriptList, &ScriptList::stopHotkeyDialogRequested, stopHotkeyDialog, &QDialog::exec);
    QObject::connect(stopHotkeyDialog, &StopHotkeyDialog::saved, scriptList, &ScriptList::reload);
    forms->modifyScriptAddStepEditor = keep(new StepEditor(context, main, stepEditors::kModifyScriptAdd),
                                            QStringLiteral("modifyScriptAddStepEditor"));
    forms->updateDownloadWindow = std::make_unique<UpdateDownloadWindow>(os);
    keep(forms->updateDownloadWindow.get());
    mainWindow->updateCheck()->setDownloadWindow(forms->updateDownloadWindow.get());
    QObject::connect(mainWindow, &MainWindow::endRequested, mainWindow, &MainWindow::endNow);
    // The update ends the program the main window's way, safe below a run.
    QObject::connect(forms->updateDownloadWindow.get(), &UpdateDownloadWindow::endRequested, mainWindow,
                     &MainWindow::endRequested);
    forms->addScriptDialog->setStepEditors(forms->addScriptAddStepEditor, forms->addScriptModifyStepEditor);
    forms->modifyScriptDialog->setStepEditors(forms->modifyScriptAddStepEditor,
                                              forms->modifyScriptModifyStepEditor);
    wireScriptEditors(*forms);
    forms->addTimedTaskDialog->setStepEditors(forms->addTimedTaskAddStepEditor,
                                              forms->addTimedTaskModifyStepEditor);
    forms->modifyTimedTaskDialog->setStepEditors(forms->modifyTimedTaskAddStepEditor,
                                                 forms->modifyTimedTaskModifyStepEditor);
    wireTimedEditors(*forms);
    // The windows made before the database find it here.
    Database *database = forms->database;
    mainWindow->scriptList()->setDatabase(database);
    mainWindow->timedList()->setDatabase(database);
    forms->addScriptDialog->setDatabase(database);
    forms->modifyScriptDialog->setDatabase(database);
    forms->addTimedTaskDialog->setDatabase(database);
    forms->modifyTimedTaskDialog->setDatabase(database);
    return forms;
}

} // namespace lumo
