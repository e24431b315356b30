#include "scripts/U_shotkey.h"

#include "app/IniFile.h"
#include "engine/HotkeyText.h"
#include "scripts/StopHotkey.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace lumo {

using namespace platform;

namespace {

QComboBox *editableBox(QWidget *parent, const char *name, const QStringList &items, const QString &text) {
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setCurrentText(text);
    return box;
}

} // namespace

TFrm_shotkey::TFrm_shotkey(MainContext &context, QWidget *owner, std::function<void()> refillScriptList)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      context_(context), refillScriptList_(std::move(refillScriptList)) {
    setObjectName(QStringLiteral("Frm_shotkey"));
    setWindowTitle(QStringLiteral("停止热键设置"));
    setModal(true);
    resize(357, 222);

    grp1 = new QGroupBox(QStringLiteral("热键设置"), this);
    grp1->setObjectName(QStringLiteral("grp1"));
    grp1->setGeometry(12, 10, 333, 70);
    lbl1 = new QLabel(QStringLiteral("热键:"), grp1);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    lbl1->setGeometry(16, 30, 40, 20);
    cbb1 = editableBox(
        grp1, "cbb1",
        {QStringLiteral("Ctrl"), QStringLiteral("Alt"), QStringLiteral("Ctrl+Alt"), kModifierNone},
        QStringLiteral("Ctrl"));
    cbb1->setGeometry(60, 28, 110, 22);
    lbl2 = new QLabel(QStringLiteral("十"), grp1);
    lbl2->setObjectName(QStringLiteral("lbl2"));
    lbl2->setGeometry(178, 30, 16, 20);
    cbb2 = editableBox(grp1, "cbb2", functionKeyWords(), QStringLiteral("F9"));
    cbb2->setGeometry(198, 28, 110, 22);

    lbl3 = new QLabel(
        QStringLiteral(
            "多点点击的一般都是执行完点击的会自动停止的，如果有时要停止运行点击可以用这里设置的热键来停止"
            "点击器的点击."),
        this);
    lbl3->setObjectName(QStringLiteral("lbl3"));
    lbl3->setWordWrap(true);
    lbl3->setGeometry(14, 88, 329, 60);

    btn1 = new QPushButton(QStringLiteral("确定(&O)"), this);
    btn1->setObjectName(QStringLiteral("btn1"));
    btn1->setGeometry(90, 170, 80, 27);
    btn2 = new QPushButton(QStringLiteral("取消(&C)"), this);
    btn2->setObjectName(QStringLiteral("btn2"));
    btn2->setGeometry(190, 170, 80, 27);
    btn1->setAutoDefault(false);
    btn2->setAutoDefault(false);
    connect(btn1, &QPushButton::clicked, this, [this] { context_.guarded([this] { btn1Click(); }); });
    connect(btn2, &QPushButton::clicked, this, [this] { btn2Click(); });
}

void TFrm_shotkey::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    context_.guarded([this] { FormShow(); });
}

// Esc is an ordinary key here: only the buttons and the close box close it.
void TFrm_shotkey::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFrm_shotkey::FormShow() {
    btn1->setFocus();
    const QString stored =
        IniFile::settings(context_.exeDir)
            .ReadString(QStringLiteral("setting"), QStringLiteral("stophotkey"), QString());
    const SelectorParse parse = parseForSelectors(stored);
    if (parse.modifierWord)
        cbb1->setCurrentText(*parse.modifierWord);
    cbb2->setCurrentText(parse.keyWord);
}

void TFrm_shotkey::btn1Click() {
    const QString text = composeHotkeyText(cbb1->currentText(), cbb2->currentText());
    IniFile::settings(context_.exeDir)
        .WriteString(QStringLiteral("setting"), QStringLiteral("stophotkey"), text);
    context_.notice(this, QStringLiteral("热键设置成功,所有点击的记录都是这个热键停止."),
                    MB_OK | MB_ICONINFORMATION);
    if (refillScriptList_)
        refillScriptList_();
    RegisterStopHotkey(context_);
    accept();
}

void TFrm_shotkey::btn2Click() {
    reject();
}

} // namespace lumo
