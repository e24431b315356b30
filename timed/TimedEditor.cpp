#include "timed/TimedEditor.h"

#include "engine/InputFilters.h"
#include "scripts/StepListEditing.h"
#include "scripts/StepListText.h"
#include "steps/StepEditor.h"
#include "timed/ClockText.h"

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
    field->lineEdit()->setMaxLength(kFieldLimit);
    field->setEditText(QStringLiteral("00"));
    field->setGeometry(x, 22, 46, 20);
    installDigitFilter(field);
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
    buildTimeGroup();
    if (dress.cycleLimit > 0)
        edt1->setMaxLength(dress.cycleLimit);
    buildStepGroup();
    btn1 = button(this, QStringLiteral("btn1"), QStringLiteral("确定(&O)"), QRect(160, 364, 75, 25));
    btn2 = button(this, QStringLiteral("btn2"), QStringLiteral("取消(&C)"), QRect(245, 364, 75, 25));
    connect(btn1, &QPushButton::clicked, this, &TimedEditor::btn1Click);
    connect(btn2, &QPushButton::clicked, this, &TimedEditor::btn2Click);

    // The add dialog sees Esc before any of its fields, whose digit filter
    // would otherwise swallow it.
    if (escCloses_)
        for (QWidget *child : findChildren<QWidget *>())
            child->installEventFilter(this);
}

void TimedEditor::buildTimeGroup() {
    grp1 = new QGroupBox(QStringLiteral("定时点击"), this);
    grp1->setObjectName(QStringLiteral("grp1"));
    grp1->setGeometry(8, 6, 319, 100);
    lbl1 = label(grp1, QStringLiteral("lbl1"), QStringLiteral("时间:"), QRect(12, 25, 36, 14));
    cbb1 = timeField(grp1, QStringLiteral("cbb1"), hourItems(), 72);
    lbl2 = label(grp1, QStringLiteral("lbl2"), QStringLiteral("时"), QRect(122, 25, 14, 14));
    cbb2 = timeField(grp1, QStringLiteral("cbb2"), minuteItems(), 142);
    lbl3 = label(grp1, QStringLiteral("lbl3"), QStringLiteral("分"), QRect(192, 25, 14, 14));
    cbb3 = timeField(grp1, QStringLiteral("cbb3"), minuteItems(), 212);
    lbl4 = label(grp1, QStringLiteral("lbl4"), QStringLiteral("秒"), QRect(262, 25, 14, 14));
    lbl5 = label(grp1, QStringLiteral("lbl5"), QStringLiteral("点击次数:"), QRect(12, 53, 60, 14));
    edt1 = new QLineEdit(QStringLiteral("1"), grp1);
    edt1->setObjectName(QStringLiteral("edt1"));
    edt1->setGeometry(72, 50, 46, 20);
    installDigitFilter(edt1);
    lbl6 = label(grp1, QStringLiteral("lbl6"), QString(), QRect(12, 78, 290, 14));
}

void TimedEditor::buildStepGroup() {
    grp2 = new QGroupBox(QStringLiteral("点击属性"), this);
    grp2->setObjectName(QStringLiteral("grp2"));
    grp2->setGeometry(8, 112, 319, 244);
    lv1 = new QTreeWidget(grp2);
    steps_ = std::make_unique<StepListEditing>(context_, this, lv1);
    lv1->setObjectName(QStringLiteral("lv1"));
    lv1->setGeometry(10, 20, 212, 214);
    lv1->setHeaderLabels({QStringLiteral("坐标"), QStringLiteral("点击"), QStringLiteral("间隔")});
    lv1->setColumnWidth(0, 50);
    lv1->setColumnWidth(1, 72);
    lv1->setColumnWidth(2, 75);
    dressStepListView(*lv1);

    btn3 = button(grp2, QStringLiteral("btn3"), QStringLiteral("添加(&A)"), QRect(232, 20, 75, 25));
    btn4 = button(grp2, QStringLiteral("btn4"), QStringLiteral("修改(&M)"), QRect(232, 55, 75, 25));
    btn5 = button(grp2, QStringLiteral("btn5"), QStringLiteral("删除(&D)"), QRect(232, 90, 75, 25));
    btn6 = button(grp2, QStringLiteral("btn6"), QStringLiteral("上移一行"), QRect(232, 125, 75, 25));
    btn7 = button(grp2, QStringLiteral("btn7"), QStringLiteral("下移一行"), QRect(232, 160, 75, 25));
    connect(btn3, &QPushButton::clicked, this, &TimedEditor::btn3Click);
    connect(btn4, &QPushButton::clicked, this, &TimedEditor::btn4Click);
    connect(btn5, &QPushButton::clicked, this, &TimedEditor::btn5Click);
    connect(btn6, &QPushButton::clicked, this, &TimedEditor::btn6Click);
    connect(btn7, &QPushButton::clicked, this, &TimedEditor::btn7Click);
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
        FormShow();
}

void TimedEditor::FormShow() {
    const QTime now = context_.os.clock.now().time();
    lbl6->setText(QStringLiteral("当前系统时间:") + clockText(context_.os.locale.longTimeFormat(), now));
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
        btn2Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

QString TimedEditor::timeText() const {
    return cbb1->currentText() + QLatin1Char(':') + cbb2->currentText() + QLatin1Char(':') +
           cbb3->currentText();
}

void TimedEditor::btn1Click() {
    const QString time = timeText();
    const QString steps = encodeStepList(*lv1);
    // A failed statement leaves the dialog open as it was, so the user can
    // put the cause right and press OK again.
    context_.guarded([&] {
        saveTask(time, steps, edt1->text());
        if (reload_)
            reload_();
        accept();
    });
}

void TimedEditor::btn2Click() {
    reject();
}

void TimedEditor::btn3Click() {
    steps_->addStep();
}

void TimedEditor::btn4Click() {
    steps_->modifyStep();
}

void TimedEditor::btn5Click() {
    steps_->deleteStep();
}

void TimedEditor::btn6Click() {
    steps_->moveStep(-1);
}

void TimedEditor::btn7Click() {
    steps_->moveStep(1);
}

} // namespace lumo
