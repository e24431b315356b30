// The real program's global hotkeys under X: what it grabs at start, and
// what it says when another program holds its combination.

#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramTest.h"

#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kNoticeTitle = QStringLiteral("提示");

using HotkeysTest = e2e::ProgramTest;

TEST_F(HotkeysTest, WithoutSettingsTheProgramHoldsCtrlF3AndF6) {
    ASSERT_NE(startProgram().window, 0u) << folder_.output().toStdString();

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
    EXPECT_TRUE(session_.waitForMappedWindow(kNoticeTitle, e2e::kProgramStartTimeoutMs));
    session_.screenshot(e2e::artifactsFolder() + QStringLiteral("/hotkey-conflict.png"));
    EXPECT_TRUE(folder_.isRunning());
}

TEST_F(HotkeysTest, HotkeysComeFromTheSettingsFile) {
    // "无" is stored in GBK: read wrongly, F9 would not be registered alone.
    ASSERT_TRUE(folder_.writeSettingsText(QStringLiteral("[setting]\r\nhotkey1=无\r\nhotkey2=F9\r\n"
                                                         "stophotkey=Alt+F10\r\n")));
    ASSERT_NE(startProgram().window, 0u) << folder_.output().toStdString();

    EXPECT_EQ(e2e::holdKey({QStringLiteral("F9")}), QStringLiteral("refused"));
    EXPECT_EQ(e2e::holdKey({QStringLiteral("alt"), QStringLiteral("F10")}), QStringLiteral("refused"));
    // The defaults are not taken as well.
    EXPECT_EQ(e2e::holdKey({QStringLiteral("ctrl"), QStringLiteral("F3")}), QStringLiteral("held"));
    EXPECT_EQ(e2e::holdKey({QStringLiteral("F6")}), QStringLiteral("held"));
}

} // namespace
