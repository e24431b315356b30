#include "timed/TimedEditor.h"

#include "core/ClockText.h"
#include "steps/StepEditor.h"
#include "steps/StepListEditing.h"
#include "steps/StepListText.h"
#include "steps/StepRecording.h"
#include "widgets/InputFilters.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace lumo {

TimedEditor::~TimedEditor() = default;

namespace {

constexpr int kFieldLimit = 2;

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &where) {
    auto *created = new QLabel(text, parent);
    created->setObjectName(name);
    created->setGeometry(where);
    return created;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text, const QRect &where) {
    auto *created = new QPushButton(text, parent);
    created->setObjectName(name);
    created->setGeometry(where);
    // Enter must not save the task from whatever field has the focus.
    created->setAutoDefault(false);
    return created;
}

QComboBox *timeField(QWidget *parent, const QString &name, const QStringList &items, int x) {
    auto *field = new QComboBox(parent);
    field->setObjectName(name);
    field->setEditable(true);
    field->setInsertPolicy(QComboBox::NoInsert);
    field->addItems(items);
    field->setEditText(QStringLiteral("00"));
    field->setGeometry(x, 22, 46, 20);
    installDigitFilter(field, kFieldLimit);
    return field;
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
    buildTimeGroup(dress.cycleLimit);
    buildStepGroup();
    okButton = button(this, QStringLiteral("okButton"), tr("确定(&O)"), QRect(160, 364, 75, 25));
    cancelButton = button(this, QStringLiteral("cancelButton"), tr("取消(&C)"), QRect(245, 364, 75, 25));
    connect(okButton, &QPushButton::clicked, this, &TimedEditor::onOkClicked);
    connect(cancelButton, &QPushButton::clicked, this, &TimedEditor::onCancelClicked);

    // The add dialog sees Esc before any of its fields, whose digit filter
    // would otherwise swallow it.
    if (escCloses_)
        for (QWidget *child : findChildren<QWidget *>())
            child->installEventFilter(this);
}

void TimedEditor::buildTimeGroup(int cycleLimit) {
    timeGroupBox = new QGroupBox(tr("定时点击"), this);
    timeGroupBox->setObjectName(QStringLiteral("timeGroupBox"));
    timeGroupBox->setGeometry(8, 6, 319, 100);
    timeLabel = label(timeGroupBox, QStringLiteral("timeLabel"), tr("时间:"), QRect(12, 25, 36, 14));
    hourComboBox = timeField(timeGroupBox, QStringLiteral("hourComboBox"), hourItems(), 72);
    hourUnitLabel = label(timeGroupBox, QStringLiteral("hourUnitLabel"), tr("时"), QRect(122, 25, 14, 14));
    minuteComboBox = timeField(timeGroupBox, QStringLiteral("minuteComboBox"), minuteItems(), 142);
    minuteUnitLabel =
        label(timeGroupBox, QStringLiteral("minuteUnitLabel"), tr("分"), QRect(192, 25, 14, 14));
    secondComboBox = timeField(timeGroupBox, QStringLiteral("secondComboBox"), minuteItems(), 212);
    secondUnitLabel =
        label(timeGroupBox, QStringLiteral("secondUnitLabel"), tr("秒"), QRect(262, 25, 14, 14));
    cyclesLabel = label(timeGroupBox, QStringLiteral("cyclesLabel"), tr("点击次数:"), QRect(12, 53, 60, 14));
    cyclesEdit = new QLineEdit(QStringLiteral("1"), timeGroupBox);
    cyclesEdit->setObjectName(QStringLiteral("cyclesEdit"));
    cyclesEdit->setGeometry(72, 50, 46, 20);
    installDigitFilter(cyclesEdit, cycleLimit);
    currentTimeLabel =
        label(timeGroupBox, QStringLiteral("currentTimeLabel"), QString(), QRect(12, 78, 290, 14));
}

void TimedEditor::buildStepGroup() {
    stepsGroupBox = new QGroupBox(tr("点击属性"), this);
    stepsGroupBox->setObjectName(QStringLiteral("stepsGroupBox"));
    stepsGroupBox->setGeometry(8, 112, 319, 244);
    stepListView = new QTreeWidget(stepsGroupBox);
    steps_ = std::make_unique<StepListEditing>(context_, this, stepListView);
    stepListView->setObjectName(QStringLiteral("stepListView"));
    stepListView->setGeometry(10, 20, 212, 214);
    stepListView->setHeaderLabels({tr("坐标"), tr("点击"), tr("间隔")});
    stepListView->setColumnWidth(0, 50);
    stepListView->setColumnWidth(1, 72);
    stepListView->setColumnWidth(2, 75);
    dressStepListView(*stepListView);

    addStepButton =
        button(stepsGroupBox, QStringLiteral("addStepButton"), tr("添加(&A)"), QRect(232, 20, 75, 25));
    modifyStepButton =
        button(stepsGroupBox, QStringLiteral("modifyStepButton"), tr("修改(&M)"), QRect(232, 55, 75, 25));
    deleteStepButton =
        button(stepsGroupBox, QStringLiteral("deleteStepButton"), tr("删除(&D)"), QRect(232, 90, 75, 25));
    moveStepUpButton =
        button(stepsGroupBox, QStringLiteral("moveStepUpButton"), tr("上移一行"), QRect(232, 125, 75, 25));
    moveStepDownButton =
        button(stepsGroupBox, QStringLiteral("moveStepDownButton"), tr("下移一行"), QRect(232, 160, 75, 25));
    recordButton =
        button(stepsGroupBox, QStringLiteral("recordButton"), tr("录制坐标"), QRect(232, 195, 75, 25));
    recording_ = std::make_unique<StepRecording>(context_, this, stepListView);
    connect(recording_.get(), &StepRecording::recordingChanged, this, &TimedEditor::recordingChanged);
    connect(addStepButton, &QPushButton::clicked, this, &TimedEditor::onAddStepClicked);
    connect(modifyStepButton, &QPushButton::clicked, this, &TimedEditor::onModifyStepClicked);
    connect(deleteStepButton, &QPushButton::clicked, this, &TimedEditor::onDeleteStepClicked);
    connect(moveStepUpButton, &QPushButton::clicked, this, &TimedEditor::onMoveStepUpClicked);
    connect(moveStepDownButton, &QPushButton::clicked, this, &TimedEditor::onMoveStepDownClicked);
    connect(recordButton, &QPushButton::clicked, this, &TimedEditor::onRecordClicked);
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
        onCancelClicked();
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

void TimedEditor::onCancelClicked() {
    reject();
}

void TimedEditor::onAddStepClicked() {
    steps_->addStep();
}

void TimedEditor::onModifyStepClicked() {
    steps_->modifyStep();
}

void TimedEditor::onDeleteStepClicked() {
    steps_->deleteStep();
}

void TimedEditor::onMoveStepUpClicked() {
    steps_->moveStep(-1);
}

void TimedEditor::onMoveStepDownClicked() {
    steps_->moveStep(1);
}

void TimedEditor::onRecordClicked() {
    recording_->start();
}

} // namespace lumo
