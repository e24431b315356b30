#include "steps/StepEditor.h"

#include "core/HotkeyRegistration.h"
#include "core/UiLanguage.h"
#include "widgets/StoredChoice.h"

#include <QComboBox>
#include <QGroupBox>
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
constexpr int kHintTop = 136;
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

QLabel *labelAt(const QString &text, QWidget *parent, int x, int y) {
    auto *label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QComboBox *editableList(const QStringList &items, QWidget *parent, QRect geometry) {
    auto *box = new QComboBox(parent);
    box->setEditable(true);
    addStoredItems(box, items);
    box->setGeometry(geometry);
    // Typed text is taken as it is; it never becomes an item.
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
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
    const QSize size(kWidth, kHintTop + lines * kHintLineHeight + 8);
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
    const QString colon = dress_.longHint ? QStringLiteral(":") : QString();

    positionGroupBox = new QGroupBox(tr("鼠标坐标属性"), this);
    positionGroupBox->setGeometry(8, 6, 276, 124);
    livePositionLabel = labelAt(tr("当前坐标:"), positionGroupBox, 12, 20);
    livePositionLabel->setFixedWidth(256);
    positionLabel = labelAt(tr("鼠标坐标:"), positionGroupBox, 12, 46);
    positionEdit = new QLineEdit(positionGroupBox);
    positionEdit->setGeometry(80, 42, 184, 21);
    eventLabel = labelAt(tr("点击事件") + colon, positionGroupBox, 12, 72);
    eventComboBox = editableList({kLeftClick, QStringLiteral(QT_TRANSLATE_NOOP("lumo", "左键双击")),
                                  QStringLiteral(QT_TRANSLATE_NOOP("lumo", "右键单击")),
                                  QStringLiteral(QT_TRANSLATE_NOOP("lumo", "右键双击")),
                                  QStringLiteral(QT_TRANSLATE_NOOP("lumo", "无点击")),
                                  QStringLiteral(QT_TRANSLATE_NOOP("lumo", "中键单击")),
                                  QStringLiteral(QT_TRANSLATE_NOOP("lumo", "中键双击"))},
                                 positionGroupBox, QRect(80, 68, 184, 21));
    intervalLabel = labelAt(tr("间隔时间") + colon, positionGroupBox, 12, 98);
    intervalComboBox = editableList({QStringLiteral("30"), QStringLiteral("50"), QStringLiteral("100"),
                                     QStringLiteral("200"), QStringLiteral("300"), QStringLiteral("500"),
                                     QStringLiteral("1000"), QStringLiteral("1500"), QStringLiteral("2000"),
                                     QStringLiteral("3000"), QStringLiteral("5000")},
                                    positionGroupBox, QRect(80, 94, 120, 21));
    millisecondsLabel = labelAt(tr("豪秒"), positionGroupBox, 206, 98);
    resetFields();

    applyButton = new QPushButton(add ? tr("添加(&A)") : tr("确定(&O)"), this);
    applyButton->setGeometry(296, 12, 78, 25);
    closeButton = new QPushButton(tr("关闭(&C)"), this);
    closeButton->setGeometry(296, 44, 78, 25);
    // Enter must not add or rewrite a step by itself.
    applyButton->setAutoDefault(false);
    closeButton->setAutoDefault(false);
    connect(applyButton, &QPushButton::clicked, this, [this] { onApplyClicked(); });
    connect(closeButton, &QPushButton::clicked, this, [this] { onCloseClicked(); });

    hintLabel = new QLabel(hintText(dress_.longHint), this);
    hintLabel->move(8, kHintTop);
    hintLabel->adjustSize();

    // Tests and accessibility tools find each control by its member name.
    const std::pair<QWidget *, const char *> named[] = {{positionGroupBox, "positionGroupBox"},
                                                        {livePositionLabel, "livePositionLabel"},
                                                        {positionLabel, "positionLabel"},
                                                        {positionEdit, "positionEdit"},
                                                        {eventLabel, "eventLabel"},
                                                        {eventComboBox, "eventComboBox"},
                                                        {intervalLabel, "intervalLabel"},
                                                        {intervalComboBox, "intervalComboBox"},
                                                        {millisecondsLabel, "millisecondsLabel"},
                                                        {applyButton, "applyButton"},
                                                        {closeButton, "closeButton"},
                                                        {hintLabel, "hintLabel"}};
    for (const auto &[widget, name] : named)
        widget->setObjectName(QLatin1String(name));
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
    registerOrWarn(context_, this, dress_.hotkeyId, platform::Modifiers{}, platform::FunctionKey{11}, this, shownText(kStepEditorConflict),
                   platform::Icon::Information);
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
