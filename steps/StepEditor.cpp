#include "steps/StepEditor.h"

#include "core/HotkeyRegistration.h"
#include "core/UiLanguage.h"
#include "steps/StepControls.h"
#include "widgets/StoredChoice.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>

namespace lumo {

namespace {

const QString kLeftClick = QStringLiteral(QT_TRANSLATE_NOOP("lumo", "左键单击"));
const QString kDefaultInterval = QStringLiteral("20");

constexpr int kWidth = 384;
constexpr int kHintLineHeight = 16;

Qt::WindowFlags frameFlags(StepEditorDress::Frame frame) {
    Qt::WindowFlags flags =
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (frame == StepEditorDress::Frame::FixedWithMinimize)
        flags |= Qt::WindowMinimizeButtonHint;
    if (frame != StepEditorDress::Frame::Resizable)
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    return flags;
}

QString hintText(bool longHint) {
    const QString captureHint = StepEditor::tr("把鼠标指针放到要点击的地方,按F11自动会获取所在的坐标");
    if (!longHint)
        return captureHint;
    return captureHint + QLatin1Char('\n') + StepEditor::tr("点击事件选择是要鼠标左键点击还是右键点击") +
           QLatin1Char('\n') +
           StepEditor::tr("间隔时间是当前点击完成后要停止多少时间才点击一下个点击记录。") +
           QLatin1Char('\n') + StepEditor::tr("这个间隔时间具体根据电脑的配置来设置的。");
}

void makeEditableList(QComboBox *box, const QStringList &items) {
    box->setEditable(true);
    addStoredItems(box, items);
    // Typed text is taken as it is; it never becomes an item.
    box->setInsertPolicy(QComboBox::NoInsert);
}

} // namespace

QString positionText(platform::Point at) {
    return QString::number(at.x) + QLatin1Char(',') + QString::number(at.y);
}

StepEditor::StepEditor(MainContext &context, QWidget *owner, const StepEditorDress &dress)
    : QDialog(owner, frameFlags(dress.frame)), context_(context), os_(context.os), dress_(dress),
      livePositionTimer_(context.os.timers, this, kLivePositionTimerId,
                         [this] { context_.gate.postTick(this, [this] { onLivePositionTick(); }); }) {
    const bool add = dress_.kind == StepEditorDress::Kind::Add;
    setWindowTitle(add ? tr("添加坐标") : tr("修改坐标"));
    if (owner)
        setFont(owner->font());
    buildControls();
    const int lines = dress_.longHint ? 4 : 1;
    const QSize size(kWidth,
                     controlRow(kStepEditorControls, "hintLabel").rect.top() + lines * kHintLineHeight + 8);
    if (dress_.frame == StepEditorDress::Frame::Resizable)
        resize(size);
    else
        setFixedSize(size);
    context_.hotkeyRouter.addReceiver(this, [editor = QPointer<StepEditor>(this)](int) {
        if (editor)
            editor->onCaptureHotkeyPressed();
    });
}

StepEditor::~StepEditor() {
    os_.hotkeys.unregisterHotkey(this, dress_.hotkeyId);
}

void StepEditor::buildControls() {
    const bool add = dress_.kind == StepEditorDress::Kind::Add;
    placeControls(this, kStepEditorControls, "lumo::StepEditor");
    livePositionLabel = placedControl<QLabel>(this, "livePositionLabel");
    livePositionLabel->setFixedWidth(256);
    positionEdit = placedControl<QLineEdit>(this, "positionEdit");
    eventComboBox = placedControl<QComboBox>(this, "eventComboBox");
    makeEditableList(eventComboBox, {kLeftClick, QStringLiteral(QT_TRANSLATE_NOOP("lumo", "左键双击")),
                                     QStringLiteral(QT_TRANSLATE_NOOP("lumo", "右键单击")),
                                     QStringLiteral(QT_TRANSLATE_NOOP("lumo", "右键双击")),
                                     QStringLiteral(QT_TRANSLATE_NOOP("lumo", "无点击")),
                                     QStringLiteral(QT_TRANSLATE_NOOP("lumo", "中键单击")),
                                     QStringLiteral(QT_TRANSLATE_NOOP("lumo", "中键双击"))});
    intervalComboBox = placedControl<QComboBox>(this, "intervalComboBox");
    makeEditableList(intervalComboBox,
                     {QStringLiteral("30"), QStringLiteral("50"), QStringLiteral("100"),
                      QStringLiteral("200"), QStringLiteral("300"), QStringLiteral("500"),
                      QStringLiteral("1000"), QStringLiteral("1500"), QStringLiteral("2000"),
                      QStringLiteral("3000"), QStringLiteral("5000")});
    // The long hint's window writes its field captions with a colon.
    if (dress_.longHint)
        for (const char *name : {"eventLabel", "intervalLabel"}) {
            auto *label = placedControl<QLabel>(this, name);
            label->setText(label->text() + QLatin1Char(':'));
            label->adjustSize();
        }
    resetFields();

    auto *applyButton = placedControl<QPushButton>(this, "applyButton");
    auto *closeButton = placedControl<QPushButton>(this, "closeButton");
    applyButton->setText(add ? tr("添加(&A)") : tr("确定(&O)"));
    // Enter must not add or rewrite a step by itself.
    applyButton->setAutoDefault(false);
    closeButton->setAutoDefault(false);
    connect(applyButton, &QPushButton::clicked, this, [this] { onApplyClicked(); });
    connect(closeButton, &QPushButton::clicked, this, [this] { onCloseClicked(); });

    auto *hintLabel = placedControl<QLabel>(this, "hintLabel");
    hintLabel->setText(hintText(dress_.longHint));
    hintLabel->adjustSize();
}

void StepEditor::resetFields() {
    positionEdit->clear();
    setStoredText(eventComboBox, kLeftClick);
    intervalComboBox->setEditText(kDefaultInterval);
}

void StepEditor::copyRowIntoFields(const QTreeWidgetItem &row) {
    positionEdit->setText(row.text(0));
    setStoredText(eventComboBox, row.text(1));
    intervalComboBox->setEditText(row.text(2));
}

void StepEditor::showModal() {
    setWindowModality(Qt::ApplicationModal);
    if (const QWidget *main = context_.mainWindow)
        move(main->frameGeometry().center() - rect().center());
    show();
    activateWindow();
}

void StepEditor::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        startCapture();
}

void StepEditor::hideEvent(QHideEvent *event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        stopCapture();
}

void StepEditor::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape && !dress_.escCloses) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void StepEditor::startCapture() {
    if (dress_.topmostOnShow)
        context_.os.windows.setTopmost(this, true);
    registerOrWarn(context_, this, dress_.hotkeyId, platform::Modifiers{}, platform::HotkeyKey{11}, this,
                   shownText(kStepEditorConflict), platform::Icon::Information);
    // The live label follows the pointer only while it can be seen.
    livePositionTimer_.start(dress_.timerMs);
}

void StepEditor::stopCapture() {
    livePositionTimer_.stop();
    context_.os.hotkeys.unregisterHotkey(this, dress_.hotkeyId);
}

void StepEditor::onCaptureHotkeyPressed() {
    positionEdit->setText(positionText(context_.os.mouse.position()));
}

void StepEditor::onLivePositionTick() {
    const platform::Point at = context_.os.mouse.position();
    if (dress_.labelForm == StepEditorDress::LabelForm::Labelled)
        livePositionLabel->setText(tr("当前坐标: X=%1  Y=%2").arg(at.x).arg(at.y));
    else
        livePositionLabel->setText(tr("当前坐标:") + positionText(at));
}

QTreeWidgetItem *StepEditor::selectedRow() const {
    if (!stepList_)
        return nullptr;
    const QList<QTreeWidgetItem *> selected = stepList_->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void StepEditor::onApplyClicked() {
    if (positionEdit->text().isEmpty()) {
        context_.notice(this, shownText(kEmptyPosition), platform::Icon::Warning);
        return;
    }
    if (dress_.kind == StepEditorDress::Kind::Add) {
        if (stepList_)
            new QTreeWidgetItem(stepList_, QStringList{positionEdit->text(), storedText(eventComboBox),
                                                       intervalComboBox->currentText()});
        resetFields();
        return;
    }
    if (QTreeWidgetItem *row = selectedRow()) {
        row->setText(0, positionEdit->text());
        row->setText(1, storedText(eventComboBox));
        row->setText(2, intervalComboBox->currentText());
    }
    close();
}

void StepEditor::onCloseClicked() {
    close();
}

} // namespace lumo
