#include "app/Tray.h"

#include "platform/Platform.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

namespace lumo {

namespace {

// How often a window hidden to the tray checks that the tray host still
// runs: without it the window could not be got back.
constexpr int kHostWatchMs = 2000;

bool isIconWidget(QObject *watched) {
    // Qt's X11 tray icon is a widget of this private class; the other tray
    // hosts report only through QSystemTrayIcon::activated.
    return watched->isWidgetType() && qstrcmp(watched->metaObject()->className(), "QSystemTrayIconSys") == 0;
}

} // namespace

Tray::HostKind Tray::detectHostKind() {
    return platform::trayIsStatusNotifierHost() ? HostKind::StatusNotifier : HostKind::XEmbed;
}

Tray::Tray(QWidget *window, const QIcon &icon, const QString &hint)
    : QObject(window), window_(window), programIcon_(icon), hint_(hint), hostKind_(detectHostKind()) {
    trayMenu = new QMenu(window);
    trayMenu->setObjectName(QStringLiteral("trayMenu"));
    webNavigationAction = addEntry("webNavigationAction", tr("上网导航(&D)"), QStringLiteral("Ctrl+D"),
                                   QStyle::SP_DriveNetIcon, &Tray::webNavigationRequested);
    moreSoftwareAction = addEntry("moreSoftwareAction", tr("更多软件(&M)"), QStringLiteral("Ctrl+M"),
                                  QStyle::SP_DirHomeIcon, &Tray::moreSoftwareRequested);
    aboutAction = addEntry("aboutAction", tr("关于(&A)"), QStringLiteral("Ctrl+A"),
                           QStyle::SP_MessageBoxInformation, &Tray::aboutRequested);
    restoreAction = addEntry("restoreAction", tr("设置(&S)"), QStringLiteral("Ctrl+S"),
                             QStyle::SP_TitleBarNormalButton, &Tray::restoreRequested);
    exitAction = addEntry("exitAction", tr("退出(&E)"), QStringLiteral("Ctrl+E"),
                          QStyle::SP_DialogCloseButton, &Tray::exitRequested);
    connect(trayMenu, &QMenu::aboutToHide, this, [this] { menuOpen_ = false; });

    trayIcon = new QSystemTrayIcon(icon, this);
    trayIcon->setObjectName(QStringLiteral("trayIcon"));
    trayIcon->setToolTip(hint);
    // No context menu of Qt's own: it would open on the press, and the menu
    // belongs to the release.
    connect(trayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (nativeIconEvents_)
            return;
        const bool restores = reason == QSystemTrayIcon::DoubleClick ||
                              (reason == QSystemTrayIcon::Trigger && hostKind_ == HostKind::StatusNotifier);
        if (restores)
            iconEvent(IconEvent::LeftDouble, QCursor::pos());
        else if (reason == QSystemTrayIcon::Context)
            iconEvent(IconEvent::RightUp, QCursor::pos());
    });
    // Qt adds the icon again by itself when the tray host restarts.
    trayIcon->show();

    // Sees the window's state changes as well as the icon's mouse events.
    qApp->installEventFilter(this);

    auto *hostWatch = new QTimer(this);
    hostWatch->setInterval(kHostWatchMs);
    connect(hostWatch, &QTimer::timeout, this, [this] {
        if (hidden_ && !window_->isVisible() && !enabled()) {
            hidden_ = false;
            window_->showMinimized();
        }
    });
    hostWatch->start();
}

Tray::~Tray() {
    qApp->removeEventFilter(this);
}

void Tray::setState(TrayState state) {
    if (state == state_)
        return;
    state_ = state;
    trayIcon->setIcon(trayIconFor(programIcon_, state));
}

void Tray::showPassingHint(const QString &hint) {
    trayIcon->setToolTip(hint.isEmpty() ? hint_ : hint);
}

void Tray::hideIcon() {
    trayIcon->hide();
}

QAction *Tray::addEntry(const char *name, const QString &caption, const QString &keys, int standardIcon,
                        void (Tray::*requested)()) {
    // Owned by the tray, so that it is found among the tray's parts.
    auto *action = new QAction(
        window_->style()->standardIcon(static_cast<QStyle::StandardPixmap>(standardIcon)), caption, this);
    trayMenu->addAction(action);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, requested);
    action->setShortcut(QKeySequence(keys));
    // The keys are shown beside the caption; they act only inside the menu.
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setShortcutVisibleInContextMenu(true);
    return action;
}

bool Tray::enabled() const {
    return trayIcon->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void Tray::hideToTray() {
    window_->showMinimized();
    if (enabled()) {
        hidden_ = true;
        window_->hide();
    }
}

void Tray::restoreFromTray() {
    if (menuOpen_ || hiddenForGood_)
        return;
    if (window_->isMinimized() || hidden_) {
        hidden_ = false;
        window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
        window_->show();
    }
    if (window_->isVisible()) {
        window_->raise();
        window_->activateWindow();
    }
}

void Tray::keepHidden() {
    hiddenForGood_ = true;
    hidden_ = false;
}

void Tray::iconEvent(IconEvent event, QPoint pointer) {
    if (event == IconEvent::LeftDouble) {
        restoreFromTray();
    } else if (event == IconEvent::RightUp) {
        if (window_->isVisible())
            window_->activateWindow();
        menuOpen_ = true;
        trayMenu->popup(pointer);
    }
}

bool Tray::iconMouseEvent(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
        return false;
    if (!isIconWidget(watched))
        return false;
    nativeIconEvents_ = true;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const bool left = mouse->button() == Qt::LeftButton;
    if (!left && mouse->button() != Qt::RightButton)
        return false;
    IconEvent what = left ? IconEvent::LeftDown : IconEvent::RightDown;
    if (type == QEvent::MouseButtonRelease)
        what = left ? IconEvent::LeftUp : IconEvent::RightUp;
    else if (type == QEvent::MouseButtonDblClick)
        what = left ? IconEvent::LeftDouble : IconEvent::RightDouble;
    iconEvent(what, mouse->globalPosition().toPoint());
    return false;
}

bool Tray::eventFilter(QObject *watched, QEvent *event) {
    if (watched == window_ && event->type() == QEvent::WindowStateChange) {
        // Hidden after the minimisation has settled, as the window manager
        // may still be iconifying the window.
        if (window_->isMinimized() && enabled())
            QTimer::singleShot(0, this, [this] {
                if (window_->isMinimized())
                    hideToTray();
            });
        return false;
    }
    return iconMouseEvent(watched, event);
}

} // namespace lumo
