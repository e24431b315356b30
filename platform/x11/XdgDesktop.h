#pragma once
// The freedesktop.org shell: the desktop's browser for web pages, an XDG autostart entry
// for starting with the session.

#include "platform/Platform.h"

namespace platform {

class XdgShell final : public Shell {
  public:
    // Through Qt's desktop services once a QGuiApplication exists, xdg-open
    // before. When nothing opens the address, a box shows it for copying.
    void openUrl(const QString &url) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
    // setup.exe is a Windows program.
    bool runsInstallers() const override { return false; }
};

// The box that shows an address no browser would take, selectable for
// copying; on stderr when the program has no widgets.
void showUnopenedAddress(const QString &url);

class XdgAutostart final : public SessionStart {
  public:
    // Writes lumoclick.desktop into the autostart folder of the user's
    // configuration folder ($XDG_CONFIG_HOME, by default ~/.config).
    bool writeStartEntry(const QString &executable, const QString &argument) override;
};

// One argument of an Exec line: quoted when it holds a blank or a reserved
// character, "%" doubled, then escaped as a desktop entry string value.
QString desktopExecArgument(const QString &argument);
// The whole autostart entry that runs executable with argument.
QByteArray desktopEntryText(const QString &executable, const QString &argument);
// $XDG_CONFIG_HOME/autostart, or ~/.config/autostart.
QString autostartFolder();

} // namespace platform
