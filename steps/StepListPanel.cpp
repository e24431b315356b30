#include "steps/StepListPanel.h"

#include "steps/StepListEditing.h"
#include "steps/StepRecording.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>

namespace lumo {

StepListPanel::~StepListPanel() = default;

StepListPanel::StepListPanel(MainContext &context, QWidget *dialog, const StepListDress &dress,
                             const QString &title)
    : QGroupBox(title, dialog) {
    placeControls(this, dress.controls, dress.context);
    view_ = placedControl<QTreeWidget>(this, "stepListView");
    QStringList titles;
    for (const char *columnTitle : dress.columnTitles)
        titles << QCoreApplication::translate(dress.context, columnTitle);
    view_->setHeaderLabels(titles);
    for (int column = 0; column < int(dress.columnWidths.size()); ++column)
        view_->setColumnWidth(column, dress.columnWidths[column]);
    dressStepListView(*view_);

    editing_ = std::make_unique<StepListEditing>(context, dialog, view_);
    recording_ = std::make_unique<StepRecording>(context, dialog, view_);
    connect(recording_.get(), &StepRecording::recordingChanged, this, &StepListPanel::recordingChanged);

    const std::pair<const char *, std::function<void()>> actions[] = {
        {"addStepButton", [this] { editing_->addStep(); }},
        {"modifyStepButton", [this] { editing_->modifyStep(); }},
        {"deleteStepButton", [this] { editing_->deleteStep(); }},
        {"moveStepUpButton", [this] { editing_->moveStep(-1); }},
        {"moveStepDownButton", [this] { editing_->moveStep(1); }},
        {"recordButton", [this] { recording_->start(); }}};
    for (const auto &[name, action] : actions) {
        auto *button = placedControl<QPushButton>(this, name);
        // Enter must not change the steps by itself.
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, action);
    }
}

void StepListPanel::setStepEditors(StepEditor *add, StepEditor *modify) {
    editing_->setStepEditors(add, modify);
}

} // namespace lumo
