#pragma once
// Script and timed task rows stored in a program folder's acdb.mdb, and a
// script enabled through the real window, for the tests and benchmarks that
// play them.

#include "tests/e2e/support/XSession.h"

#include <QPoint>
#include <QString>

namespace e2e {

// Appends a row to mplist; false when the database refused it.
bool storeScript(const QString &database, const QString &hotkey, const QString &steps, const QString &cycles,
                 const QString &name = QStringLiteral("测试"));
// Appends a row to tplist; false when the database refused it.
bool storeTimedTask(const QString &database, const QString &time, const QString &steps,
                    const QString &cycles);

// The first row of the main window's script list, in its client area. A
// row is no control: it lies a header's height into the list.
QPoint firstScriptRow();

// Clicks the first row of the script list and the enable button of the
// program's main window.
void enableFirstScript(XSession &session);

// A left click at a screen position through XTest.
void clickAt(XSession &session, int x, int y);
// A left click at a point of the client area of the mapped window titled
// title, such as a control's centre from its window's table; false when no
// such window is mapped.
bool clickIn(XSession &session, const QString &title, QPoint at);
// The same in the main window, the program's largest (its title changes
// with what it does).
bool clickInMainWindow(XSession &session, QPoint at);

} // namespace e2e
