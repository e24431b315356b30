#include "storage/IniFile.h"

#include "core/Conversion.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <optional>

namespace lumo {

namespace {

constexpr qsizetype MaxValueBytes = 2047;

QList<QByteArray> readLines(const QString &path, bool &exists) {
    QFile file(path);
    exists = file.open(QIODevice::ReadOnly);
    if (!exists)
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

std::optional<QByteArray> sectionName(const QByteArray &line) {
    const QByteArray trimmed = line.trimmed();
    if (trimmed.startsWith('[') && trimmed.contains(']'))
        return trimmed.mid(1, trimmed.indexOf(']') - 1).trimmed();
    return std::nullopt;
}

bool sameName(const QByteArray &a, const QString &b) {
    return QString::fromLatin1(a).compare(b, Qt::CaseInsensitive) == 0;
}

// Index of the key's line within the section starting after sectionLine.
struct Location {
    qsizetype section = -1;
    qsizetype key = -1;
    qsizetype sectionEnd = -1; // one past the section's last line
};

Location locate(const QList<QByteArray> &lines, const QString &section, const QString &key) {
    Location where;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i])) {
            if (where.section >= 0) {
                where.sectionEnd = i;
                return where;
            }
            if (sameName(*name, section))
                where.section = i;
            continue;
        }
        if (where.section < 0 || where.key >= 0)
            continue;
        const qsizetype eq = lines[i].indexOf('=');
        if (eq > 0 && sameName(lines[i].left(eq).trimmed(), key))
            where.key = i;
    }
    if (where.section >= 0)
        where.sectionEnd = lines.size();
    return where;
}

} // namespace

IniFile IniFile::settings(const DataLocation &location) {
    return IniFile(location.settingsPath());
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const {
    bool exists = false;
    const QList<QByteArray> lines = readLines(path_, exists);
    const Location where = locate(lines, section, key);
    if (where.key < 0)
        return def;
    const QByteArray &line = lines[where.key];
    QByteArray value = line.mid(line.indexOf('=') + 1).trimmed();
    if (value.size() > MaxValueBytes)
        value.truncate(MaxValueBytes);
    return platform::fromGbk(value);
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value) const {
    bool exists = false;
    QList<QByteArray> lines = readLines(path_, exists);
    const QByteArray entry = key.toLatin1() + '=' + platform::toGbk(value);
    const Location where = locate(lines, section, key);
    if (where.key >= 0) {
        lines[where.key] = entry;
    } else if (where.section >= 0) {
        // After the section's last entry, before any blank lines that end it.
        qsizetype at = where.sectionEnd;
        while (at > where.section + 1 && lines[at - 1].trimmed().isEmpty())
            --at;
        lines.insert(at, entry);
    } else {
        lines.append('[' + section.toLatin1() + ']');
        lines.append(entry);
    }

    QSaveFile file(path_);
    bool written = file.open(QIODevice::WriteOnly);
    for (const QByteArray &line : lines)
        written = written && file.write(line + "\r\n") == line.size() + 2;
    if (!written || !file.commit())
        throw HandlerError(QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path_)));
}

} // namespace lumo
