#pragma once
// The multi-point tab: every script of mplist in one list, the buttons that
// add, modify, delete, enable and disable them, and the script hotkeys.
//
// Script hotkeys are registered on this widget rather than on the main
// window, under identifiers of their own, so that no script id can ever
// take the single-point (1008) or stop (1108) registration's place, and ids
// beyond what the system accepts as an identifier still work.

#include "core/MainContext.h"
#include "storage/Database.h"
#include "storage/ScriptRow.h"

#include <QGroupBox>
#include <QHash>
#include <QList>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace lumo {

// Columns of the script list view.
enum ScriptColumn { kColId, kColName, kColHotkey, kColStopHotkey, kColSteps, kColCycles, kColStatus };

class ScriptList final : public QGroupBox {
    Q_OBJECT
  public:
    ScriptList(MainContext &context, QWidget *parent);
    ~ScriptList() override;

    // Refills the list from mplist. Rows whose script hotkey is held read
    // "已启用"; a held hotkey whose stored text changed is registered anew.
    // Rows with a NULL cell are left out and kept in skippedRows().
    void reload();
    const QList<SkippedRow> &skippedRows() const { return skipped_; }
    // Registers the script's hotkey and marks the selected row.
    void enableScript(const QString &hotkeyText, const QString &idText);

    void onAddClicked();
    void onModifyClicked();
    void onListDoubleClicked();
    void onDeleteClicked();
    void onDeleteActionTriggered() { onDeleteClicked(); }
    void onEnableClicked();
    void onDisableClicked();
    void onStopHotkeyClicked();

    // The first row whose id column is that text.
    std::optional<ScriptRow> rowById(const QString &id) const;
    QList<ScriptRow> rows() const;
    std::optional<ScriptRow> selectedRow() const;
    // Whether the script with that id holds its hotkey now.
    bool isHotkeyHeld(const QString &id) const { return held_.contains(id); }

  signals:
    // The buttons ask whoever owns the dialogs to open them.
    void addRequested();
    void modifyRequested();
    void stopHotkeyDialogRequested();
    // A script hotkey was pressed: the script's id text.
    void playRequested(const QString &id);

  protected:
    // A double click anywhere on the list, on a row or not.
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    struct Held {
        int identifier = 0;
        QString hotkeyText;
    };

    QTreeWidgetItem *selectedItem() const;
    void setStatus(QTreeWidgetItem &item, const QString &status);
    int identifierFor(const QString &id);
    void onPress(int identifier);
    enum class Outcome { Held, Conflict, NothingRegistered };
    // Registers the text under the script's identifier in place of what it
    // held; a taken key shows the conflict message and holds nothing.
    Outcome registerScriptHotkey(const QString &id, const QString &hotkeyText);
    void release(const QString &id);
    QString reconcileStatus(const QString &id, const QString &hotkeyText);
    void releaseVanished(const QList<ScriptRow> &present);
    void buildButtons();

    MainContext &context_;
    QHash<QString, Held> held_;
    QList<SkippedRow> skipped_;
    QHash<QString, int> identifiers_;
    int nextIdentifier_ = 1;

  private:
    QTreeWidget *scriptListView;
    QPushButton *addButton;        // add
    QPushButton *modifyButton;     // modify
    QPushButton *deleteButton;     // delete
    QPushButton *stopHotkeyButton; // stop hotkey setting
    QPushButton *enableButton;     // enable
    QPushButton *disableButton;    // disable
    QMenu *contextMenu;
    QAction *deleteAction;
};

} // namespace lumo
