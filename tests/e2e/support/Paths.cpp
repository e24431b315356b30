#include "tests/e2e/support/Paths.h"

#include <QDir>

namespace e2e {

QString programPath() {
    // Another build of the program (an installed one, a sanitizer build) can
    // be put under test without rebuilding the tests.
    const QString chosen = qEnvironmentVariable("LUMO_E2E_PROGRAM");
    return chosen.isEmpty() ? QStringLiteral(LUMO_E2E_PROGRAM) : chosen;
}
QString databasePath() {
    return QStringLiteral(LUMO_E2E_DATABASE);
}
QString holdKeyPath() {
    return QStringLiteral(LUMO_E2E_HOLD_KEY);
}
QString clickTargetPath() {
    return QStringLiteral(LUMO_E2E_CLICK_TARGET);
}
QString storeWriterPath() {
    return QStringLiteral(LUMO_E2E_STORE_WRITER);
}

QString artifactsFolder() {
    const QString folder = QStringLiteral(LUMO_E2E_ARTIFACTS);
    QDir().mkpath(folder);
    return folder;
}

} // namespace e2e
