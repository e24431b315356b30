#include "singlepoint/SinglePointPanel.h"

#include "core/HotkeyIds.h"
#include "core/HotkeyRegistration.h"
#include "core/HotkeyText.h"
#include "core/SettingLimits.h"
#include "core/SpeedText.h"
#include "core/UiLanguage.h"
#include "singlepoint/SinglePointControls.h"
#include "storage/ClickTiming.h"
#include "storage/Settings.h"
#include "widgets/InputFilters.h"
#include "widgets/StoredChoice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lumo {

using namespace platform;

namespace {

QString speedLimitText() {
    return SinglePointPanel::tr("速度为 0 到 %1 秒一次").arg(kSpeedLimitSeconds);
}

QString holdLimitText() {
    return SinglePointPanel::tr("按住最多 %1 毫秒").arg(kHoldLimitMs);
}

QString jitterLimitText() {
    return SinglePointPanel::tr("随机最多 %1 毫秒").arg(kJitterLimitMs);
}

void makeEditableList(QComboBox *box, const QStringList &items) {
    box->setEditable(true);
    addStoredItems(box, items);
}

} // namespace

SinglePointPanel::SinglePointPanel(MainContext &context, QWidget *parent)
    : QGroupBox(tr("热键设置"), parent), context_(context) {
    placeControls(this, kSinglePointControls, "lumo::SinglePointPanel");
    for (const auto &[name, text] : {std::pair{"fixedXLabel", "X:"}, std::pair{"fixedYLabel", "Y:"}}) {
        auto *label = placedControl<QLabel>(this, name);
        label->setText(QLatin1String(text));
        label->adjustSize();
    }
    mouseButtonComboBox = placedControl<QComboBox>(this, "mouseButtonComboBox");
    makeEditableList(mouseButtonComboBox, {QStringLiteral(QT_TRANSLATE_NOOP("lumo", "左键")),
                                           QStringLiteral(QT_TRANSLATE_NOOP("lumo", "右键")),
                                           QStringLiteral(QT_TRANSLATE_NOOP("lumo", "中键"))});
    clickKindComboBox = placedControl<QComboBox>(this, "clickKindComboBox");
    makeEditableList(clickKindComboBox, {QStringLiteral(QT_TRANSLATE_NOOP("lumo", "单击")),
                                         QStringLiteral(QT_TRANSLATE_NOOP("lumo", "双击"))});
    speedComboBox = placedControl<QComboBox>(this, "speedComboBox");
    makeEditableList(speedComboBox, {QStringLiteral("0.001"), QStringLiteral("0.005"),
                                     QStringLiteral("0.010"), QStringLiteral("0.1"), QStringLiteral("0.2"),
                                     QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("2"),
                                     QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("20"),
                                     QStringLiteral("50"), QStringLiteral("60"), QStringLiteral("120")});
    hotkeyModifierComboBox = placedControl<QComboBox>(this, "hotkeyModifierComboBox");
    makeEditableList(hotkeyModifierComboBox,
                     {QStringLiteral("Ctrl"), QStringLiteral("Ctrl+Alt"), kModifierNone});
    hotkeyKeyComboBox = placedControl<QComboBox>(this, "hotkeyKeyComboBox");
    makeEditableList(hotkeyKeyComboBox, hotkeyKeyWords());

    holdEdit = placedControl<QLineEdit>(this, "holdEdit");
    holdEdit->setToolTip(tr("每次点击按住的毫秒数,0为不按住(速度0.1秒及以上有效)"));
    jitterEdit = placedControl<QLineEdit>(this, "jitterEdit");
    jitterEdit->setToolTip(tr("每次间隔随机增减的毫秒数,0为不随机(速度0.1秒及以上有效)"));
    clickLimitEdit = placedControl<QLineEdit>(this, "clickLimitEdit");
    fixedXEdit = placedControl<QLineEdit>(this, "fixedXEdit");
    fixedYEdit = placedControl<QLineEdit>(this, "fixedYEdit");
    for (QLineEdit *edit : {holdEdit, jitterEdit, clickLimitEdit, fixedXEdit, fixedYEdit})
        installDigitFilter(edit);
    // No length limit: a longer number is refused with its limit when saved,
    // never cut short without a word.
    for (QLineEdit *edit : {holdEdit, jitterEdit})
        edit->setText(QStringLiteral("0"));
    fixedXEdit->setEnabled(false);
    fixedYEdit->setEnabled(false);

    saveButton = placedControl<QPushButton>(this, "saveButton");
    fixedPositionCheckBox = placedControl<QCheckBox>(this, "fixedPositionCheckBox");
    connect(saveButton, &QPushButton::clicked, this,
            [this] { context_.guarded([this] { saveSettings(); }); });
    connect(fixedPositionCheckBox, &QCheckBox::clicked, this, [this] { onFixedPositionClicked(); });
}

void SinglePointPanel::applySpeedText() {
    if (const auto interval = intervalOfSpeedText(speedComboBox->currentText()))
        context_.state.clickIntervalMs = *interval;
}

void SinglePointPanel::loadSettings() {
    const Settings settings(context_.location);
    fixedXEdit->setText(settings.text(Setting::FixedX));
    fixedYEdit->setText(settings.text(Setting::FixedY));
    setStoredText(mouseButtonComboBox, settings.text(Setting::MouseButton));
    setStoredText(clickKindComboBox, settings.text(Setting::ClickKind));
    setStoredText(hotkeyModifierComboBox, settings.text(Setting::HotkeyModifier));
    setStoredText(hotkeyKeyComboBox, settings.text(Setting::HotkeyKey));
    clickLimitEdit->setText(settings.text(Setting::ClickLimit));
    loadTimingFields(settings);
    settingsLoaded_ = !settings.unreadable();
    if (!settingsLoaded_)
        context_.notice(context_.mainWindow,
                        tr("无法读取设置文件 %1,现在显示的是默认设置.").arg(settings.path()),
                        platform::Icon::Warning);
    applySpeedText();
}

void SinglePointPanel::loadTimingFields(const Settings &settings) {
    QString speed = settings.text(Setting::Speed);
    QString hold = settings.text(Setting::Hold);
    QString jitter = settings.text(Setting::Jitter);
    adjustedOnLoad_.clear();
    QStringList adjusted;
    const auto keepInRange = [&](Setting setting, QString &text, const std::optional<QString> &nearest,
                                 const QString &limitText) {
        if (!nearest)
            return;
        adjusted
            << QStringLiteral("%1=%2 → %3 (%4)").arg(Settings::keyOf(setting), text, *nearest, limitText);
        text = *nearest;
        adjustedOnLoad_.insert(setting, text);
    };
    keepInRange(Setting::Speed, speed, clampedSpeedText(speed), speedLimitText());
    keepInRange(Setting::Hold, hold, clampedMillisecondsText(hold, kHoldLimitMs), holdLimitText());
    keepInRange(Setting::Jitter, jitter, clampedMillisecondsText(jitter, kJitterLimitMs), jitterLimitText());
    speedComboBox->setCurrentText(speed);
    holdEdit->setText(QString::number(boundedMilliseconds(hold, kHoldLimitMs)));
    jitterEdit->setText(QString::number(boundedMilliseconds(jitter, kJitterLimitMs)));
    if (!adjusted.isEmpty())
        context_.notice(context_.mainWindow,
                        tr("设置文件中有超出范围的值,已改用最接近的允许值:") + QLatin1Char('\n') +
                            adjusted.join(QLatin1Char('\n')) + QLatin1Char('\n') +
                            tr("不改动这些值时,保存设置不会改写文件中原来的值."),
                        platform::Icon::Warning);
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
    return boundedMilliseconds(holdEdit->text(), kHoldLimitMs);
}

int SinglePointPanel::jitterMs() const {
    return boundedMilliseconds(jitterEdit->text(), kJitterLimitMs);
}

void SinglePointPanel::registerStartHotkey() {
    const platform::HotkeyKey key = hotkeyKeyOfKeyWord(storedText(hotkeyKeyComboBox));
    const QString modifierWord = storedText(hotkeyModifierComboBox);
    // A word that is none of the four registers nothing, yet counts as saved.
    const std::optional<platform::Modifiers> modifiers = modifiersOfWord(modifierWord);
    if (!modifiers) {
        context_.os.hotkeys.unregisterHotkey(context_.mainHandle(), kSinglePointHotkeyId);
    } else if (!registerOrWarn(context_, context_.mainHandle(), kSinglePointHotkeyId, *modifiers, key,
                               context_.mainWindow, shownText(kHotkeyConflictText),
                               conflictIcon(modifierWord))) {
        context_.state.startHotkeyRegistered = false;
        return;
    }
    context_.state.startHotkeyRegistered = true;
}

std::optional<QString> SinglePointPanel::outOfRangeText() const {
    const auto refused = [](const QString &limitText) { return tr("设置没有保存:%1.").arg(limitText); };
    if (clampedSpeedText(speedComboBox->currentText()))
        return refused(speedLimitText());
    if (clampedMillisecondsText(holdEdit->text(), kHoldLimitMs))
        return refused(holdLimitText());
    if (clampedMillisecondsText(jitterEdit->text(), kJitterLimitMs))
        return refused(jitterLimitText());
    return std::nullopt;
}

bool SinglePointPanel::mayReplaceSettings(const Settings &settings) const {
    if (settingsLoaded_ || !QFileInfo::exists(settings.path()))
        return true;
    return context_.confirm(
        context_.mainWindow,
        tr("设置文件 %1 没有读取成功,现在显示的不是其中保存的设置.保存会替换其中的设置,是否继续?")
            .arg(settings.path()),
        platform::Icon::Warning);
}

void SinglePointPanel::saveSettings() {
    if (const std::optional<QString> refusal = outOfRangeText()) {
        context_.notice(context_.mainWindow, *refusal, platform::Icon::Warning);
        return;
    }
    const Settings settings(context_.location);
    if (!mayReplaceSettings(settings))
        return;
    registerStartHotkey();
    if (!context_.state.startHotkeyRegistered)
        return;
    const std::pair<Setting, QString> values[] = {
        {Setting::MouseButton, storedText(mouseButtonComboBox)},
        {Setting::ClickKind, storedText(clickKindComboBox)},
        {Setting::Speed, speedComboBox->currentText()},
        {Setting::HotkeyModifier, storedText(hotkeyModifierComboBox)},
        {Setting::HotkeyKey, storedText(hotkeyKeyComboBox)},
        {Setting::ClickLimit, clickLimitEdit->text()},
        {Setting::FixedX, fixedXEdit->text()},
        {Setting::FixedY, fixedYEdit->text()}};
    // A value brought into range on loading and not touched since stays in
    // the file as it was written there.
    QList<Setting> untouched;
    const std::pair<Setting, QString> shown[] = {{Setting::Speed, speedComboBox->currentText()},
                                                 {Setting::Hold, holdEdit->text()},
                                                 {Setting::Jitter, jitterEdit->text()}};
    for (const auto &[setting, text] : shown)
        if (adjustedOnLoad_.contains(setting) && adjustedOnLoad_.value(setting) == text)
            untouched << setting;
    for (const auto &[setting, value] : values)
        if (!untouched.contains(setting))
            settings.write(setting, value);
    writeClickTiming(settings, holdEdit->text(), jitterEdit->text(), untouched);
    for (auto it = adjustedOnLoad_.begin(); it != adjustedOnLoad_.end();)
        it = untouched.contains(it.key()) ? std::next(it) : adjustedOnLoad_.erase(it);
    settingsLoaded_ = true;
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
