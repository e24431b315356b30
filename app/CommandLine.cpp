#include "app/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

namespace lumo {

namespace {

QString helpText() {
    return QCoreApplication::translate(
        "lumo", "用法: lumoclick [选项] [tb | 2345 | autotime]\n"
                "\n"
                "鼠标自动点击器：单点点击、由全局热键启动的多点脚本和定时点击任务。\n"
                "\n"
                "参数（只看第一个）:\n"
                "  tb         在浏览器中打开软件下载页面，然后退出，不显示窗口\n"
                "  2345       在浏览器中打开上网导航页面，然后退出，不显示窗口\n"
                "  autotime   启用全部定时任务，并隐藏到系统托盘启动（随桌面会话启动时使用）\n"
                "\n"
                "选项:\n"
                "  -h, --help     显示本帮助并退出\n"
                "  -v, --version  显示版本并退出\n"
                "\n"
                "控制正在运行的 lumoclick（可绑定到桌面的自定义快捷键）:\n"
                "  --toggle       开始或停止单点点击，和单点点击热键一样\n"
                "  --stop         停止正在播放的脚本和单点点击，和停止热键一样\n"
                "  --play 名称    播放这个名称的脚本，不论它的热键是否启用\n"
                "  --list         列出脚本、热键和状态，每行一个\n"
                "退出码: 0 完成，1 没有正在运行的 lumoclick，2 没有这个脚本。\n"
                "\n"
                "导出和导入脚本（不论 lumoclick 是否正在运行）:\n"
                "  --export 文件  把全部脚本和定时任务写入这个文件（UTF-8 JSON）\n"
                "  --import 文件  把文件中的脚本和定时任务添加为新的记录，不替换已有的；\n"
                "                 热键与已有脚本相同时照样导入，并在标准错误输出中说明\n"
                "退出码: 0 完成，1 失败（原因写在标准错误输出中，导入失败时什么都不添加）。\n"
                "\n"
                "需要 X11 会话（Wayland 下通过 XWayland 运行）。\n");
}

} // namespace

std::optional<QString> commandLineReply(const QStringList &arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    // Unknown options are ignored, as every other word on the line is.
    parser.parse(arguments);
    if (parser.isSet(help))
        return helpText();
    if (parser.isSet(version))
        return QStringLiteral("lumoclick %1\n").arg(QStringLiteral(LUMO_VERSION));
    return std::nullopt;
}

} // namespace lumo
