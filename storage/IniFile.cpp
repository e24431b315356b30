#include "storage/IniFile.h"

#include "core/Conversion.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace lumo {

namespace {

constexpr qsizetype MaxValueBytes = 2047;
const QByteArray kUtf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");

// One line as it is in the file: its bytes and the line break after them,
// "\r\n", "\n" or none for a last line without one. Only the lines of the
// key written are ever changed; every other byte goes back as it came, so
// values in another code page or a stray byte survive a save.
struct Line {
    QByteArray text;
    QByteArray end;
};

struct Contents {
    bool opened = false;
    bool utf8Mark = false;
    QList<Line> lines;
};

// Only a regular file is the settings file: a pipe would block the read
// and a device could feed it without end. Anything else reads as a file
// that cannot be opened.
bool isRegularFile(const QString &path) {
    return QFileInfo(path).isFile();
}

Contents readContents(const QString &path) {
    Contents contents;
    if (!isRegularFile(path))
        return contents;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return contents;
    contents.opened = true;
    QByteArray bytes = file.readAll();
    if (bytes.startsWith(kUtf8Mark)) {
        contents.utf8Mark = true;
        bytes.remove(0, kUtf8Mark.size());
    }
    qsizetype from = 0;
    while (from < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', from);
        if (newline < 0) {
            contents.lines.append({bytes.mid(from), QByteArray()});
            break;
        }
        Line line{bytes.mid(from, newline - from), QByteArrayLiteral("\n")};
        if (line.text.endsWith('\r')) {
            line.text.chop(1);
            line.end = QByteArrayLiteral("\r\n");
        }
        contents.lines.append(line);
        from = newline + 1;
    }
    return contents;
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

Location locate(const QList<Line> &lines, const QString &section, const QString &key) {
    Location where;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray &text = lines[i].text;
        if (const auto name = sectionName(text)) {
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
        const qsizetype eq = text.indexOf('=');
        if (eq > 0 && sameName(text.left(eq).trimmed(), key))
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

bool IniFile::unreadable() const {
    const QFileInfo info(path_);
    if (!info.exists() && !info.isSymLink())
        return false;
    return !readContents(path_).opened;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const {
    const Contents contents = readContents(path_);
    const Location where = locate(contents.lines, section, key);
    if (where.key < 0)
        return def;
    const QByteArray &line = contents.lines[where.key].text;
    QByteArray value = line.mid(line.indexOf('=') + 1).trimmed();
    if (value.size() > MaxValueBytes)
        value.truncate(MaxValueBytes);
    return platform::fromGbk(value);
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value) const {
    const auto refused = [this] {
        return HandlerError(QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path_)));
    };
    // Never replace what is not a regular file: the rename would put a file
    // where the pipe or device was, or follow a link into a device's folder.
    const bool exists = QFileInfo::exists(path_);
    if (exists && !isRegularFile(path_))
        throw refused();
    // A file that is there but cannot be read would be replaced by the one
    // key alone.
    Contents contents = readContents(path_);
    if (exists && !contents.opened)
        throw refused();
    QList<Line> &lines = contents.lines;
    const QByteArray crlf = QByteArrayLiteral("\r\n");
    const QByteArray entry = key.toLatin1() + '=' + platform::toGbk(value);
    const Location where = locate(lines, section, key);
    if (where.key >= 0) {
        lines[where.key].text = entry;
    } else if (where.section >= 0) {
        // After the section's last entry, before any blank lines that end it.
        qsizetype at = where.sectionEnd;
        while (at > where.section + 1 && lines[at - 1].text.trimmed().isEmpty())
            --at;
        if (lines[at - 1].end.isEmpty())
            lines[at - 1].end = crlf;
        lines.insert(at, {entry, crlf});
    } else {
        if (!lines.isEmpty() && lines.back().end.isEmpty())
            lines.back().end = crlf;
        lines.append({'[' + section.toLatin1() + ']', crlf});
        lines.append({entry, crlf});
    }

    QByteArray bytes = contents.utf8Mark ? kUtf8Mark : QByteArray();
    for (const Line &line : lines)
        bytes += line.text + line.end;
    QSaveFile file(path_);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    if (!written || !file.commit())
        throw refused();
}

} // namespace lumo
