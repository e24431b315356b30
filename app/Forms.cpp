#include "app/Forms.h"

namespace lumo {

namespace {

// A window whose work is not built yet: it exists, named, and does nothing.
QDialog *namedDialog(QWidget *owner, const QString &name) {
    auto *dialog = new QDialog(owner);
    dialog->setObjectName(name);
    return dialog;
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
    return {Frm_Main.get(), frm_addpoint,  Frm_AddMP,       dm1,         Frm_AddTime,    Frm_ModPoint,
            Frm_ModMP,      frm_addpoint1, Frm_ModPoint2,   Frm_ModTime, frm_addtimemod, Frm_modtimeadd,
            Frm_ModTimemod, Frm_shotkey,   frm_mod_addpint, Frm_download};
}

std::unique_ptr<Forms> createForms(platform::Services &os, const QString &exeDir,
                                   const QStringList &arguments) {
    auto forms = std::make_unique<Forms>();
    forms->Frm_Main = std::make_unique<TFrm_Main>(os, exeDir, arguments);
    QWidget *main = forms->Frm_Main.get();
    forms->frm_addpoint = namedDialog(main, QStringLiteral("frm_addpoint"));
    forms->Frm_AddMP = namedDialog(main, QStringLiteral("Frm_AddMP"));
    forms->dm1 = new Tdm1(os, exeDir, main);
    forms->dm1->DataModuleCreate();
    forms->Frm_Main->context().dm1 = forms->dm1;
    forms->Frm_AddTime = new TFrm_AddTime(forms->Frm_Main->context(), main);
    forms->Frm_AddTime->setReload([main = forms->Frm_Main.get()] { main->LoadTimedList(); });
    forms->Frm_ModPoint = namedDialog(main, QStringLiteral("Frm_ModPoint"));
    forms->Frm_ModMP = namedDialog(main, QStringLiteral("Frm_ModMP"));
    forms->frm_addpoint1 = namedDialog(main, QStringLiteral("frm_addpoint1"));
    forms->Frm_ModPoint2 = namedDialog(main, QStringLiteral("Frm_ModPoint2"));
    forms->Frm_ModTime = new TFrm_ModTime(forms->Frm_Main->context(), main);
    forms->Frm_ModTime->setReload([main = forms->Frm_Main.get()] { main->LoadTimedList(); });
    forms->frm_addtimemod = namedDialog(main, QStringLiteral("frm_addtimemod"));
    forms->Frm_modtimeadd = namedDialog(main, QStringLiteral("Frm_modtimeadd"));
    forms->Frm_ModTimemod = namedDialog(main, QStringLiteral("Frm_ModTimemod"));
    forms->Frm_shotkey = namedDialog(main, QStringLiteral("Frm_shotkey"));
    forms->frm_mod_addpint = namedDialog(main, QStringLiteral("frm_mod_addpint"));
    forms->Frm_download = namedDialog(main, QStringLiteral("Frm_download"));
    return forms;
}

} // namespace lumo
