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

void wireScriptEditors(Forms &forms) {
    TFrm_Main *frmMain = forms.Frm_Main.get();
    ScriptList *list = frmMain->scriptList;
    TFrm_AddMP *add = forms.Frm_AddMP;
    TFrm_ModMP *modify = forms.Frm_ModMP;
    for (ScriptEditor *editor : {static_cast<ScriptEditor *>(add), static_cast<ScriptEditor *>(modify)})
        editor->setLoadScriptList([frmMain] { frmMain->LoadScriptList(); });
    list->openAddEditor = [add] { add->openForNewScript(); };
    list->openModifyEditor = [list, modify] {
        const std::optional<ScriptRow> row = list->selectedRow();
        modify->openForScript(row ? &*row : nullptr);
    };
}

} // namespace

const QStringList &Forms::creationOrder() {
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

QList<QObject *> Forms::all() const {
    return {Frm_Main.get(), frm_addpoint, Frm_AddMP,       dm1,
            Frm_AddTime,    Frm_ModPoint, Frm_ModMP,       frm_addpoint1,
            Frm_ModPoint2,  Frm_ModTime,  frm_addtimemod,  Frm_modtimeadd,
            Frm_ModTimemod, Frm_shotkey,  frm_mod_addpint, Frm_download.get()};
}

std::unique_ptr<Forms> createForms(platform::Services &os, const QString &exeDir,
                                   const QStringList &arguments) {
    auto forms = std::make_unique<Forms>();
    forms->Frm_Main = std::make_unique<TFrm_Main>(os, exeDir, arguments);
    QWidget *main = forms->Frm_Main.get();
    MainContext &context = forms->Frm_Main->context();
    forms->frm_addpoint = named(new Tfrm_addpoint(context, main), QStringLiteral("frm_addpoint"));
    forms->Frm_AddMP = named(new TFrm_AddMP(context, main), QStringLiteral("Frm_AddMP"));
    forms->dm1 = new Tdm1(os, exeDir, main);
    forms->dm1->DataModuleCreate();
    forms->Frm_Main->context().dm1 = forms->dm1;
    forms->Frm_AddTime = new TFrm_AddTime(context, main);
    forms->Frm_ModPoint = named(new TFrm_ModPoint(context, main), QStringLiteral("Frm_ModPoint"));
    forms->Frm_ModMP = named(new TFrm_ModMP(context, main), QStringLiteral("Frm_ModMP"));
    forms->frm_addpoint1 = named(new Tfrm_addpoint1(context, main), QStringLiteral("frm_addpoint1"));
    forms->Frm_ModPoint2 = named(new TFrm_ModPoint2(context, main), QStringLiteral("Frm_ModPoint2"));
    forms->Frm_ModTime = new TFrm_ModTime(context, main);
    forms->frm_addtimemod = named(new Tfrm_addtimemod(context, main), QStringLiteral("frm_addtimemod"));
    forms->Frm_modtimeadd = named(new TFrm_modtimeadd(context, main), QStringLiteral("Frm_modtimeadd"));
    forms->Frm_ModTimemod = named(new TFrm_ModTimemod(context, main), QStringLiteral("Frm_ModTimemod"));
    TFrm_Main *frmMain = forms->Frm_Main.get();
    auto *shotkey = new TFrm_shotkey(frmMain->context(), main, [frmMain] { frmMain->LoadScriptList(); });
    forms->Frm_shotkey = shotkey;
    frmMain->scriptList->openStopHotkeyDialog = [shotkey] { shotkey->exec(); };
    forms->frm_mod_addpint = named(new Tfrm_mod_addpint(context, main), QStringLiteral("frm_mod_addpint"));
    forms->Frm_download = std::make_unique<TFrm_download>(os);
    forms->Frm_Main->Frm_download = forms->Frm_download.get();
    // The update ends the program the main window's way, safe below a run.
    forms->Frm_download->endProgram = [frmMain] { frmMain->endProgram(); };
    forms->Frm_AddMP->setStepEditors(forms->frm_addpoint, forms->Frm_ModPoint);
    forms->Frm_ModMP->setStepEditors(forms->frm_mod_addpint, forms->Frm_ModPoint2);
    wireScriptEditors(*forms);
    forms->Frm_AddTime->setStepEditors(forms->frm_addpoint1, forms->frm_addtimemod);
    forms->Frm_ModTime->setStepEditors(forms->Frm_modtimeadd, forms->Frm_ModTimemod);
    const auto reloadTimedList = [main = forms->Frm_Main.get()] { main->LoadTimedList(); };
    forms->Frm_AddTime->setReload(reloadTimedList);
    forms->Frm_ModTime->setReload(reloadTimedList);
    TimedList *timedList = frmMain->timedList;
    timedList->onAdd = [dialog = forms->Frm_AddTime] { dialog->openAdd(); };
    timedList->onModify = [dialog = forms->Frm_ModTime, timedList] {
        dialog->openModify(timedList->selectedRow());
    };
    return forms;
}

} // namespace lumo
