#include "singlepoint/SingleClicker.h"

#include "core/ClickSynthesis.h"
#include "core/Conversion.h"
#include "singlepoint/SinglePointPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

namespace lumo {

namespace {

const char *const kStarted = QT_TRANSLATE_NOOP("lumo", "状态:点击器已经启动");
const char *const kStopped = QT_TRANSLATE_NOOP("lumo", "状态:点击器已经停止");

} // namespace

SingleClicker::SingleClicker(MainContext &context, SinglePointPanel &panel)
    : context_(context), panel_(panel), timer_(context.os.timers, context.mainHandle(), kTimerId, [this] {
          context_.gate.postTick(this, [this] { onTick(); });
      }) {
}

void SingleClicker::toggle() {
    MainState &state = context_.state;
    if (!state.clickerRunning) {
        if (timer_.start(state.clickIntervalMs)) {
            state.clickerRunning = true;
            context_.setStatusText(0, QCoreApplication::translate("lumo", kStarted));
        }
        return;
    }
    stopTimer();
    context_.setStatusText(0, QCoreApplication::translate("lumo", kStopped));
}

void SingleClicker::stopTimer() {
    timer_.stop();
    context_.state.clickerRunning = false;
}

void SingleClicker::onTick() {
    MainState &state = context_.state;
    platform::Mouse &mouse = context_.os.mouse;
    const SinglePointPanel::Reading panel = panel_.reading();
    if (panel.fixedPosition) {
        int x = 0;
        int y = 0;
        if (tryParseInt32(panel.y, y) && tryParseInt32(panel.x, x))
            mouse.moveTo(x, y);
    }
    if (state.clickIntervalMs < 100)
        for (int i = 0; i < 151; ++i)
            clickSinglePoint(mouse, panel.button, panel.kind);
    clickSinglePoint(mouse, panel.button, panel.kind);

    ++state.clickCount;
    context_.setStatusText(2, QCoreApplication::translate("lumo", "点击次数:") +
                                  QString::number(state.clickCount - 1));

    const QString &limitText = panel.limit;
    if (limitText == QLatin1String("0"))
        return;
    // A limit that is empty or no number means no limit.
    int limit = 0;
    if (!tryParseInt32(limitText, limit))
        return;
    if (limit < state.clickCount) {
        stopTimer();
        context_.setStatusText(0, QCoreApplication::translate("lumo", kStopped));
        state.clickCount = 0;
    }
}

} // namespace lumo
