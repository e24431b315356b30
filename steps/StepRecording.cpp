#include "steps/StepRecording.h"

#include "core/RecordedSteps.h"
#include "core/UiLanguage.h"
#include "steps/StepEditor.h"
#include "steps/StepListText.h"

#include <QGuiApplication>
#include <QPointer>
#include <QStyleHints>
#include <QTreeWidget>
#include <QWidget>

namespace lumo {

namespace {

const QString kBusy = QStringLiteral(QT_TRANSLATE_NOOP("lumo", "正在点击,请停止点击后再录制坐标."));
const QString kHotkeyTaken = QStringLiteral(QT_TRANSLATE_NOOP("lumo", "F11已被其他程序占用,不能录制坐标."));
const QString kNoRecorder = QStringLiteral(QT_TRANSLATE_NOOP("lumo", "无法录制鼠标点击."));

} // namespace

StepRecording::StepRecording(MainContext &context, QWidget *dialog, QTreeWidget *view)
    : context_(context), os_(context.os), dialog_(dialog), view_(view) {
    // The recording lives as long as its dialog.
    context_.hotkeyRouter.addReceiver(this, [this, alive = QPointer<QWidget>(dialog)](int id) {
        if (alive && id == kHotkeyId && recording_)
            finish();
    });
}

StepRecording::~StepRecording() {
    if (recording_) {
        os_.recorder.stop();
        os_.hotkeys.unregisterHotkey(this, kHotkeyId);
    }
}

void StepRecording::start() {
    if (recording_)
        return;
    const auto refuse = [this](const QString &text) {
        context_.notice(dialog_, shownText(text), platform::Icon::Information);
    };
    // The program's own clicks are no steps of the user's.
    if (context_.state.clicking()) {
        refuse(kBusy);
        return;
    }
    platform::Hotkeys &hotkeys = context_.os.hotkeys;
    if (!hotkeys.registerHotkey(this, kHotkeyId, platform::Modifiers{}, platform::HotkeyKey{11})) {
        refuse(kHotkeyTaken);
        return;
    }
    presses_.clear();
    if (!context_.os.recorder.start([this](const platform::RecordedPress &press) { takePress(press); })) {
        hotkeys.unregisterHotkey(this, kHotkeyId);
        refuse(kNoRecorder);
        return;
    }
    recording_ = true;
    dialog_->hide();
    emit recordingChanged(true);
}

void StepRecording::takePress(const platform::RecordedPress &press) {
    // A run or the clicker started by a hotkey meanwhile clicks by itself.
    if (!context_.state.clicking())
        presses_.push_back(press);
}

void StepRecording::finish() {
    if (!recording_)
        return;
    context_.os.recorder.stop();
    context_.os.hotkeys.unregisterHotkey(this, kHotkeyId);
    recording_ = false;
    const QStyleHints *hints = QGuiApplication::styleHints();
    const DoubleClickRule rule{hints->mouseDoubleClickInterval(), hints->mouseDoubleClickDistance()};
    for (const RecordedStep &step : recordedSteps(presses_, rule))
        appendStepRow(*view_, positionText(step.at), stepEventOf(step.click), step.interval);
    presses_.clear();
    emit recordingChanged(false);
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

} // namespace lumo
