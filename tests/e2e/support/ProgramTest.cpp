#include "tests/e2e/support/ProgramTest.h"

#include "tests/e2e/support/FailureEvidence.h"
#include "tests/e2e/support/Paths.h"

#include <QFile>
#include <QThread>

// After gtest: Xlib's macros (None, Bool) clash with its names.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace e2e {

void ProgramTest::SetUp() {
    ASSERT_TRUE(session_.isOpen()) << "no X display; run under tools/with-xvfb";
    ASSERT_TRUE(folder_.isValid()) << "cannot prepare " << programPath().toStdString();
    ASSERT_TRUE(logFolder_.isValid());
}

void ProgramTest::TearDown() {
    keepFailureEvidence(session_, folder_);
    target_.reset();
    folder_.stop();
}

WindowFrame ProgramTest::startProgram(const QStringList &arguments, const Changes &changes) {
    if (!folder_.start(arguments, changes))
        return {};
    const WindowFrame window = session_.waitForWindowOfClass(kProgramWindowClass, kProgramStartTimeoutMs);
    // The start-up sequence runs once the window shows: its keys are held a
    // moment later.
    if (window.window != 0)
        QThread::msleep(500);
    return window;
}

WindowFrame ProgramTest::startProgramWith(const QString &settings) {
    if (!folder_.writeSettingsText(settings))
        return {};
    return startProgram();
}

bool ProgramTest::startClickTarget() {
    target_ = std::make_unique<Helper>(clickTargetPath(), QStringList{clickLogPath()});
    return target_->readLine() == QLatin1String("ready");
}

void ProgramTest::typeText(const char *letters) {
    Display *display = session_.display();
    for (const char *c = letters; *c; ++c) {
        const char name[] = {*c, 0};
        const unsigned code = XKeysymToKeycode(display, XStringToKeysym(name));
        XTestFakeKeyEvent(display, code, True, CurrentTime);
        XTestFakeKeyEvent(display, code, False, CurrentTime);
    }
    XFlush(display);
    QThread::msleep(200);
}

void PrivateRuntimeTest::SetUp() {
    ASSERT_TRUE(runtime_.isValid());
    savedRuntime_ = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
    ProgramTest::SetUp();
}

void PrivateRuntimeTest::TearDown() {
    ProgramTest::TearDown();
    qputenv("XDG_RUNTIME_DIR", savedRuntime_);
}

size_t ProgramTest::settledPresses(int quietMs) const {
    size_t count = presses().size();
    for (int i = 0; i < 20; ++i) {
        QThread::msleep(quietMs);
        const size_t now = presses().size();
        if (now == count)
            return count;
        count = now;
    }
    return count;
}

void ProgramTest::userClick(int x, int y, unsigned button) {
    Display *display = session_.display();
    session_.movePointer(x, y);
    XTestFakeButtonEvent(display, button, True, CurrentTime);
    XTestFakeButtonEvent(display, button, False, CurrentTime);
    XFlush(display);
}

} // namespace e2e
