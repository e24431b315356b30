#pragma once
// Script and timed task rows stored in a program folder's acdb.mdb, and a
// script enabled through the real window, for the tests and benchmarks that
// play them.

#include "tests/e2e/support/XSession.h"

#include <QString>

namespace e2e {

// Appends a row to mplist; false when the database refused it.
bool storeScript(const QString &database, const QString &hotkey, const QString &steps, const QString &cycles);
// Appends a row to tplist; false when the database refused it.
bool storeTimedTask(const QString &database, const QString &time, const QString &steps,
                    const QString &cycles);

// Clicks the first row of the script list and the enable button of the
// program's main window, which sits centred on the screen with no window
// manager to move it.
void enableFirstScript(XSession &session);

// A left click at a screen position through XTest.
void clickAt(XSession &session, int x, int y);

// The main window's place on the 1280x1024 screen.
inline constexpr int kMainWindowX = 365;
inline constexpr int kMainWindowY = 311;
inline constexpr int kMainWindowWidth = 549;
inline constexpr int kMainWindowHeight = 401;

} // namespace e2e
