#include "platform/x11/XdgDesktop.h"

#include <QDir>

#include <gtest/gtest.h>

#include <ostream>

using platform::autostartFolder;
using platform::desktopEntryText;
using platform::desktopExecArgument;

namespace {

struct ExecCase {
    const char *argument;
    const char *written;
};

void PrintTo(const ExecCase &c, std::ostream *out) {
    *out << '"' << c.argument << '"';
}

class ExecArgument : public testing::TestWithParam<ExecCase> {};

TEST_P(ExecArgument, IsQuotedAndEscapedAsTheDesktopEntryFormatWants) {
    EXPECT_EQ(desktopExecArgument(QString::fromUtf8(GetParam().argument)),
              QString::fromUtf8(GetParam().written));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ExecArgument,
    testing::Values(ExecCase{"/usr/bin/lumoclick", "/usr/bin/lumoclick"}, ExecCase{"autotime", "autotime"},
                    ExecCase{"/opt/my tools/lumoclick", "\"/opt/my tools/lumoclick\""},
                    ExecCase{"/home/用户/点击器/lumoclick", "/home/用户/点击器/lumoclick"},
                    // Inside quotes " ` $ and \ get a backslash; then every
                    // backslash is doubled as in any string value.
                    ExecCase{"/a\"b", "\"/a\\\\\"b\""}, ExecCase{"/a$b", "\"/a\\\\$b\""},
                    ExecCase{"/a`b", "\"/a\\\\`b\""}, ExecCase{"/a\\b", "\"/a\\\\\\\\b\""},
                    ExecCase{"/a'b", "\"/a'b\""}, ExecCase{"/a;b", "\"/a;b\""}, ExecCase{"/a&b", "\"/a&b\""},
                    ExecCase{"/a(b)", "\"/a(b)\""}, ExecCase{"~/x", "\"~/x\""},
                    // "%" would start a field code, quoted or not.
                    ExecCase{"/a%b", "/a%%b"}, ExecCase{"/a b%c", "\"/a b%%c\""},
                    ExecCase{"/a\tb", "\"/a\\tb\""}, ExecCase{"", "\"\""}));

TEST(DesktopEntry, HoldsTheGroupTypeNameAndExecLine) {
    const QByteArray text =
        desktopEntryText(QStringLiteral("/opt/my tools/lumoclick"), QStringLiteral("autotime"));
    const QList<QByteArray> lines = text.split('\n');
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), QByteArray("[Desktop Entry]"));
    EXPECT_TRUE(lines.contains("Type=Application"));
    EXPECT_TRUE(lines.contains("Name=lumoclick"));
    EXPECT_TRUE(lines.contains("Exec=\"/opt/my tools/lumoclick\" autotime"));
    // The session's list of start-up programs shows it with its icon and a line.
    EXPECT_TRUE(lines.contains("Icon=lumoclick"));
    EXPECT_EQ(text.count("\nComment="), 1);
    EXPECT_TRUE(text.endsWith('\n'));
}

TEST(DesktopEntry, IsUtf8) {
    const QByteArray text =
        desktopEntryText(QStringLiteral("/home/用户/lumoclick"), QStringLiteral("autotime"));
    EXPECT_TRUE(text.contains(QStringLiteral("Exec=/home/用户/lumoclick autotime").toUtf8()));
}

class AutostartFolder : public testing::Test {
  protected:
    void SetUp() override {
        had_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        old_ = qgetenv("XDG_CONFIG_HOME");
    }
    void TearDown() override {
        if (had_)
            qputenv("XDG_CONFIG_HOME", old_);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    bool had_ = false;
    QByteArray old_;
};

TEST_F(AutostartFolder, FollowsXdgConfigHome) {
    qputenv("XDG_CONFIG_HOME", "/tmp/somewhere");
    EXPECT_EQ(autostartFolder(), QStringLiteral("/tmp/somewhere/autostart"));
}

TEST_F(AutostartFolder, IsUnderDotConfigWithoutAnAbsoluteXdgConfigHome) {
    const QString fallback = QDir::homePath() + QStringLiteral("/.config/autostart");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(autostartFolder(), fallback);
    qputenv("XDG_CONFIG_HOME", "");
    EXPECT_EQ(autostartFolder(), fallback);
    qputenv("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(autostartFolder(), fallback);
}

} // namespace
