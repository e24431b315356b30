#pragma once
// The freedesktop.org shell: xdg-open for web pages, an XDG autostart entry
// for starting with the session.

#include "platform/Platform.h"

namespace platform {

class XdgShell final : public Shell {
  public:
    void openUrl(const QString &url) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
};

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
