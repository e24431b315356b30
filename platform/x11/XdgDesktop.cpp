#include "platform/x11/XdgDesktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QSaveFile>
#include <QUrl>

#include <cstdio>

namespace platform {

void showUnopenedAddress(const QString &url) {
    if (qobject_cast<QApplication *>(QCoreApplication::instance()) == nullptr) {
        std::fprintf(stderr, "lumoclick: no program opens %s\n", url.toLocal8Bit().constData());
        return;
    }
    QMessageBox box(QMessageBox::Information, QCoreApplication::translate("lumo", "提示"),
                    QCoreApplication::translate(
                        "lumo", "没有找到可以打开网页的程序，请复制下面的地址到浏览器中打开：\n\n") +
                        url,
                    QMessageBox::Ok);
    box.setObjectName(QStringLiteral("unopenedAddressBox"));
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

void XdgShell::openUrl(const QString &url) {
    bool opened = false;
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr)
        opened = QDesktopServices::openUrl(QUrl(url));
    else
        // An argument list, never a command line: the address reaches
        // xdg-open as one argument whatever characters it holds.
        opened = QProcess::startDetached(QStringLiteral("xdg-open"), {url});
    if (!opened)
        showUnopenedAddress(url);
}

bool XdgShell::startProgram(const QString &program, const QStringList &arguments) {
    return QProcess::startDetached(program, arguments);
}

QString desktopExecArgument(const QString &argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool mustQuote = argument.isEmpty();
    for (const QChar c : argument)
        mustQuote = mustQuote || reserved.contains(c);

    QString quoted;
    if (mustQuote) {
        quoted += QLatin1Char('"');
        for (const QChar c : argument) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        quoted += QLatin1Char('"');
    } else {
        quoted = argument;
    }
    // "%" starts a field code wherever it stands.
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));

    // The string escapes of every value apply on top of the quoting.
    QString escaped;
    for (const QChar c : quoted) {
        if (c == QLatin1Char('\\'))
            escaped += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            escaped += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            escaped += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            escaped += QStringLiteral("\\r");
        else
            escaped += c;
    }
    return escaped;
}

QByteArray desktopEntryText(const QString &executable, const QString &argument) {
    QString text;
    text += QStringLiteral("[Desktop Entry]\n");
    text += QStringLiteral("Type=Application\n");
    text += QStringLiteral("Name=lumoclick\n");
    text += QStringLiteral("Exec=") + desktopExecArgument(executable);
    if (!argument.isEmpty())
        text += QLatin1Char(' ') + desktopExecArgument(argument);
    text += QLatin1Char('\n');
    text += QStringLiteral("Icon=lumoclick\n");
    text += QStringLiteral("Comment=Starts lumoclick in the tray with its timed tasks enabled\n");
    text += QStringLiteral("Comment[zh_CN]=在托盘中启动 lumoclick 并启用定时任务\n");
    text += QStringLiteral("Terminal=false\n");
    return text.toUtf8();
}

QString autostartFolder() {
    // Only an absolute XDG_CONFIG_HOME counts; a relative one is ignored.
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart");
}

bool XdgAutostart::writeStartEntry(const QString &executable, const QString &argument) {
    const QString folder = autostartFolder();
    if (!QDir().mkpath(folder))
        return false;
    // Written aside and renamed over the old entry: a session never starts
    // from half an entry.
    QSaveFile file(folder + QStringLiteral("/lumoclick.desktop"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = desktopEntryText(executable, argument);
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace platform
