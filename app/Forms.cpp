#include "app/Forms.h"

#include "scripts/ScriptList.h"
#include "scripts/U_shotkey.h"
#include "timed/TimedList.h"

namespace lumo {

namespace {

template <typename Window> Window *named(Window *window, const QString &name) {
    window->setObjectName(name);
    return window;
}

void wireScriptEditors(AppWindows &forms) {
    MainWindow *frmMain = forms.mainWindow.get();
    ScriptList *list = frmMain->scriptList;
    AddScriptDialog *add = forms.addScriptDialog;
    ModifyScriptDialog *modify = forms.modifyScriptDialog;
    for (ScriptEditor *editor : {static_cast<ScriptEditor *>(add), static_cast<ScriptEditor *>(modify)})
        editor->setReloadList([frmMain] { frmMain->loadScriptList(); });
    list->openAddEditor = [add] { add->openForNewScript(); };
    list->openModifyEditor = [list, modify] {
        const std::optional<ScriptRow> row = list->selectedRow();
        modify->openForScript(row ? &*row : nullptr);
    };
}

} // namespace

const QStringList &AppWindows::creationOrder() {
    static const QStringList order = {QStringLiteral("Frm_Main"),        QStringLiteral("frm_addpoint"),
                                      QStringLiteral("Frm_AddMP"),       QStringLiteral("dm1"),
                                      QStringLiteral("Frm_AddTime"),     QStringLiteral("Frm_ModPoint"),
                                      QStringLiteral("Frm_ModMP"),       QStringLiteral("frm_addpoint1"),
                                      QStringLiteral("Frm_ModPoint2"),   QStringLiteral("Frm_ModTime"),
                                      QStringLiteral("frm_addtimemod"),  QStringLiteral("Frm_modtimeadd"),
                                      QStringLiteral("Frm_ModTimemod"),  QStringLiteral("Frm_shotkey"),
                                      QStringLiteral("frm_mod_addpint"), QStringLiteral("Frm_download")};
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
        named(new AddScriptAddStepEditor(context, main), QStringLiteral("frm_addpoint"));
    forms->addScriptDialog = named(new AddScriptDialog(context, main), QStringLiteral("Frm_AddMP"));
    forms->database = new Database(os, exeDir, main);
    forms->database->setUpConnection();
    forms->mainWindow->context().database = forms->database;
    forms->addTimedTaskDialog = new AddTimedTaskDialog(context, main);
    forms->addScriptModifyStepEditor =
        named(new AddScriptModifyStepEditor(context, main), QStringLiteral("Frm_ModPoint"));
    forms->modifyScriptDialog = named(new ModifyScriptDialog(context, main), QStringLiteral("Frm_ModMP"));
    forms->addTimedTaskAddStepEditor =
        named(new AddTimedTaskAddStepEditor(context, main), QStringLiteral("frm_addpoint1"));
    forms->modifyScriptModifyStepEditor =
        named(new ModifyScriptModifyStepEditor(context, main), QStringLiteral("Frm_ModPoint2"));
    forms->modifyTimedTaskDialog = new ModifyTimedTaskDialog(context, main);
    forms->addTimedTaskModifyStepEditor =
        named(new AddTimedTaskModifyStepEditor(context, main), QStringLiteral("frm_addtimemod"));
    forms->modifyTimedTaskAddStepEditor =
        named(new ModifyTimedTaskAddStepEditor(context, main), QStringLiteral("Frm_modtimeadd"));
    forms->modifyTimedTaskModifyStepEditor =
        named(new ModifyTimedTaskModifyStepEditor(context, main), QStringLiteral("Frm_ModTimemod"));
    MainWindow *frmMain = forms->mainWindow.get();
    auto *shotkey = new StopHotkeyDialog(frmMain->context(), main, [frmMain] { frmMain->loadScriptList(); });
    forms->stopHotkeyDialog = shotkey;
    frmMain->scriptList->openStopHotkeyDialog = [shotkey] { shotkey->exec(); };
    forms->modifyScriptAddStepEditor =
        named(new ModifyScriptAddStepEditor(context, main), QStringLiteral("frm_mod_addpint"));
    forms->updateDownloadWindow = std::make_unique<UpdateDownloadWindow>(os);
    forms->mainWindow->updateDownloadWindow = forms->updateDownloadWindow.get();
    // The update ends the program the main window's way, safe below a run.
    forms->updateDownloadWindow->endProgram = [frmMain] { frmMain->endProgram(); };
    forms->addScriptDialog->setStepEditors(forms->addScriptAddStepEditor, forms->addScriptModifyStepEditor);
    forms->modifyScriptDialog->setStepEditors(forms->modifyScriptAddStepEditor,
                                              forms->modifyScriptModifyStepEditor);
    wireScriptEditors(*forms);
    forms->addTimedTaskDialog->setStepEditors(forms->addTimedTaskAddStepEditor,
                                              forms->addTimedTaskModifyStepEditor);
    forms->modifyTimedTaskDialog->setStepEditors(forms->modifyTimedTaskAddStepEditor,
                                                 forms->modifyTimedTaskModifyStepEditor);
    const auto reloadTimedList = [main = forms->mainWindow.get()] { main->loadTimedList(); };
    forms->addTimedTaskDialog->setReloadList(reloadTimedList);
    forms->modifyTimedTaskDialog->setReloadList(reloadTimedList);
    TimedList *timedList = frmMain->timedList;
    timedList->onAdd = [dialog = forms->addTimedTaskDialog] { dialog->openAdd(); };
    timedList->onModify = [dialog = forms->modifyTimedTaskDialog, timedList] {
        dialog->openModify(timedList->selectedRow());
    };
    return forms;
}

} // namespace lumo
