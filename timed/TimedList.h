#pragma once
// The timed tab: the list lv3, the program's only model of the timed tasks
// and of which are enabled, with its add, modify, delete, enable, disable
// and start-with-the-session buttons.

#include "engine/MainContext.h"
#include "timed/TimedScheduler.h"

#include <QGroupBox>

#include <functional>
#include <optional>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace lumo {

class TimedList final : public QGroupBox, public TimedRows {
    Q_OBJECT
  public:
    enum Column { IdColumn, TimeColumn, CyclesColumn, StepsColumn, StatusColumn };

    TimedList(MainContext &context, QWidget *parent);

    // Refills lv3 from tplist; every task starts "未启用", nothing selected.
    void LoadTimedList();
    void btn12Click(); // add
    void btn13Click(); // modify
    void btn14Click(); // delete
    void btn15Click(); // enable
    void btn16Click(); // disable
    void btn3Click();  // start with the session
    void lv3DblClick();
    // The background of a row about to be drawn: light blue when enabled.
    std::optional<QColor> lv3CustomDrawItem(const QTreeWidgetItem &item) const;
    // The autotime start: every row "已启用".
    void enableAll();

    // The selected row, if any.
    std::optional<TimedRow> selectedRow() const;

    int rowCount() const override;
    TimedRow rowAt(int position) const override;
    std::optional<TimedRow> rowById(const QString &id) const override;

    // Opened by add and by modify (and double-click); unset, they do nothing.
    std::function<void()> onAdd;
    std::function<void()> onModify;

    QTreeWidget *lv3;
    QPushButton *btn12;
    QPushButton *btn13;
    QPushButton *btn14;
    QPushButton *btn15;
    QPushButton *btn16;
    QPushButton *btn3;

  private:
    void setSelectedStatus(const QString &status);
    static TimedRow rowOf(const QTreeWidgetItem &item);

    MainContext &context_;
};

} // namespace lumo
