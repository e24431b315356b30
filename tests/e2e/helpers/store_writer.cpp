// store_writer settings|scripts FOLDER: saves without end through the
// program's own storage code in FOLDER, for a test that kills it at random
// moments. "settings" saves the single-point panel's eight keys of
// setting.ini, as one save does, with the values "new<N>"; "scripts" inserts
// script rows named "script<N>" into acdb.mdb. Prints "ready" before its
// first save.

#include "platform/fake/FakePlatform.h"
#include "storage/Database.h"
#include "storage/IniFile.h"
#include "storage/ScriptStore.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

const char *const kKeys[] = {"btn1", "btn_type", "time", "hotkey1", "hotkey2", "click", "xpos", "ypos"};

// A long step list, so that one insert spans several database pages.
QString stepsOf(int n) {
    QString steps;
    for (int i = 0; i < 200; ++i)
        steps += QStringLiteral("%1,%2,左键单击,20|").arg(n).arg(i);
    return steps;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    const QString mode = arguments[1];
    const QString folder = arguments[2];
    std::printf("ready\n");
    std::fflush(stdout);
    if (mode == QLatin1String("settings")) {
        const lumo::IniFile ini = lumo::IniFile::settings(folder);
        for (int n = 0;; ++n)
            for (const char *key : kKeys)
                ini.writeString(QStringLiteral("setting"), QLatin1String(key),
                                QStringLiteral("new%1").arg(n));
    }
    if (mode != QLatin1String("scripts"))
        return 2;
    platform::fake::FakeBackend fake;
    lumo::Database database(fake.services(), folder, nullptr);
    database.setUpConnection();
    for (int n = 0;; ++n)
        lumo::insertScript(&database, QStringLiteral("script%1").arg(n), QStringLiteral("F8"), stepsOf(n),
                           QStringLiteral("1"));
}
