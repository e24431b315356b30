#pragma once
// Where the build put the things the end-to-end tests run.

#include <QString>

namespace e2e {

// The program (or the one named by $LUMO_E2E_PROGRAM) and the database
// built beside it; empty when this build has no program.
QString programPath();
QString databasePath();
// The helper X clients.
QString holdKeyPath();
QString clickTargetPath();
// The helper that saves through the program's storage code until killed.
QString storeWriterPath();
// A folder in the build tree for screenshots worth keeping after a run.
QString artifactsFolder();

} // namespace e2e
