#include "engine/SingleClicker.h"

#include "engine/ClickSynthesis.h"
#include "engine/Conversion.h"
#include "engine/SinglePointPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace lumo {

namespace {

const QString kStarted = QStringLiteral("状态:点击器已经启动");
const QString kStopped = QStringLiteral("状态:点击器已经停止");

} // namespace

void SingleClicker::Toggle() {
    MainState &state = context_.state;
    if (!state.ClickerRunning) {
        const auto tick = [this] { context_.gate.postTick(this, [this] { SingleClickTimerProc(); }); };
        if (context_.os.timers.SetTimer(context_.mainHandle(), kTimerId, state.ClickInterval, tick)) {
            state.ClickerRunning = true;
            context_.setStatusText(0, kStarted);
        }
        return;
    }
    stopTimer();
    context_.setStatusText(0, kStopped);
}

void SingleClicker::stopTimer() {
    context_.os.timers.KillTimer(context_.mainHandle(), kTimerId);
    context_.state.ClickerRunning = false;
}

void SingleClicker::SingleClickTimerProc() {
    MainState &state = context_.state;
    platform::Mouse &mouse = context_.os.mouse;
    if (panel_.chk1->isChecked()) {
        int x = 0;
        int y = 0;
        if (tryStrToInt(panel_.edt3->text(), y) && tryStrToInt(panel_.edt2->text(), x))
            mouse.SetCursorPos(x, y);
    }
    if (state.ClickInterval < 100)
        for (int i = 0; i < 151; ++i)
            ClickButton(mouse, panel_.cbb1->currentText(), panel_.cbb2->currentText());
    ClickButton(mouse, panel_.cbb1->currentText(), panel_.cbb2->currentText());

    ++state.ClickCount;
    context_.setStatusText(2, QStringLiteral("点击次数:") + QString::number(state.ClickCount - 1));

    const QString limitText = panel_.edt1->text();
    if (limitText == QLatin1String("0"))
        return;
    // A limit that is empty or no number means no limit.
    int limit = 0;
    if (!tryStrToInt(limitText, limit))
        return;
    if (limit < state.ClickCount) {
        stopTimer();
        context_.setStatusText(0, kStopped);
        state.ClickCount = 0;
    }
}

} // namespace lumo
