#include "singlepoint/SinglePointPanel.h"

#include "core/HotkeyIds.h"
#include "core/HotkeyRegistration.h"
#include "core/HotkeyText.h"
#include "core/SpeedText.h"
#include "core/UiLanguage.h"
#include "storage/ClickTiming.h"
#include "storage/IniFile.h"
#include "widgets/InputFilters.h"
#include "widgets/StoredChoice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lumo {

using namespace platform;

namespace {

constexpr int kMillisecondsLimit = 5;
const QString kSection = QStringLiteral("setting");

QComboBox *comboAt(QWidget *parent, const QStringList &items, const QRect &geometry) {
    auto *box = new QComboBox(parent);
    box->setEditable(true);
    addStoredItems(box, items);
    box->setGeometry(geometry);
    return box;
}

QLabel *labelAt(QWidget *parent, const QString &text, int x, int y) {
    auto *label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLineEdit *digitEditAt(QWidget *parent, const QRect &geometry) {
    auto *edit = new QLineEdit(parent);
    edit->setGeometry(geometry);
    installDigitFilter(edit);
    return edit;
}

} // namespace

SinglePointPanel::SinglePointPanel(MainContext &context, QWidget *parent)
    : QGroupBox(tr("热键设置"), parent), context_(context) {
    labelAt(this, tr("鼠 标:"), 12, 27);
    mouseButtonComboBox = comboAt(this,
                                  {QStringLiteral(QT_TRANSLATE_NOOP("lumo", "左键")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("lumo", "右键")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("lumo", "中键"))},
                                  {56, 22, 72, 22});
    labelAt(this, tr("事件:"), 146, 27);
    clickKindComboBox = comboAt(this,
                                {QStringLiteral(QT_TRANSLATE_NOOP("lumo", "单击")),
                                 QStringLiteral(QT_TRANSLATE_NOOP("lumo", "双击"))},
                                {184, 22, 72, 22});
    labelAt(this, tr("速度为"), 274, 27);
    speedComboBox =
        comboAt(this,
                {QStringLiteral("0.001"), QStringLiteral("0.005"), QStringLiteral("0.010"),
                 QStringLiteral("0.1"), QStringLiteral("0.2"), QStringLiteral("0.5"), QStringLiteral("1"),
                 QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("20"),
                 QStringLiteral("50"), QStringLiteral("60"), QStringLiteral("120")},
                {318, 22, 72, 22});
    labelAt(this, tr("秒一次"), 396, 27);
    // The right-hand column beside the speed and the save button was free.
    labelAt(this, tr("按住"), 446, 27);
    holdEdit = digitEditAt(this, {472, 22, 44, 22});
    holdEdit->setToolTip(tr("每次点击按住的毫秒数,0为不按住(速度0.1秒及以上有效)"));
    labelAt(this, tr("随机"), 446, 97);
    jitterEdit = digitEditAt(this, {472, 92, 44, 22});
    jitterEdit->setToolTip(tr("每次间隔随机增减的毫秒数,0为不随机(速度0.1秒及以上有效)"));
    holdEdit->setObjectName(QStringLiteral("holdEdit"));
    jitterEdit->setObjectName(QStringLiteral("jitterEdit"));
    for (QLineEdit *edit : {holdEdit, jitterEdit}) {
        edit->setMaxLength(kMillisecondsLimit);
        edit->setText(QStringLiteral("0"));
    }

    labelAt(this, tr("点击数:"), 12, 62);
    clickLimitEdit = digitEditAt(this, {62, 57, 66, 22});
    labelAt(this, tr("(点击次数达到了设置的点击数后会自动停止,0为不限制)"), 134, 62);

    labelAt(this, tr("启动热键:"), 12, 97);
    hotkeyModifierComboBox =
        comboAt(this, {QStringLiteral("Ctrl"), QStringLiteral("Ctrl+Alt"), kModifierNone}, {74, 92, 86, 22});
    labelAt(this, tr("十"), 166, 97);
    hotkeyKeyComboBox = comboAt(this, functionKeyWords(), {184, 92, 72, 22});
    saveButton = new QPushButton(tr("保存设置(&S)"), this);
    saveButton->setGeometry(318, 91, 100, 25);
    saveButton->setObjectName(QStringLiteral("saveButton"));

    fixedPositionCheckBox = new QCheckBox(tr("指定坐标"), this);
    fixedPositionCheckBox->setGeometry(12, 129, 80, 20);
    labelAt(this, QStringLiteral("X:"), 98, 132);
    fixedXEdit = digitEditAt(this, {114, 127, 56, 22});
    labelAt(this, QStringLiteral("Y:"), 178, 132);
    fixedYEdit = digitEditAt(this, {194, 127, 56, 22});
    labelAt(this, tr("输入要点击的鼠标坐标位置"), 258, 132);
    fixedXEdit->setEnabled(false);
    fixedYEdit->setEnabled(false);

    connect(saveButton, &QPushButton::clicked, this,
            [this] { context_.guarded([this] { saveSettings(); }); });
    connect(fixedPositionCheckBox, &QCheckBox::clicked, this, [this] { onFixedPositionClicked(); });

    // Tests and accessibility tools find each control by its member name.
    const std::pair<QWidget *, const char *> named[] = {{mouseButtonComboBox, "mouseButtonComboBox"},
                                                        {clickKindComboBox, "clickKindComboBox"},
                                                        {speedComboBox, "speedComboBox"},
                                                        {clickLimitEdit, "clickLimitEdit"},
                                                        {hotkeyModifierComboBox, "hotkeyModifierComboBox"},
                                                        {hotkeyKeyComboBox, "hotkeyKeyComboBox"},
                                                        {saveButton, "saveButton"},
                                                        {fixedPositionCheckBox, "fixedPositionCheckBox"},
                                                        {fixedXEdit, "fixedXEdit"},
                                                        {fixedYEdit, "fixedYEdit"}};
    for (const auto &[widget, name] : named)
        widget->setObjectName(QLatin1String(name));
}

void SinglePointPanel::applySpeedText() {
    if (const auto interval = intervalOfSpeedText(speedComboBox->currentText()))
        context_.state.clickIntervalMs = *interval;
}

void SinglePointPanel::loadSettings() {
    const IniFile ini = IniFile::settings(context_.location);
    const QString button = ini.readString(kSection, QStringLiteral("btn1"), QStringLiteral("左键"));
    const QString kind = ini.readString(kSection, QStringLiteral("btn_type"), QStringLiteral("单击"));
    const QString speed = ini.readString(kSection, QStringLiteral("time"), QStringLiteral("1"));
    const QString modifier = ini.readString(kSection, QStringLiteral("hotkey1"), QStringLiteral("Ctrl"));
    const QString key = ini.readString(kSection, QStringLiteral("hotkey2"), QStringLiteral("F3"));
    const QString limit = ini.readString(kSection, QStringLiteral("click"), QStringLiteral("100"));
    fixedXEdit->setText(ini.readString(kSection, QStringLiteral("xpos"), QStringLiteral("0")));
    fixedYEdit->setText(ini.readString(kSection, QStringLiteral("ypos"), QStringLiteral("0")));
    setStoredText(mouseButtonComboBox, button);
    setStoredText(clickKindComboBox, kind);
    speedComboBox->setCurrentText(speed);
    setStoredText(hotkeyModifierComboBox, modifier);
    hotkeyKeyComboBox->setCurrentText(key);
    clickLimitEdit->setText(limit);
    const ClickTiming timing = readClickTiming(ini);
    holdEdit->setText(QString::number(timing.holdMs));
    jitterEdit->setText(QString::number(timing.jitterMs));
    applySpeedText();
}

SinglePointPanel::Reading SinglePointPanel::reading() const {
    return {fixedPositionCheckBox->isChecked(),
            fixedXEdit->text(),
            fixedYEdit->text(),
            storedText(mouseButtonComboBox),
            storedText(clickKindComboBox),
            clickLimitEdit->text()};
}

int SinglePointPanel::holdMs() const {
    return millisecondsOf(holdEdit->text());
}

int SinglePointPanel::jitterMs() const {
    return millisecondsOf(jitterEdit->text());
}

void SinglePointPanel::registerStartHotkey() {
    const unsigned vk = virtualKeyOfKeyWord(hotkeyKeyComboBox->currentText());
    const QString modifierWord = storedText(hotkeyModifierComboBox);
    // A word that is none of the four registers nothing, yet counts as saved.
    const std::optional<unsigned> modifiers = modifiersOfWord(modifierWord);
    if (!modifiers) {
        context_.os.hotkeys.unregisterHotkey(context_.mainHandle(), kSinglePointHotkeyId);
    } else if (!registerOrWarn(context_, context_.mainHandle(), kSinglePointHotkeyId, *modifiers, vk,
                               context_.mainWindow, shownText(kHotkeyConflictText),
                               conflictIcon(modifierWord))) {
        context_.state.startHotkeyRegistered = false;
        return;
    }
    context_.state.startHotkeyRegistered = true;
}

void SinglePointPanel::saveSettings() {
    registerStartHotkey();
    if (!context_.state.startHotkeyRegistered)
        return;
    const IniFile ini = IniFile::settings(context_.location);
    const std::pair<const char *, QString> values[] = {{"btn1", storedText(mouseButtonComboBox)},
                                                       {"btn_type", storedText(clickKindComboBox)},
                                                       {"time", speedComboBox->currentText()},
                                                       {"hotkey1", storedText(hotkeyModifierComboBox)},
                                                       {"hotkey2", hotkeyKeyComboBox->currentText()},
                                                       {"click", clickLimitEdit->text()},
                                                       {"xpos", fixedXEdit->text()},
                                                       {"ypos", fixedYEdit->text()}};
    for (const auto &[key, value] : values)
        ini.writeString(kSection, QLatin1String(key), value);
    writeClickTiming(ini, holdEdit->text(), jitterEdit->text());
    applySpeedText();
    context_.state.clickCount = 0;
    const QChar cr(13);
    context_.notice(context_.mainWindow,
                    tr("设置保存成功,请记住你设置的 %1 启动热键.")
                            .arg(hotkeyModifierComboBox->currentText() + QLatin1Char('+') +
                                 hotkeyKeyComboBox->currentText()) +
                        cr + tr("请按你设置的热键启动点击器,停止的热键也是这个.") + cr +
                        tr("就是点击器运行后再按一次热键就停止点击器."),
                    platform::Icon::Information);
}

void SinglePointPanel::onFixedPositionClicked() {
    fixedXEdit->setEnabled(fixedPositionCheckBox->isChecked());
    fixedYEdit->setEnabled(fixedPositionCheckBox->isChecked());
}

} // namespace lumo
