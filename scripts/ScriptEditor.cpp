#include "scripts/ScriptEditor.h"

#include "core/HotkeyText.h"
#include "scripts/ScriptControls.h"
#include "steps/StepListEditing.h"
#include "steps/StepListPanel.h"
#include "steps/StepListText.h"
#include "widgets/InputFilters.h"
#include "widgets/StoredChoice.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace lumo {

ScriptEditor::~ScriptEditor() = default;

namespace {

constexpr int kCycleCountLimit = 5;
constexpr int kColumnWidth = 70;

const StepListDress kStepList{kScriptStepListControls,
                              "lumo::ScriptEditor",
                              {QT_TRANSLATE_NOOP("lumo::ScriptEditor", "坐标位置"),
                               QT_TRANSLATE_NOOP("lumo::ScriptEditor", "点击事件"),
                               QT_TRANSLATE_NOOP("lumo::ScriptEditor", "间隔时间")},
                              {kColumnWidth, kColumnWidth, kColumnWidth}};

Qt::WindowFlags frameFlags(bool minimizeButton) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    if (minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
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
    placeControls(this, kScriptEditorControls, "lumo::ScriptEditor",
                  [this](const ControlSpec &, QWidget *, const QString &title) {
                      steps_ = new StepListPanel(context_, this, kStepList, title);
                      return steps_;
                  });
    nameEdit = placedControl<QLineEdit>(this, "nameEdit");
    hotkeyModifierComboBox = placedControl<QComboBox>(this, "hotkeyModifierComboBox");
    hotkeyKeyComboBox = placedControl<QComboBox>(this, "hotkeyKeyComboBox");
    cyclesEdit = placedControl<QLineEdit>(this, "cyclesEdit");
    stepListView = steps_->view();
    makeStoredChoiceList(
        hotkeyModifierComboBox,
        {QStringLiteral("Ctrl"), QStringLiteral("Alt"), QStringLiteral("Ctrl+Alt"), kModifierNone},
        QStringLiteral("Ctrl"));
    makeStoredChoiceList(hotkeyKeyComboBox, hotkeyKeyWords(), QStringLiteral("F6"));
    installDigitFilter(cyclesEdit, kCycleCountLimit);
    auto *hintLabel = placedControl<QLabel>(this, "hintLabel");
    hintLabel->setText(hint);
    hintLabel->adjustSize();
    connect(steps_, &StepListPanel::recordingChanged, this, &ScriptEditor::recordingChanged);

    for (const char *name : {"okButton", "cancelButton"})
        // Enter must not save by itself.
        placedControl<QPushButton>(this, name)->setAutoDefault(false);
    connect(placedControl<QPushButton>(this, "okButton"), &QPushButton::clicked, this,
            &ScriptEditor::onOkClicked);
    connect(placedControl<QPushButton>(this, "cancelButton"), &QPushButton::clicked, this, &QDialog::close);
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
            composeHotkeyText(storedText(hotkeyModifierComboBox), storedText(hotkeyKeyComboBox));
        if (!nameIsFree(name))
            return;
        store(name, hotkeyText, encodeStepList(*stepListView), cycles);
        close();
        emit saved();
    });
}

} // namespace lumo
