#include "platform/Platform.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>

namespace platform {

bool trayIsStatusNotifierHost() {
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || bus.interface() == nullptr || !bus.interface()->isServiceRegistered(watcher))
        return false;
    QDBusInterface watcherObject(watcher, QStringLiteral("/StatusNotifierWatcher"), watcher, bus);
    return watcherObject.property("IsStatusNotifierHostRegistered").toBool();
}

} // namespace platform
