#pragma once
// Every window of the program, created once at start in a fixed order and
// kept until the end.

#include "app/U_Main.h"
#include "app/U_dm.h"
#include "timed/U_AddTime.h"
#include "timed/U_ModTime.h"

#include <QDialog>

#include <memory>

namespace lumo {

struct Forms {
    std::unique_ptr<TFrm_Main> Frm_Main;
    QDialog *frm_addpoint = nullptr;
    QDialog *Frm_AddMP = nullptr;
    Tdm1 *dm1 = nullptr;
    TFrm_AddTime *Frm_AddTime = nullptr;
    QDialog *Frm_ModPoint = nullptr;
    QDialog *Frm_ModMP = nullptr;
    QDialog *frm_addpoint1 = nullptr;
    QDialog *Frm_ModPoint2 = nullptr;
    TFrm_ModTime *Frm_ModTime = nullptr;
    QDialog *frm_addtimemod = nullptr;
    QDialog *Frm_modtimeadd = nullptr;
    QDialog *Frm_ModTimemod = nullptr;
    QDialog *Frm_shotkey = nullptr;
    QDialog *frm_mod_addpint = nullptr;
    QDialog *Frm_download = nullptr;

    // Instance names in creation order.
    static const QStringList &creationOrder();
    // The forms in creation order, the main window first.
    QList<QObject *> all() const;
};

// Creates the sixteen windows in their order; none is shown.
std::unique_ptr<Forms> createForms(platform::Services &os, const QString &exeDir,
                                   const QStringList &arguments);

} // namespace lumo
