// --help and --version answer and end; every other line runs the program.

#include "app/CommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLineTest, HelpAndVersionAnswerEverythingElseRuns) {
    const QString program = QStringLiteral("lumoclick");
    for (const char *option : {"--help", "-h"}) {
        const std::optional<QString> help = lumo::commandLineReply({program, QString::fromLatin1(option)});
        ASSERT_TRUE(help.has_value()) << option;
        for (const char *word : {"tb", "2345", "autotime", "--version"})
            EXPECT_TRUE(help->contains(QString::fromLatin1(word))) << word;
    }
    const std::optional<QString> version = lumo::commandLineReply({program, QStringLiteral("--version")});
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(*version, QStringLiteral("lumoclick " LUMO_VERSION "\n"));
    // After the switch word too: --help wins wherever it stands.
    EXPECT_TRUE(lumo::commandLineReply({program, QStringLiteral("autotime"), QStringLiteral("--help")}));
    for (const QStringList &line :
         QList<QStringList>{{program},
                            {program, QStringLiteral("tb")},
                            {program, QStringLiteral("2345")},
                            {program, QStringLiteral("autotime")},
                            {program, QStringLiteral("--unknown"), QStringLiteral("x")},
                            {program, QStringLiteral("-z")}})
        EXPECT_FALSE(lumo::commandLineReply(line).has_value()) << line.join(QLatin1Char(' ')).toStdString();
}
