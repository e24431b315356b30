#include "timed/TimedEditor.h"

#include "core/ClockText.h"
#include "steps/StepListEditing.h"
#include "steps/StepListPanel.h"
#include "steps/StepListText.h"
#include "timed/TimedControls.h"
#include "widgets/InputFilters.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace lumo {

TimedEditor::~TimedEditor() = default;

namespace {

constexpr int kFieldLimit = 2;

const StepListDress kStepList{kTimedStepListControls,
                              "lumo::TimedEditor",
                              {QT_TRANSLATE_NOOP("lumo::TimedEditor", "坐标"),
                               QT_TRANSLATE_NOOP("lumo::TimedEditor", "点击"),
                               QT_TRANSLATE_NOOP("lumo::TimedEditor", "间隔")},
                              {50, 72, 75}};

void makeTimeField(QComboBox *field, const QStringList &items) {
    field->setEditable(true);
    field->setInsertPolicy(QComboBox::NoInsert);
    field->addItems(items);
    field->setEditText(QStringLiteral("00"));
    installDigitFilter(field, kFieldLimit);
}

QStringList hourItems() {
    QStringList items;
    for (int hour = 1; hour <= 23; ++hour)
        items << QString::number(hour);
    items << QStringLiteral("0");
    return items;
}

QStringList minuteItems() {
    QStringList items;
    for (int minute = 1; minute <= 59; ++minute)
        items << QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0'));
    return items;
}

} // namespace

TimedEditor::TimedEditor(MainContext &context, QWidget *owner, const Dress &dress)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      context_(context), escCloses_(dress.escCloses) {
    setWindowTitle(dress.title);
    if (owner)
        setFont(owner->font());
    placeControls(this, kTimedEditorControls, "lumo::TimedEditor",
                  [this](const ControlSpec &, QWidget *, const QString &title) {
                      steps_ = new StepListPanel(context_, this, kStepList, title);
                      return steps_;
                  });
    hourComboBox = placedControl<QComboBox>(this, "hourComboBox");
    minuteComboBox = placedControl<QComboBox>(this, "minuteComboBox");
    secondComboBox = placedControl<QComboBox>(this, "secondComboBox");
    makeTimeField(hourComboBox, hourItems());
    makeTimeField(minuteComboBox, minuteItems());
    makeTimeField(secondComboBox, minuteItems());
    cyclesEdit = placedControl<QLineEdit>(this, "cyclesEdit");
    cyclesEdit->setText(QStringLiteral("1"));
    installDigitFilter(cyclesEdit, dress.cycleLimit);
    currentTimeLabel = placedControl<QLabel>(this, "currentTimeLabel");
    stepListView = steps_->view();
    connect(steps_, &StepListPanel::recordingChanged, this, &TimedEditor::recordingChanged);

    auto *okButton = placedControl<QPushButton>(this, "okButton");
    auto *cancelButton = placedControl<QPushButton>(this, "cancelButton");
    // Enter must not save the task from whatever field has the focus.
    okButton->setAutoDefault(false);
    cancelButton->setAutoDefault(false);
    connect(okButton, &QPushButton::clicked, this, &TimedEditor::onOkClicked);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // The add dialog sees Esc before any of its fields, whose digit filter
    // would otherwise swallow it.
    if (escCloses_)
        for (QWidget *child : findChildren<QWidget *>())
            child->installEventFilter(this);
}

void TimedEditor::setStepEditors(StepEditor *add, StepEditor *modify) {
    steps_->setStepEditors(add, modify);
}

void TimedEditor::showModal() {
    showModalOverMainWindow(this, context_);
}

void TimedEditor::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        showCurrentTime();
}

void TimedEditor::showCurrentTime() {
    const QTime now = context_.os.clock.now().time();
    currentTimeLabel->setText(tr("当前系统时间:") + clockText(context_.os.locale.longTimeFormat(), now));
}

void TimedEditor::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape && !escCloses_) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TimedEditor::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

QString TimedEditor::timeText() const {
    return hourComboBox->currentText() + QLatin1Char(':') + minuteComboBox->currentText() + QLatin1Char(':') +
           secondComboBox->currentText();
}

void TimedEditor::onOkClicked() {
    const QString time = timeText();
    const QString steps = encodeStepList(*stepListView);
    // A failed statement leaves the dialog open as it was, so the user can
    // put the cause right and press OK again.
    context_.guarded([&] {
        saveTask(time, steps, cyclesEdit->text());
        emit saved();
        accept();
    });
}

} // namespace lumo
