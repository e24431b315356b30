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
    // Not QDir::homePath(): without HOME it answers the root folder.
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty() || QDir::isRelativePath(home))
        return {};
    return QDir::cleanPath(home) + QLatin1Char('/') + fallback;
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
    const QString config = xdgConfigHome();
    const QString data = xdgDataHome();
    if (config.isEmpty() || data.isEmpty()) {
        location.homeMissing_ = true;
        location.settingsFolder_.clear();
        location.dataFolder_.clear();
        return location;
    }
    location.settingsFolder_ = config + QStringLiteral("/lumoclick");
    location.dataFolder_ = data + QStringLiteral("/lumoclick");
    return location;
}

QString DataLocation::settingsPath() const {
    // No folder is no file, rather than one in the working folder.
    if (homeMissing_)
        return {};
    return QDir(settingsFolder_).filePath(QStringLiteral("setting.ini"));
}

QString DataLocation::databasePath() const {
    if (homeMissing_)
        return {};
    return QDir(dataFolder_).filePath(kDatabaseName);
}

QString DataLocation::databaseTemplatePath() const {
    return QDir(shareFolder_).filePath(kDatabaseName);
}

QString DataLocation::helpPagePath() const {
    return QDir(shareFolder_).filePath(QStringLiteral("help.html"));
}

bool DataLocation::prepareDatabase() const {
    return prepareDatabase({}) == DatabaseSetup::Ready;
}

DatabaseSetup
DataLocation::prepareDatabase(const std::function<bool(const QString &)> &templateUsable) const {
    if (!installed())
        return DatabaseSetup::Ready;
    if (homeMissing_)
        return DatabaseSetup::NoHome;
    if (QFileInfo::exists(databasePath()))
        return DatabaseSetup::Ready;
    if (!QDir().mkpath(dataFolder_) || !QFileInfo(dataFolder_).isWritable())
        return DatabaseSetup::FolderNotWritable;
    // Only a regular file: a pipe would block the read below.
    QFile source(databaseTemplatePath());
    if (!QFileInfo(databaseTemplatePath()).isFile() || !source.open(QIODevice::ReadOnly))
        return DatabaseSetup::TemplateMissing;
    if (templateUsable && !templateUsable(databaseTemplatePath()))
        return DatabaseSetup::TemplateUnusable;
    QTemporaryFile copy(dataFolder_ + QStringLiteral("/.acdb.mdb.XXXXXX"));
    if (!copy.open())
        return DatabaseSetup::FolderNotWritable;
    const QByteArray bytes = source.readAll();
    if (copy.write(bytes) != bytes.size() || !copy.flush())
        return DatabaseSetup::CopyFailed;
    // The template is read-only in the package; the user's copy is not.
    copy.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    copy.close();
    // rename(2) replaces nothing here: another start that won the race has
    // already put a complete database in place, and that one stays.
    if (QFileInfo::exists(databasePath()))
        return DatabaseSetup::Ready;
    if (!QFile::rename(copy.fileName(), databasePath()))
        return QFileInfo::exists(databasePath()) ? DatabaseSetup::Ready : DatabaseSetup::CopyFailed;
    copy.setAutoRemove(false);
    return DatabaseSetup::Ready;
}

} // namespace lumo
