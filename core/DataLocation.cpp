#include "core/DataLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace lumo {

namespace {

const QString kDatabaseName = QStringLiteral("acdb.mdb");

QString xdgFolder(const char *variable, const QString &fallback) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && !QDir::isRelativePath(value))
        return QDir::cleanPath(value);
    return QDir::homePath() + QLatin1Char('/') + fallback;
}

} // namespace

QString xdgConfigHome() {
    return xdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
}

QString xdgDataHome() {
    return xdgFolder("XDG_DATA_HOME", QStringLiteral(".local/share"));
}

DataLocation::DataLocation(QString exeDir)
    : exeDir_(std::move(exeDir)), settingsFolder_(exeDir_), dataFolder_(exeDir_), shareFolder_(exeDir_) {
}

DataLocation DataLocation::decide(const QString &exeDir) {
    DataLocation location(exeDir);
    const QString share = QDir::cleanPath(exeDir + QStringLiteral("/../share/lumoclick"));
    if (!QFileInfo::exists(share + QLatin1Char('/') + kDatabaseName))
        return location;
    location.layout_ = Layout::Installed;
    location.shareFolder_ = share;
    location.settingsFolder_ = xdgConfigHome() + QStringLiteral("/lumoclick");
    location.dataFolder_ = xdgDataHome() + QStringLiteral("/lumoclick");
    return location;
}

QString DataLocation::settingsPath() const {
    return QDir(settingsFolder_).filePath(QStringLiteral("setting.ini"));
}

QString DataLocation::databasePath() const {
    return QDir(dataFolder_).filePath(kDatabaseName);
}

QString DataLocation::databaseTemplatePath() const {
    return QDir(shareFolder_).filePath(kDatabaseName);
}

QString DataLocation::helpPagePath() const {
    return QDir(shareFolder_).filePath(QStringLiteral("help.html"));
}

bool DataLocation::prepareDatabase() const {
    if (!installed() || QFileInfo::exists(databasePath()))
        return true;
    if (!QDir().mkpath(dataFolder_))
        return false;
    QFile source(databaseTemplatePath());
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QTemporaryFile copy(dataFolder_ + QStringLiteral("/.acdb.mdb.XXXXXX"));
    if (!copy.open())
        return false;
    const QByteArray bytes = source.readAll();
    if (copy.write(bytes) != bytes.size() || !copy.flush())
        return false;
    // The template is read-only in the package; the user's copy is not.
    copy.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    copy.close();
    // rename(2) replaces nothing here: another start that won the race has
    // already put a complete database in place, and that one stays.
    if (QFileInfo::exists(databasePath()))
        return true;
    if (!QFile::rename(copy.fileName(), databasePath()))
        return QFileInfo::exists(databasePath());
    copy.setAutoRemove(false);
    return true;
}

} // namespace lumo
