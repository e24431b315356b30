#include "scripts/ScriptEditor.h"

#include "engine/HotkeyText.h"
#include "engine/InputFilters.h"
#include "scripts/StepListEditing.h"
#include "scripts/StepListText.h"
#include "steps/StepEditor.h"

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
    box->addItems(items);
    box->setEditText(initial);
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
    grp1 = new QGroupBox(QStringLiteral("设置"), this);
    grp1->setGeometry(8, 4, 340, 100);
    lbl1 = labelAt(QStringLiteral("名称:"), grp1, 12, 22);
    edt1 = new QLineEdit(grp1);
    edt1->setGeometry(96, 18, 170, 21);
    lbl2 = labelAt(QStringLiteral("启动热键:"), grp1, 12, 48);
    cbb1 = editableList(
        {QStringLiteral("Ctrl"), QStringLiteral("Alt"), QStringLiteral("Ctrl+Alt"), kModifierNone},
        QStringLiteral("Ctrl"), grp1, QRect(96, 44, 82, 21));
    lbl3 = labelAt(QStringLiteral("十"), grp1, 184, 48);
    cbb2 = editableList(functionKeyWords(), QStringLiteral("F6"), grp1, QRect(202, 44, 64, 21));
    lbl5 = labelAt(QStringLiteral("循环点击次数:"), grp1, 12, 74);
    edt2 = new QLineEdit(grp1);
    edt2->setGeometry(96, 70, 82, 21);
    edt2->setMaxLength(kCycleCountLimit);
    installDigitFilter(edt2);
    lbl4 = labelAt(hint, this, 12, 110);

    grp2 = new QGroupBox(QStringLiteral("点击"), this);
    grp2->setGeometry(8, 128, 340, 240);
    lv1 = new QTreeWidget(grp2);
    steps_ = std::make_unique<StepListEditing>(context_, this, lv1);
    lv1->setGeometry(10, 20, 230, 210);
    lv1->setColumnCount(3);
    lv1->setHeaderLabels(
        {QStringLiteral("坐标位置"), QStringLiteral("点击事件"), QStringLiteral("间隔时间")});
    for (int column = 0; column < 3; ++column)
        lv1->setColumnWidth(column, kColumnWidth);
    dressStepListView(*lv1);

    const QString captions[] = {QStringLiteral("添加坐标"), QStringLiteral("修改坐标"),
                                QStringLiteral("删除坐标"), QStringLiteral("上移一行"),
                                QStringLiteral("下移一行")};
    QPushButton **stepButtons[] = {&btn4, &btn5, &btn6, &btn7, &btn8};
    for (int i = 0; i < 5; ++i)
        *stepButtons[i] = buttonAt(captions[i], grp2, QRect(250, 20 + i * 34, 80, 25));
    btn1 = buttonAt(QStringLiteral("确定(&O)"), this, QRect(180, 376, 80, 25));
    btn2 = buttonAt(QStringLiteral("取消(&C)"), this, QRect(268, 376, 80, 25));

    connect(btn1, &QPushButton::clicked, this, [this] { btn1Click(); });
    connect(btn2, &QPushButton::clicked, this, [this] { btn2Click(); });
    connect(btn4, &QPushButton::clicked, this, [this] { btn4Click(); });
    connect(btn5, &QPushButton::clicked, this, [this] { btn5Click(); });
    connect(btn6, &QPushButton::clicked, this, [this] { btn6Click(); });
    connect(btn7, &QPushButton::clicked, this, [this] { btn7Click(); });
    connect(btn8, &QPushButton::clicked, this, [this] { btn8Click(); });

    const char *names[] = {"grp1", "lbl1", "edt1", "lbl2", "cbb1", "lbl3", "cbb2", "lbl5", "edt2", "lbl4",
                           "grp2", "lv1",  "btn4", "btn5", "btn6", "btn7", "btn8", "btn1", "btn2"};
    QWidget *widgets[] = {grp1, lbl1, edt1, lbl2, cbb1, lbl3, cbb2, lbl5, edt2, lbl4,
                          grp2, lv1,  btn4, btn5, btn6, btn7, btn8, btn1, btn2};
    for (std::size_t i = 0; i < std::size(names); ++i)
        widgets[i]->setObjectName(QLatin1String(names[i]));
}

void ScriptEditor::setStepEditors(StepEditor *add, StepEditor *modify) {
    steps_->setStepEditors(add, modify);
}

void ScriptEditor::showModal() {
    showModalOverMainWindow(this, context_);
}

void ScriptEditor::refuse(const QString &text, QWidget *focus) {
    context_.notice(this, text, platform::MB_OK | platform::MB_ICONINFORMATION);
    focus->setFocus();
}

void ScriptEditor::btn1Click() {
    context_.guarded([this] {
        const QString cycles = edt2->text();
        if (cycles.isEmpty() || cycles == QLatin1String("0")) {
            refuse(QStringLiteral("请输入循环点击次数。"), edt2);
            return;
        }
        const QString name = edt1->text();
        if (name.isEmpty()) {
            refuse(QStringLiteral("请输入多坐标点击的名称."), edt1);
            return;
        }
        const QString hotkeyText = composeHotkeyText(cbb1->currentText(), cbb2->currentText());
        if (!nameIsFree(name))
            return;
        store(name, hotkeyText, encodeStepList(*lv1), cycles);
        close();
        if (loadScriptList_)
            loadScriptList_();
    });
}

void ScriptEditor::btn2Click() {
    close();
}

void ScriptEditor::btn4Click() {
    steps_->addStep();
}

void ScriptEditor::btn5Click() {
    steps_->modifyStep();
}

void ScriptEditor::btn6Click() {
    steps_->deleteStep();
}

void ScriptEditor::btn7Click() {
    steps_->moveStep(-1);
}

void ScriptEditor::btn8Click() {
    steps_->moveStep(1);
}

} // namespace lumo
