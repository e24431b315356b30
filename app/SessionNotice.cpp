#include "app/SessionNotice.h"

#include "core/Conversion.h"
#include "core/MainContext.h"
#include "core/UiLanguage.h"
#include "storage/IniFile.h"

#include <QGuiApplication>

namespace lumo {

namespace {

const QString kSection = QStringLiteral("desktop");
const QString kShownKey = QStringLiteral("waylandNoticeShown");

} // namespace

bool isWaylandSession(const QProcessEnvironment &environment) {
    return !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() ||
           environment.value(QStringLiteral("XDG_SESSION_TYPE"))
                   .compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0;
}

bool showWaylandNoticeOnce(platform::Services &os, const DataLocation &location) {
    const IniFile settings = IniFile::settings(location);
    if (settings.readString(kSection, kShownKey, QString()) == QLatin1String("1"))
        return false;
    // No window of the program exists yet: closing the box must not end it.
    const bool quitOnLastWindow = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    os.messageBoxes.notice(nullptr,
                           QCoreApplication::translate(
                               "lumo", "当前是 Wayland 会话，本软件通过 XWayland 运行：热键和鼠标点击只对 "
                                       "X11（XWayland）窗口有效，对 Wayland 原生窗口无效。\n\n"
                                       "要在任何窗口上使用热键，请在桌面设置里把这些命令绑定到快捷键：\n"
                                       "lumoclick --toggle\t开始或停止单点点击\n"
                                       "lumoclick --stop\t停止点击\n"
                                       "lumoclick --play 脚本名称\t播放这个脚本"),
                           shownText(kNotice), platform::Icon::Information);
    QGuiApplication::setQuitOnLastWindowClosed(quitOnLastWindow);
    try {
        settings.writeString(kSection, kShownKey, QStringLiteral("1"));
    } catch (const HandlerError &) {
        // Unwritable settings: the notice comes again next time, nothing worse.
    }
    return true;
}

} // namespace lumo
