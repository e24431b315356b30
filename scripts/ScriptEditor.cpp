#include "scripts/ScriptEditor.h"

#include "core/HotkeyText.h"
#include "steps/StepEditor.h"
#include "steps/StepListEditing.h"
#include "steps/StepListText.h"
#include "steps/StepRecording.h"
#include "widgets/InputFilters.h"
#include "widgets/StoredChoice.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace lumo {

ScriptEditor::~ScriptEditor() = default;

namespace {

constexpr int kCycleCountLimit = 5;
constexpr int kColumnWidth = 70;

Qt::WindowFlags frameFlags(bool minimizeButton) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    if (minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

QLabel *labelAt(const QString &text, QWidget *parent, int x, int y) {
    auto *label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QComboBox *editableList(const QStringList &items, const QString &initial, QWidget *parent, QRect geometry) {
    auto *box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    addStoredItems(box, items);
    setStoredText(box, initial);
    box->setGeometry(geometry);
    return box;
}

QPushButton *buttonAt(const QString &text, QWidget *parent, QRect geometry) {
    auto *button = new QPushButton(text, parent);
    button->setGeometry(geometry);
    // Enter must not save or change steps by itself.
    button->setAutoDefault(false);
    return button;
}

} // namespace

ScriptEditor::ScriptEditor(MainContext &context, QWidget *owner, const Dress &dress)
    : QDialog(owner, frameFlags(dress.minimizeButton)), context_(context) {
    setWindowTitle(dress.caption);
    if (owner)
        setFont(owner->font());
    buildControls(dress.hint);
    setFixedSize(dress.clientSize);
}

void ScriptEditor::buildControls(const QString &hint) {
    settingsGroupBox = new QGroupBox(tr("设置"), this);
    settingsGroupBox->setGeometry(8, 4, 340, 100);
    nameLabel = labelAt(tr("名称:"), settingsGroupBox, 12, 22);
    nameEdit = new QLineEdit(settingsGroupBox);
    nameEdit->setGeometry(96, 18, 170, 21);
    hotkeyLabel = labelAt(tr("启动热键:"), settingsGroupBox, 12, 48);
    hotkeyModifierComboBox = editableList(
        {QStringLiteral("Ctrl"), QStringLiteral("Alt"), QStringLiteral("Ctrl+Alt"), kModifierNone},
        QStringLiteral("Ctrl"), settingsGroupBox, QRect(96, 44, 82, 21));
    plusLabel = labelAt(tr("十"), settingsGroupBox, 184, 48);
    hotkeyKeyComboBox =
        editableList(functionKeyWords(), QStringLiteral("F6"), settingsGroupBox, QRect(202, 44, 64, 21));
    cyclesLabel = labelAt(tr("循环点击次数:"), settingsGroupBox, 12, 74);
    cyclesEdit = new QLineEdit(settingsGroupBox);
    cyclesEdit->setGeometry(96, 70, 82, 21);
    installDigitFilter(cyclesEdit, kCycleCountLimit);
    hintLabel = labelAt(hint, this, 12, 110);

    stepsGroupBox = new QGroupBox(tr("点击"), this);
    stepsGroupBox->setGeometry(8, 128, 340, 240);
    stepListView = new QTreeWidget(stepsGroupBox);
    steps_ = std::make_unique<StepListEditing>(context_, this, stepListView);
    stepListView->setGeometry(10, 20, 230, 210);
    stepListView->setColumnCount(3);
    stepListView->setHeaderLabels({tr("坐标位置"), tr("点击事件"), tr("间隔时间")});
    for (int column = 0; column < 3; ++column)
        stepListView->setColumnWidth(column, kColumnWidth);
    dressStepListView(*stepListView);

    const QString captions[] = {tr("添加坐标"), tr("修改坐标"), tr("删除坐标"), tr("上移一行"),
                                tr("下移一行")};
    QPushButton **stepButtons[] = {&addStepButton, &modifyStepButton, &deleteStepButton, &moveStepUpButton,
                                   &moveStepDownButton};
    for (int i = 0; i < 5; ++i)
        *stepButtons[i] = buttonAt(captions[i], stepsGroupBox, QRect(250, 20 + i * 34, 80, 25));
    recordButton = buttonAt(tr("录制坐标"), stepsGroupBox, QRect(250, 20 + 5 * 34, 80, 25));
    recording_ = std::make_unique<StepRecording>(context_, this, stepListView);
    connect(recording_.get(), &StepRecording::recordingChanged, this, &ScriptEditor::recordingChanged);
    okButton = buttonAt(tr("确定(&O)"), this, QRect(180, 376, 80, 25));
    cancelButton = buttonAt(tr("取消(&C)"), this, QRect(268, 376, 80, 25));

    connect(okButton, &QPushButton::clicked, this, [this] { onOkClicked(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { onCancelClicked(); });
    connect(addStepButton, &QPushButton::clicked, this, [this] { onAddStepClicked(); });
    connect(modifyStepButton, &QPushButton::clicked, this, [this] { onModifyStepClicked(); });
    connect(deleteStepButton, &QPushButton::clicked, this, [this] { onDeleteStepClicked(); });
    connect(moveStepUpButton, &QPushButton::clicked, this, [this] { onMoveStepUpClicked(); });
    connect(moveStepDownButton, &QPushButton::clicked, this, [this] { onMoveStepDownClicked(); });
    connect(recordButton, &QPushButton::clicked, this, [this] { onRecordClicked(); });

    // Tests and accessibility tools find each control by its member name.
    const std::pair<QWidget *, const char *> named[] = {{settingsGroupBox, "settingsGroupBox"},
                                                        {nameLabel, "nameLabel"},
                                                        {nameEdit, "nameEdit"},
                                                        {hotkeyLabel, "hotkeyLabel"},
                                                        {hotkeyModifierComboBox, "hotkeyModifierComboBox"},
                                                        {plusLabel, "plusLabel"},
                                                        {hotkeyKeyComboBox, "hotkeyKeyComboBox"},
                                                        {cyclesLabel, "cyclesLabel"},
                                                        {cyclesEdit, "cyclesEdit"},
                                                        {hintLabel, "hintLabel"},
                                                        {stepsGroupBox, "stepsGroupBox"},
                                                        {stepListView, "stepListView"},
                                                        {addStepButton, "addStepButton"},
                                                        {modifyStepButton, "modifyStepButton"},
                                                        {deleteStepButton, "deleteStepButton"},
                                                        {moveStepUpButton, "moveStepUpButton"},
                                                        {moveStepDownButton, "moveStepDownButton"},
                                                        {recordButton, "recordButton"},
                                                        {okButton, "okButton"},
                                                        {cancelButton, "cancelButton"}};
    for (const auto &[widget, name] : named)
        widget->setObjectName(QLatin1String(name));
}

void ScriptEditor::setStepEditors(StepEditor *add, StepEditor *modify) {
    steps_->setStepEditors(add, modify);
}

void ScriptEditor::showModal() {
    showModalOverMainWindow(this, context_);
}

void ScriptEditor::refuse(const QString &text, QWidget *focus) {
    context_.notice(this, text, platform::Icon::Information);
    focus->setFocus();
}

void ScriptEditor::onOkClicked() {
    context_.guarded([this] {
        const QString cycles = cyclesEdit->text();
        if (cycles.isEmpty() || cycles == QLatin1String("0")) {
            refuse(tr("请输入循环点击次数。"), cyclesEdit);
            return;
        }
        const QString name = nameEdit->text();
        if (name.isEmpty()) {
            refuse(tr("请输入多坐标点击的名称."), nameEdit);
            return;
        }
        const QString hotkeyText =
            composeHotkeyText(storedText(hotkeyModifierComboBox), hotkeyKeyComboBox->currentText());
        if (!nameIsFree(name))
            return;
        store(name, hotkeyText, encodeStepList(*stepListView), cycles);
        close();
        emit saved();
    });
}

void ScriptEditor::onCancelClicked() {
    close();
}

void ScriptEditor::onAddStepClicked() {
    steps_->addStep();
}

void ScriptEditor::onModifyStepClicked() {
    steps_->modifyStep();
}

void ScriptEditor::onDeleteStepClicked() {
    steps_->deleteStep();
}

void ScriptEditor::onMoveStepUpClicked() {
    steps_->moveStep(-1);
}

void ScriptEditor::onMoveStepDownClicked() {
    steps_->moveStep(1);
}

void ScriptEditor::onRecordClicked() {
    recording_->start();
}

} // namespace lumo
