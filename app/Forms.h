#pragma once
// Every window of the program, created once at start in a fixed order and
// kept until the end.

#include "app/U_Main.h"
#include "app/U_dm.h"
#include "app/U_download.h"
#include "scripts/U_AddMp.h"
#include "scripts/U_ModMp.h"
#include "steps/StepEditors.h"
#include "timed/U_AddTime.h"
#include "timed/U_ModTime.h"

#include <QDialog>

#include <memory>

namespace lumo {

struct Forms {
    std::unique_ptr<TFrm_Main> Frm_Main;
    Tfrm_addpoint *frm_addpoint = nullptr;
    TFrm_AddMP *Frm_AddMP = nullptr;
    Tdm1 *dm1 = nullptr;
    TFrm_AddTime *Frm_AddTime = nullptr;
    TFrm_ModPoint *Frm_ModPoint = nullptr;
    TFrm_ModMP *Frm_ModMP = nullptr;
    Tfrm_addpoint1 *frm_addpoint1 = nullptr;
    TFrm_ModPoint2 *Frm_ModPoint2 = nullptr;
    TFrm_ModTime *Frm_ModTime = nullptr;
    Tfrm_addtimemod *frm_addtimemod = nullptr;
    TFrm_modtimeadd *Frm_modtimeadd = nullptr;
    TFrm_ModTimemod *Frm_ModTimemod = nullptr;
    QDialog *Frm_shotkey = nullptr;
    Tfrm_mod_addpint *frm_mod_addpint = nullptr;
    // Without owner window: a window with one does not keep the program
    // running once the main window is hidden and a message box closes.
    std::unique_ptr<TFrm_download> Frm_download;

    // Instance names in creation order.
    static const QStringList &creationOrder();
    // The forms in creation order, the main window first.
    QList<QObject *> all() const;
};

// Creates the sixteen windows in their order; none is shown.
std::unique_ptr<Forms> createForms(platform::Services &os, const QString &exeDir,
                                   const QStringList &arguments);

} // namespace lumo
