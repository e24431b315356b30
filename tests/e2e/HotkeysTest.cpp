// The real program's global hotkeys under X: what it grabs at start, and
// what it says when another program holds its combination.

#include "tests/e2e/support/FailureEvidence.h"
#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramFolder.h"
#include "tests/e2e/support/XSession.h"

#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Found by class: the scheduler tick changes the window title every second.
const QString kWindowClass = QStringLiteral("lumoclick");
const QString kNoticeTitle = QStringLiteral("提示");
constexpr int kStartTimeoutMs = 30000;

class HotkeysTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(session_.isOpen()) << "no X display; run under tools/with-xvfb";
        ASSERT_TRUE(folder_.isValid()) << "cannot prepare " << e2e::programPath().toStdString();
    }

    void TearDown() override {
        e2e::keepFailureEvidence(session_, folder_);
        folder_.stop();
    }

    e2e::XSession session_;
    e2e::ProgramFolder folder_;
};

TEST_F(HotkeysTest, WithoutSettingsTheProgramHoldsCtrlF3AndF6) {
    ASSERT_TRUE(folder_.start());
    ASSERT_TRUE(session_.waitForWindowOfClass(kWindowClass, kStartTimeoutMs).window != 0);

    EXPECT_EQ(e2e::holdKey({QStringLiteral("ctrl"), QStringLiteral("F3")}), QStringLiteral("refused"));
    EXPECT_EQ(e2e::holdKey({QStringLiteral("F6")}), QStringLiteral("refused"));
    // Keys it was never given stay free for other programs.
    EXPECT_EQ(e2e::holdKey({QStringLiteral("ctrl"), QStringLiteral("F4")}), QStringLiteral("held"));
    EXPECT_FALSE(session_.windowMapped(kNoticeTitle));
}

TEST_F(HotkeysTest, CombinationHeldByAnotherProgramShowsTheConflictMessage) {
    std::unique_ptr<e2e::Helper> rival;
    ASSERT_EQ(e2e::holdKey({QStringLiteral("ctrl"), QStringLiteral("F3")}, &rival), QStringLiteral("held"));

    ASSERT_TRUE(folder_.start());
    EXPECT_TRUE(session_.waitForMappedWindow(kNoticeTitle, kStartTimeoutMs));
    session_.screenshot(e2e::artifactsFolder() + QStringLiteral("/hotkey-conflict.png"));
    EXPECT_TRUE(folder_.isRunning());
}

TEST_F(HotkeysTest, HotkeysComeFromTheSettingsFile) {
    // "无" is stored in GBK: read wrongly, F9 would not be registered alone.
    ASSERT_TRUE(folder_.writeSettingsText(QStringLiteral("[setting]\r\nhotkey1=无\r\nhotkey2=F9\r\n"
                                                         "stophotkey=Alt+F10\r\n")));
    ASSERT_TRUE(folder_.start());
    ASSERT_TRUE(session_.waitForWindowOfClass(kWindowClass, kStartTimeoutMs).window != 0);

    EXPECT_EQ(e2e::holdKey({QStringLiteral("F9")}), QStringLiteral("refused"));
    EXPECT_EQ(e2e::holdKey({QStringLiteral("alt"), QStringLiteral("F10")}), QStringLiteral("refused"));
    // The defaults are not taken as well.
    EXPECT_EQ(e2e::holdKey({QStringLiteral("ctrl"), QStringLiteral("F3")}), QStringLiteral("held"));
    EXPECT_EQ(e2e::holdKey({QStringLiteral("F6")}), QStringLiteral("held"));
}

} // namespace
