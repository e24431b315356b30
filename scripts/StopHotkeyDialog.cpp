#include "scripts/StopHotkeyDialog.h"

#include "core/Conversion.h"
#include "core/HotkeyText.h"
#include "scripts/StopHotkey.h"
#include "storage/IniFile.h"
#include "widgets/StoredChoice.h"

#include <QComboBox>
#include <QGroupBox>
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
    addStoredItems(box, items);
    setStoredText(box, text);
    return box;
}

// A text every later start can register: a known modifier set and a key
// word that gives a key number. An empty key word ("Ctrl+") gives none.
bool isUsableStopHotkey(const QString &text) {
    try {
        const RegistrationParse parse = parseForRegistration(text);
        return parse.modifiers.has_value() && !parse.keyWord.isEmpty();
    } catch (const HandlerError &) {
        return false;
    }
}

} // namespace

StopHotkeyDialog::StopHotkeyDialog(MainContext &context, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      context_(context) {
    setObjectName(QStringLiteral("stopHotkeyDialog"));
    setWindowTitle(tr("停止热键设置"));
    setModal(true);
    resize(357, 222);

    hotkeyGroupBox = new QGroupBox(tr("热键设置"), this);
    hotkeyGroupBox->setObjectName(QStringLiteral("hotkeyGroupBox"));
    hotkeyGroupBox->setGeometry(12, 10, 333, 70);
    hotkeyLabel = new QLabel(tr("热键:"), hotkeyGroupBox);
    hotkeyLabel->setObjectName(QStringLiteral("hotkeyLabel"));
    hotkeyLabel->setGeometry(16, 30, 40, 20);
    modifierComboBox = editableBox(
        hotkeyGroupBox, "modifierComboBox",
        {QStringLiteral("Ctrl"), QStringLiteral("Alt"), QStringLiteral("Ctrl+Alt"), kModifierNone},
        QStringLiteral("Ctrl"));
    modifierComboBox->setGeometry(60, 28, 110, 22);
    plusLabel = new QLabel(tr("十"), hotkeyGroupBox);
    plusLabel->setObjectName(QStringLiteral("plusLabel"));
    plusLabel->setGeometry(178, 30, 16, 20);
    keyComboBox = editableBox(hotkeyGroupBox, "keyComboBox", functionKeyWords(), QStringLiteral("F9"));
    keyComboBox->setGeometry(198, 28, 110, 22);

    explanationLabel = new QLabel(
        tr("多点点击的一般都是执行完点击的会自动停止的，如果有时要停止运行点击可以用这里设置的热键来停止"
           "点击器的点击."),
        this);
    explanationLabel->setObjectName(QStringLiteral("explanationLabel"));
    explanationLabel->setWordWrap(true);
    explanationLabel->setGeometry(14, 88, 329, 60);

    okButton = new QPushButton(tr("确定(&O)"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(90, 170, 80, 27);
    cancelButton = new QPushButton(tr("取消(&C)"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setGeometry(190, 170, 80, 27);
    okButton->setAutoDefault(false);
    cancelButton->setAutoDefault(false);
    connect(okButton, &QPushButton::clicked, this, [this] { context_.guarded([this] { onOkClicked(); }); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { onCancelClicked(); });
}

void StopHotkeyDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    context_.guarded([this] { loadStoredHotkey(); });
}

void StopHotkeyDialog::loadStoredHotkey() {
    okButton->setFocus();
    const QString stored = storedStopHotkey(context_);
    const SelectorParse parse = parseForSelectors(stored);
    if (parse.modifierWord)
        setStoredText(modifierComboBox, *parse.modifierWord);
    keyComboBox->setCurrentText(parse.keyWord);
}

void StopHotkeyDialog::onOkClicked() {
    const QString text = composeHotkeyText(storedText(modifierComboBox), keyComboBox->currentText());
    if (!isUsableStopHotkey(text)) {
        context_.notice(this,
                        tr("停止热键“%1”不能使用,没有保存.请选择修饰键和 F1 到 F12 中的一个按键.").arg(text),
                        platform::Icon::Warning);
        return;
    }
    IniFile::settings(context_.location)
        .writeString(QStringLiteral("setting"), QStringLiteral("stophotkey"), text);
    context_.notice(this, tr("热键设置成功,所有点击的记录都是这个热键停止."), platform::Icon::Information);
    emit saved();
    registerStopHotkey(context_);
    accept();
}

void StopHotkeyDialog::onCancelClicked() {
    reject();
}

} // namespace lumo
