#include "steps/StepEditor.h"

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

const QString kLeftClick = QStringLiteral("左键单击");
const QString kDefaultInterval = QStringLiteral("20");
const QString kCaptureHint = QStringLiteral("把鼠标指针放到要点击的地方,按F11自动会获取所在的坐标");

constexpr int kWidth = 360;
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
    if (!longHint)
        return kCaptureHint;
    return kCaptureHint + QLatin1Char('\n') + QStringLiteral("点击事件选择是要鼠标左键点击还是右键点击") +
           QLatin1Char('\n') +
           QStringLiteral("间隔时间是当前点击完成后要停止多少时间才点击一下个点击记录。") +
           QLatin1Char('\n') + QStringLiteral("这个间隔时间具体根据电脑的配置来设置的。");
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
    box->addItems(items);
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
    : QDialog(owner, frameFlags(dress.frame)), context_(context), os_(context.os), dress_(dress) {
    const bool add = dress_.kind == StepEditorDress::Kind::Add;
    setWindowTitle(add ? QStringLiteral("添加坐标") : QStringLiteral("修改坐标"));
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
            editor->WMHotKey();
    });
}

StepEditor::~StepEditor() {
    os_.timers.KillTimer(this, kTmr1Id);
    os_.hotkeys.UnregisterHotKey(this, dress_.hotkeyId);
}

void StepEditor::buildControls() {
    const bool add = dress_.kind == StepEditorDress::Kind::Add;
    const QString colon = dress_.longHint ? QStringLiteral(":") : QString();

    grp1 = new QGroupBox(QStringLiteral("鼠标坐标属性"), this);
    grp1->setGeometry(8, 6, 256, 124);
    lbl6 = labelAt(QStringLiteral("当前坐标:"), grp1, 12, 20);
    lbl6->setFixedWidth(236);
    lbl1 = labelAt(QStringLiteral("鼠标坐标:"), grp1, 12, 46);
    edt1 = new QLineEdit(grp1);
    edt1->setGeometry(80, 42, 164, 21);
    lbl2 = labelAt(QStringLiteral("点击事件") + colon, grp1, 12, 72);
    cbb1 = editableList({kLeftClick, QStringLiteral("左键双击"), QStringLiteral("右键单击"),
                         QStringLiteral("右键双击"), QStringLiteral("无点击")},
                        grp1, QRect(80, 68, 164, 21));
    lbl3 = labelAt(QStringLiteral("间隔时间") + colon, grp1, 12, 98);
    cbb2 = editableList({QStringLiteral("30"), QStringLiteral("50"), QStringLiteral("100"),
                         QStringLiteral("200"), QStringLiteral("300"), QStringLiteral("500"),
                         QStringLiteral("1000"), QStringLiteral("1500"), QStringLiteral("2000"),
                         QStringLiteral("3000"), QStringLiteral("5000")},
                        grp1, QRect(80, 94, 120, 21));
    lbl5 = labelAt(QStringLiteral("豪秒"), grp1, 206, 98);
    resetFields();

    btn1 = new QPushButton(add ? QStringLiteral("添加(&A)") : QStringLiteral("确定(&O)"), this);
    btn1->setGeometry(274, 12, 78, 25);
    btn2 = new QPushButton(QStringLiteral("关闭(&C)"), this);
    btn2->setGeometry(274, 44, 78, 25);
    // Enter must not add or rewrite a step by itself.
    btn1->setAutoDefault(false);
    btn2->setAutoDefault(false);
    connect(btn1, &QPushButton::clicked, this, [this] { btn1Click(); });
    connect(btn2, &QPushButton::clicked, this, [this] { btn2Click(); });

    lbl4 = new QLabel(hintText(dress_.longHint), this);
    lbl4->move(8, kHintTop);
    lbl4->adjustSize();

    const char *names[] = {"grp1", "lbl6", "lbl1", "edt1", "lbl2", "cbb1",
                           "lbl3", "cbb2", "lbl5", "btn1", "btn2", "lbl4"};
    QWidget *widgets[] = {grp1, lbl6, lbl1, edt1, lbl2, cbb1, lbl3, cbb2, lbl5, btn1, btn2, lbl4};
    for (std::size_t i = 0; i < std::size(names); ++i)
        widgets[i]->setObjectName(QLatin1String(names[i]));
}

void StepEditor::resetFields() {
    edt1->clear();
    cbb1->setEditText(kLeftClick);
    cbb2->setEditText(kDefaultInterval);
}

void StepEditor::copyRowIntoFields(const QTreeWidgetItem &row) {
    edt1->setText(row.text(0));
    cbb1->setEditText(row.text(1));
    cbb2->setEditText(row.text(2));
}

void StepEditor::showModal() {
    setWindowModality(Qt::ApplicationModal);
    if (const QWidget *main = context_.mainWindow)
        move(main->frameGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void StepEditor::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void StepEditor::hideEvent(QHideEvent *event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        FormClose();
}

void StepEditor::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape && !dress_.escCloses) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void StepEditor::FormShow() {
    if (dress_.topmostOnShow)
        context_.os.windows.setTopmost(this, true);
    platform::Hotkeys &hotkeys = context_.os.hotkeys;
    hotkeys.UnregisterHotKey(this, dress_.hotkeyId);
    if (!hotkeys.RegisterHotKey(this, dress_.hotkeyId, 0, platform::VK_F11)) {
        context_.notice(this, kStepEditorConflict, platform::MB_OK | platform::MB_ICONINFORMATION);
        hotkeys.UnregisterHotKey(this, dress_.hotkeyId);
    }
    // The live label follows the pointer only while it can be seen.
    context_.os.timers.SetTimer(this, kTmr1Id, dress_.timerMs,
                                [this] { context_.gate.postTick(this, [this] { tmr1Timer(); }); });
}

void StepEditor::FormClose() {
    context_.os.timers.KillTimer(this, kTmr1Id);
    context_.os.hotkeys.UnregisterHotKey(this, dress_.hotkeyId);
}

void StepEditor::WMHotKey() {
    edt1->setText(positionText(context_.os.mouse.GetCursorPos()));
}

void StepEditor::tmr1Timer() {
    const platform::Point at = context_.os.mouse.GetCursorPos();
    if (dress_.labelForm == StepEditorDress::LabelForm::A)
        lbl6->setText(QStringLiteral("当前坐标: X=%1  Y=%2").arg(at.x).arg(at.y));
    else
        lbl6->setText(QStringLiteral("当前坐标:") + positionText(at));
}

QTreeWidgetItem *StepEditor::selectedRow() const {
    if (!lv1_)
        return nullptr;
    const QList<QTreeWidgetItem *> selected = lv1_->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void StepEditor::btn1Click() {
    if (edt1->text().isEmpty()) {
        context_.notice(this, kEmptyPosition, platform::MB_OK | platform::MB_ICONWARNING);
        return;
    }
    if (dress_.kind == StepEditorDress::Kind::Add) {
        if (lv1_)
            new QTreeWidgetItem(lv1_, QStringList{edt1->text(), cbb1->currentText(), cbb2->currentText()});
        resetFields();
        return;
    }
    if (QTreeWidgetItem *row = selectedRow()) {
        row->setText(0, edt1->text());
        row->setText(1, cbb1->currentText());
        row->setText(2, cbb2->currentText());
    }
    close();
}

void StepEditor::btn2Click() {
    close();
}

} // namespace lumo
