#pragma once
// The multi-point tab: every script of mplist in one list and the buttons
// that add, modify, delete, enable and disable them. The list keeps the rows
// the store returned; a script's hotkey plays the row it shows.

#include "core/MainContext.h"
#include "scripts/ScriptHotkeys.h"
#include "storage/Database.h"
#include "storage/ScriptRow.h"

#include <QGroupBox>
#include <QList>

#include <optional>

class QAction;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace lumo {

class Database;

// Columns of the script list view.
enum ScriptColumn { kColId, kColName, kColHotkey, kColStopHotkey, kColCycles, kColStatus };

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

    const QList<ScriptRow> &rows() const { return rows_; }
    std::optional<ScriptRow> selectedRow() const;
    const ScriptHotkeys &hotkeys() const { return hotkeys_; }

    // The database the list reads and deletes in; the composition root makes
    // it after the main window.
    void setDatabase(Database *database) { database_ = database; }

  signals:
    // The buttons ask whoever owns the dialogs to open them.
    void addRequested();
    void modifyRequested();
    void stopHotkeyDialogRequested();
    // A script's hotkey was pressed: the row the list shows for it.
    void playRequested(const ScriptRow &row);

  protected:
    // A double click anywhere on the list, on a row or not.
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void onAddClicked();
    void onModifyClicked();
    void onListDoubleClicked();
    void onDeleteClicked();
    void onDeleteActionTriggered() { onDeleteClicked(); }
    void onEnableClicked();
    void onDisableClicked();
    void onStopHotkeyClicked();
    QTreeWidgetItem *selectedItem() const;
    // The row of the list that item shows.
    ScriptRow &rowOf(QTreeWidgetItem &item);
    void setStatus(QTreeWidgetItem &item, const QString &status);
    void onScriptKeyPressed(const QString &id);
    void connectButtons();

    MainContext &context_;
    Database *database_ = nullptr;
    ScriptHotkeys hotkeys_;
    // What the store returned, in list order: item i of the view shows
    // rows_[i]. A reload fills both row by row, as a press may come
    // meanwhile (under a conflict message).
    QList<ScriptRow> rows_;
    QList<SkippedRow> skipped_;

  private:
    QTreeWidget *scriptListView;
    QMenu *contextMenu;
    QAction *deleteAction;
};

} // namespace lumo
