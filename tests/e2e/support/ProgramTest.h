#pragma once
// The fixture of a test that runs the real program: the test's view of the
// display, a throwaway folder for the program, and a click target that
// records where and when clicks land. A failed test leaves its evidence.

#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/ProgramFolder.h"
#include "tests/e2e/support/XSession.h"

#include <QPair>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace e2e {

// Found by class: the scheduler's tick changes the window title each second.
inline const QString kProgramWindowClass = QStringLiteral("lumoclick");
// How long the program gets to show its main window.
inline constexpr int kProgramStartTimeoutMs = 30000;

class ProgramTest : public testing::Test {
  protected:
    using Changes = QList<QPair<QString, QString>>;

    void SetUp() override;
    void TearDown() override;

    // Starts the program and waits for its main window and the start-up
    // sequence behind it; window 0 when the program did not start or
    // showed no window in time.
    WindowFrame startProgram(const QStringList &arguments = {}, const Changes &changes = {});
    // The same with setting.ini holding this text first.
    WindowFrame startProgramWith(const QString &settings);
    // Starts the click target above everything; false when it is not ready.
    bool startClickTarget();

    QString clickLogPath() const { return logFolder_.filePath(QStringLiteral("clicks.log")); }
    std::vector<Click> presses() const { return pressesOf(readClickLog(clickLogPath())); }
    // Polls until the target recorded count presses and their releases.
    std::vector<Click> waitForPresses(size_t count, int timeoutMs) const {
        return pressesOf(waitForClicks(clickLogPath(), 2 * count, timeoutMs));
    }

    // Polls until the record stops growing for quietMs; its press count.
    size_t settledPresses(int quietMs) const;

    // Types lower-case letters and digits into the window with the focus.
    void typeText(const char *letters);
    // A press and release of the button at (x, y), as a user makes them.
    void userClick(int x, int y, unsigned button = 1);

    XSession session_;
    ProgramFolder folder_;
    QTemporaryDir logFolder_;
    std::unique_ptr<Helper> target_;
};

// A program test whose program and its later starts meet in a runtime
// folder of the test's own, where the program's socket is the only one.
class PrivateRuntimeTest : public ProgramTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    QTemporaryDir runtime_;

  private:
    QByteArray savedRuntime_;
};

} // namespace e2e
