#pragma once
// The notification area icon with its menu, and hiding the main window to
// it. Where no tray host runs the icon is not enabled and minimising the
// window merely minimises it, so the window can always be got back.

#include "app/TrayIcons.h"

#include <QIcon>
#include <QObject>
#include <QPoint>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace lumo {

class Tray final : public QObject {
    Q_OBJECT
  public:
    // What the icon reports of the mouse; only two of them act.
    enum class IconEvent { LeftDown, LeftUp, LeftDouble, RightDown, RightUp, RightDouble };
    // An XEmbed tray passes clicks on, so a double click can be told from
    // one; a StatusNotifier host only says "activate" once per click.
    enum class HostKind { XEmbed, StatusNotifier };
    // The kind of the session's tray: StatusNotifier when the session bus
    // has a watcher with a host registered.
    static HostKind detectHostKind();

    Tray(QWidget *window, const QIcon &icon, const QString &hint);
    ~Tray() override;

    // The icon sits in a running tray host.
    bool enabled() const;
    // Minimises the window and, with the icon enabled, takes it off the
    // taskbar; hotkeys and timers keep working.
    void hideToTray();
    // Undoes a minimisation and brings the window to the front; ignored
    // while the menu is open. A window hidden for another reason stays so.
    void restoreFromTray();
    // The update has hidden the window for good: restoring no longer shows it.
    void keepHidden();
    // A left double-click restores; releasing the right button opens the
    // menu at the pointer; everything else does nothing.
    void iconEvent(IconEvent event, QPoint pointer);
    bool menuOpen() const { return menuOpen_; }
    // Takes the icon away at once, before the process ends below a run.
    void hideIcon();
    // An activation restores on a StatusNotifier host, a double click on an
    // XEmbed tray.
    void setHostKind(HostKind kind) { hostKind_ = kind; }
    HostKind hostKind() const { return hostKind_; }
    // Puts a passing hint in the icon's tool tip; an empty one brings back
    // the usual tool tip.
    void showPassingHint(const QString &hint);
    // The icon for what the program is doing; the same state again changes nothing.
    void setState(TrayState state);
    TrayState state() const { return state_; }

  signals:
    void webNavigationRequested();
    void moreSoftwareRequested();
    void aboutRequested();
    void restoreRequested();
    void exitRequested();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QAction *addEntry(const char *name, const QString &caption, const QString &keys, int standardIcon,
                      void (Tray::*requested)());
    bool iconMouseEvent(QObject *watched, QEvent *event);

    QWidget *window_;
    QIcon programIcon_;
    TrayState state_ = TrayState::Idle;
    QString hint_;
    bool menuOpen_ = false;
    // Set while the window is off screen because of hideToTray(): the
    // window system may report a withdrawn window as no longer minimised.
    bool hidden_ = false;
    bool hiddenForGood_ = false;
    // The X11 icon widget reports presses and releases itself; then the
    // coarser activation signal would report the same click twice.
    bool nativeIconEvents_ = false;
    HostKind hostKind_ = HostKind::XEmbed;

    QSystemTrayIcon *trayIcon;
    QMenu *trayMenu;
    QAction *webNavigationAction;
    QAction *moreSoftwareAction;
    QAction *aboutAction;
    QAction *restoreAction;
    QAction *exitAction;
};

} // namespace lumo
