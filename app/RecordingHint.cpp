#include "app/RecordingHint.h"

#include "core/UiLanguage.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace lumo {

namespace {

const char *const kHintText = QT_TRANSLATE_NOOP("lumo", "正在录制，按F11结束");
// From the top of the screen.
constexpr int kTopMarginPx = 12;

} // namespace

RecordingHint::RecordingHint()
    : QLabel(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus |
                          Qt::X11BypassWindowManagerHint) {
    setObjectName(QStringLiteral("recordingHint"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("lumoclick recording hint"));
    setMargin(8);
    // Its own colours: it sits on whatever the screen shows.
    setStyleSheet(QStringLiteral("background: #b41f1f; color: white; font-weight: bold;"));
}

void RecordingHint::showFor(bool recording) {
    if (!recording) {
        hide();
        return;
    }
    setText(shownText(QString::fromUtf8(kHintText)));
    adjustSize();
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    move(area.center().x() - width() / 2, area.top() + kTopMarginPx);
    show();
    raise();
}

} // namespace lumo
