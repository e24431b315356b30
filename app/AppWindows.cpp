#include "app/AppWindows.h"

#include "scripts/ScriptList.h"
#include "scripts/StopHotkeyDialog.h"
#include "timed/TimedList.h"

namespace lumo {

namespace {

template <typename Window> Window *named(Window *window, const QString &name) {
    window->setObjectName(name);
    return window;
}

void wireScriptEditors(AppWindows &forms) {
    MainWindow *mainWindow = forms.mainWindow.get();
    ScriptList *list = mainWindow->scriptList;
    AddScriptDialog *add = forms.addScriptDialog;
    ModifyScriptDialog *modify = forms.modifyScriptDialog;
    for (ScriptEditor *editor : {static_cast<ScriptEditor *>(add), static_cast<ScriptEditor *>(modify)})
        editor->setReloadList([mainWindow] { mainWindow->loadScriptList(); });
    list->openAddEditor = [add] { add->openForNewScript(); };
    list->openModifyEditor = [list, modify] {
        const std::optional<ScriptRow> row = list->selectedRow();
        modify->openForScript(row ? &*row : nullptr);
    };
}

} // namespace

const QStringList &AppWindows::creationOrder() {
    static const QStringList order = {QStringLiteral("mainWindow"),
                                      QStringLiteral("addScriptAddStepEditor"),
                                      QStringLiteral("addScriptDialog"),
                                      QStringLiteral("database"),
                                      QStringLiteral("addTimedTaskDialog"),
                                      QStringLiteral("addScriptModifyStepEditor"),
                                      QStringLiteral("modifyScriptDialog"),
                                      QStringLiteral("addTimedTaskAddStepEditor"),
                                      QStringLiteral("modifyScriptModifyStepEditor"),
                                      QStringLiteral("modifyTimedTaskDialog"),
                                      QStringLiteral("addTimedTaskModifyStepEditor"),
                                      QStringLiteral("modifyTimedTaskAddStepEditor"),
                                      QStringLiteral("modifyTimedTaskModifyStepEditor"),
                                      QStringLiteral("stopHotkeyDialog"),
                                      QStringLiteral("modifyScriptAddStepEditor"),
                                      QStringLiteral("updateDownloadWindow")};
    return order;
}

QList<QObject *> AppWindows::all() const {
    return {mainWindow.get(),
            addScriptAddStepEditor,
            addScriptDialog,
            database,
            addTimedTaskDialog,
            addScriptModifyStepEditor,
            modifyScriptDialog,
            addTimedTaskAddStepEditor,
            modifyScriptModifyStepEditor,
            modifyTimedTaskDialog,
            addTimedTaskModifyStepEditor,
            modifyTimedTaskAddStepEditor,
            modifyTimedTaskModifyStepEditor,
            stopHotkeyDialog,
            modifyScriptAddStepEditor,
            updateDownloadWindow.get()};
}

std::unique_ptr<AppWindows> createAppWindows(platform::Services &os, const QString &exeDir,
                                             const QStringList &arguments) {
    auto forms = std::make_unique<AppWindows>();
    forms->mainWindow = std::make_unique<MainWindow>(os, exeDir, arguments);
    QWidget *main = forms->mainWindow.get();
    MainContext &context = forms->mainWindow->context();
    forms->addScriptAddStepEditor =
        named(new AddScriptAddStepEditor(context, main), QStringLiteral("addScriptAddStepEditor"));
    forms->addScriptDialog = named(new AddScriptDialog(context, main), QStringLiteral("addScriptDialog"));
    forms->database = new Database(os, exeDir, main);
    forms->database->setUpConnection();
    forms->mainWindow->context().database = forms->database;
    forms->addTimedTaskDialog = new AddTimedTaskDialog(context, main);
    forms->addScriptModifyStepEditor =
        named(new AddScriptModifyStepEditor(context, main), QStringLiteral("addScriptModifyStepEditor"));
    forms->modifyScriptDialog =
        named(new ModifyScriptDialog(context, main), QStringLiteral("modifyScriptDialog"));
    forms->addTimedTaskAddStepEditor =
        named(new AddTimedTaskAddStepEditor(context, main), QStringLiteral("addTimedTaskAddStepEditor"));
    forms->modifyScriptModifyStepEditor = named(new ModifyScriptModifyStepEditor(context, main),
                                                QStringLiteral("modifyScriptModifyStepEditor"));
    forms->modifyTimedTaskDialog = new ModifyTimedTaskDialog(context, main);
    forms->addTimedTaskModifyStepEditor = named(new AddTimedTaskModifyStepEditor(context, main),
                                                QStringLiteral("addTimedTaskModifyStepEditor"));
    forms->modifyTimedTaskAddStepEditor = named(new ModifyTimedTaskAddStepEditor(context, main),
                                                QStringLiteral("modifyTimedTaskAddStepEditor"));
    forms->modifyTimedTaskModifyStepEditor = named(new ModifyTimedTaskModifyStepEditor(context, main),
                                                   QStringLiteral("modifyTimedTaskModifyStepEditor"));
    MainWindow *mainWindow = forms->mainWindow.get();
    auto *stopHotkeyDialog =
        new StopHotkeyDialog(mainWindow->context(), main, [mainWindow] { mainWindow->loadScriptList(); });
    forms->stopHotkeyDialog = stopHotkeyDialog;
    mainWindow->scriptList->openStopHotkeyDialog = [stopHotkeyDialog] { stopHotkeyDialog->exec(); };
    forms->modifyScriptAddStepEditor =
        named(new ModifyScriptAddStepEditor(context, main), QStringLiteral("modifyScriptAddStepEditor"));
    forms->updateDownloadWindow = std::make_unique<UpdateDownloadWindow>(os);
    forms->mainWindow->updateDownloadWindow = forms->updateDownloadWindow.get();
    // The update ends the program the main window's way, safe below a run.
    forms->updateDownloadWindow->endProgram = [mainWindow] { mainWindow->endProgram(); };
    forms->addScriptDialog->setStepEditors(forms->addScriptAddStepEditor, forms->addScriptModifyStepEditor);
    forms->modifyScriptDialog->setStepEditors(forms->modifyScriptAddStepEditor,
                                              forms->modifyScriptModifyStepEditor);
    wireScriptEditors(*forms);
    forms->addTimedTaskDialog->setStepEditors(forms->addTimedTaskAddStepEditor,
                                              forms->addTimedTaskModifyStepEditor);
    forms->modifyTimedTaskDialog->setStepEditors(forms->modifyTimedTaskAddStepEditor,
                                                 forms->modifyTimedTaskModifyStepEditor);
    // The editors record clicks with the main window out of the way.
    const auto showRecording = [mainWindow](bool recording) { mainWindow->showRecording(recording); };
    QObject::connect(forms->addScriptDialog, &ScriptEditor::recordingChanged, mainWindow, showRecording);
    QObject::connect(forms->modifyScriptDialog, &ScriptEditor::recordingChanged, mainWindow, showRecording);
    QObject::connect(forms->addTimedTaskDialog, &TimedEditor::recordingChanged, mainWindow, showRecording);
    QObject::connect(forms->modifyTimedTaskDialog, &TimedEditor::recordingChanged, mainWindow, showRecording);
    const auto reloadTimedList = [main = forms->mainWindow.get()] { main->loadTimedList(); };
    forms->addTimedTaskDialog->setReloadList(reloadTimedList);
    forms->modifyTimedTaskDialog->setReloadList(reloadTimedList);
    TimedList *timedList = mainWindow->timedList;
    timedList->onAdd = [dialog = forms->addTimedTaskDialog] { dialog->openAdd(); };
    timedList->onModify = [dialog = forms->modifyTimedTaskDialog, timedList] {
        dialog->openModify(timedList->selectedRow());
    };
    return forms;
}

} // namespace lumo
