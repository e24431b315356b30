#include "scripts/StopHotkeyDialog.h"

#include "core/Conversion.h"
#include "core/HotkeyText.h"
#include "scripts/ScriptControls.h"
#include "scripts/StopHotkey.h"
#include "storage/Settings.h"
#include "widgets/StoredChoice.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace lumo {

using namespace platform;

namespace {

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

    placeControls(this, kStopHotkeyControls, "lumo::StopHotkeyDialog");
    modifierComboBox = makeStoredChoiceList(
        placedControl<QComboBox>(this, "modifierComboBox"),
        {QStringLiteral("Ctrl"), QStringLiteral("Alt"), QStringLiteral("Ctrl+Alt"), kModifierNone},
        QStringLiteral("Ctrl"));
    keyComboBox = makeStoredChoiceList(placedControl<QComboBox>(this, "keyComboBox"), hotkeyKeyWords(),
                                       QStringLiteral("F9"));
    placedControl<QLabel>(this, "explanationLabel")->setWordWrap(true);
    okButton = placedControl<QPushButton>(this, "okButton");
    auto *cancelButton = placedControl<QPushButton>(this, "cancelButton");
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
    setStoredText(keyComboBox, parse.keyWord);
}

void StopHotkeyDialog::onOkClicked() {
    const QString text = composeHotkeyText(storedText(modifierComboBox), storedText(keyComboBox));
    if (!isUsableStopHotkey(text)) {
        context_.notice(
            this,
            tr("停止热键“%1”不能使用,没有保存.请选择修饰键和 F1 到 F12 或侧键1、侧键2中的一个按键.")
                .arg(text),
            platform::Icon::Warning);
        return;
    }
    Settings(context_.location).write(Setting::StopHotkey, text);
    context_.notice(this, tr("热键设置成功,所有点击的记录都是这个热键停止."), platform::Icon::Information);
    emit saved();
    registerStopHotkey(context_);
    accept();
}

void StopHotkeyDialog::onCancelClicked() {
    reject();
}

} // namespace lumo
