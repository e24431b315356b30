#pragma once
// The timed tab: the task list, the program's only model of the timed tasks
// and of which are enabled, with its add, modify, delete, enable, disable
// and start-with-the-session buttons.

#include "core/MainContext.h"
#include "storage/Database.h"
#include "timed/TimedScheduler.h"

#include <QGroupBox>

#include <functional>
#include <optional>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace lumo {

class Database;

class TimedList final : public QGroupBox, public TimedRows {
    Q_OBJECT
  public:
    enum Column { IdColumn, TimeColumn, CyclesColumn, StatusColumn };

    TimedList(MainContext &context, QWidget *parent);

    // Refills the task list from tplist; every task starts "未启用", nothing
    // selected. Rows with a NULL cell are left out and kept in skippedRows().
    void reload();
    // The same for rows added behind the list's back (an import): the tasks
    // enabled before stay enabled, the others start "未启用".
    void reloadKeepingEnabled();
    const QList<SkippedRow> &skippedRows() const { return skipped_; }
    // The background of a row about to be drawn: light blue when enabled.
    std::optional<QColor> rowBackground(const QTreeWidgetItem &item) const;
    // The autotime start: every row "已启用".
    void enableAll();

    // The selected row, if any.
    std::optional<TimedRow> selectedRow() const;

    int rowCount() const override;
    TimedRow rowAt(int position) const override;
    std::optional<TimedRow> rowById(const QString &id) const override;

    // Opened by add and by modify (and double-click); unset, they do nothing.

    // The database the list reads and deletes in; the composition root makes
    // it after the main window.
    void setDatabase(Database *database) { database_ = database; }

  signals:
    // The buttons ask whoever owns the timed task dialogs to open them.
    void addRequested();
    void modifyRequested();

  private:
    void onAddClicked();              // add
    void onModifyClicked();           // modify
    void onDeleteClicked();           // delete
    void onEnableClicked();           // enable
    void onDisableClicked();          // disable
    void onStartWithSessionClicked(); // start with the session
    void onListDoubleClicked();
    void setSelectedStatus(const QString &status);
    static TimedRow rowOf(const QTreeWidgetItem &item);

    MainContext &context_;
    Database *database_ = nullptr;
    QList<SkippedRow> skipped_;

  private:
    QTreeWidget *taskListView;
};

} // namespace lumo
