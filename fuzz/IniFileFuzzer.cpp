// setting.ini as found on disk: reading keys from any bytes, writing one key
// and reading everything again.
//
// Input: the file's bytes. After the last NUL, if any, the key to write:
// section, key and value (GBK) on three lines; without one the program's
// own "[setting] btn1" is written.

#include "FuzzSupport.h"
#include "platform/Platform.h"
#include "storage/IniFile.h"

#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <iconv.h>

using namespace lumo;
using namespace lumo::fuzz;

namespace {

struct Probe {
    QString section;
    QString key;
};

// Every section and key name the file seems to hold, found by a looser
// reading than the program's, so that the program's reading of each can be
// compared before and after a write.
QList<Probe> probesOf(const QByteArray &bytes) {
    QList<Probe> probes;
    QString section;
    for (const QByteArray &line : bytes.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        const qsizetype close = trimmed.indexOf(']');
        if (trimmed.startsWith('[') && close > 0) {
            section = QString::fromLatin1(trimmed.mid(1, close - 1).trimmed());
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            probes.append({section, QString::fromLatin1(line.left(eq).trimmed())});
        if (probes.size() >= 64)
            break;
    }
    probes.append({QStringLiteral("setting"), QStringLiteral("btn1")});
    return probes;
}

// A name the program writes: printable ASCII, no "=", no "]", no spaces at
// either end, not taken for a section line.
QString nameOf(const QByteArray &bytes, const char *fallback) {
    QByteArray name;
    for (const char c : bytes)
        if (c > ' ' && c < 0x7F && c != '=' && c != ']' && c != '[')
            name += c;
    return name.isEmpty() ? QString::fromLatin1(fallback) : QString::fromLatin1(name);
}

// A value that fits on one line and keeps its ends.
QString valueOf(const QByteArray &bytes) {
    QString value = platform::fromGbk(bytes.left(1000));
    value.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    return QString::fromLatin1(QByteArray("<")) + value + QLatin1Char('>');
}

} // namespace

// The GBK converters stay loaded for the whole run; opened and closed by
// every call alone, glibc would load and unload them each time.
iconv_t keptConverters[2];

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    keptConverters[0] = iconv_open("GBK", "UTF-8");
    keptConverters[1] = iconv_open("UTF-8", "GBK");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // In memory where there is such a place: the write syncs to disk.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/lumo-ini-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/lumo-ini-XXXXXX"));
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const qsizetype nul = input.lastIndexOf('\0');
    const QByteArray bytes = nul < 0 ? input : input.left(nul);
    QString section = QStringLiteral("setting"), key = QStringLiteral("btn1"), value = QStringLiteral("右键");
    if (nul >= 0) {
        const QByteArrayList parts = input.mid(nul + 1).split('\n');
        section = nameOf(parts.value(0), "setting");
        key = nameOf(parts.value(1), "btn1");
        value = valueOf(parts.value(2));
    }

    const IniFile ini(dir.filePath(QStringLiteral("setting.ini")));
    {
        QFile file(ini.path());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            fail("writing the input file");
    }

    const QList<Probe> probes = probesOf(bytes);
    QStringList before;
    for (const Probe &probe : probes)
        before.append(ini.readString(probe.section, probe.key, QStringLiteral("\x01")));

    ini.writeString(section, key, value);

    // The written value reads back as GBK can hold it.
    const QString stored = platform::fromGbk(platform::toGbk(value));
    check(ini.readString(section, key, QString()) == stored, "the written value reads back",
          section + QLatin1Char('/') + key + QLatin1Char('=') + value);
    // Every other key reads as before.
    for (qsizetype i = 0; i < probes.size(); ++i) {
        const Probe &probe = probes[i];
        if (probe.section.compare(section, Qt::CaseInsensitive) == 0 &&
            probe.key.compare(key, Qt::CaseInsensitive) == 0)
            continue;
        check(ini.readString(probe.section, probe.key, QStringLiteral("\x01")) == before[i],
              "another key reads as before", probe.section + QLatin1Char('/') + probe.key);
    }
    // GBK the program wrote reads and writes back the same.
    const QByteArray gbk = platform::toGbk(platform::fromGbk(bytes.left(256)));
    check(platform::toGbk(platform::fromGbk(gbk)) == gbk, "GBK round trip", QString::fromLatin1(gbk.toHex()));
    return 0;
}
