// Where the program keeps its files: beside the executable when run from its
// own folder, in the user's XDG folders when installed, and the installed
// database made from the template on first start.

#include "core/DataLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using lumo::DataLocation;

namespace {

// Sets environment variables for one test and puts them back afterwards.
class ScopedEnvironment {
  public:
    void set(const char *name, const QString &value) {
        saved_.append({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnvironment() {
        for (auto it = saved_.crbegin(); it != saved_.crend(); ++it) {
            if (it->wasSet)
                qputenv(it->name, it->value);
            else
                qunsetenv(it->name);
        }
    }

  private:
    struct Saved {
        const char *name;
        QByteArray value;
        bool wasSet;
    };
    QList<Saved> saved_;
};

bool writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A prefix laid out as an installation: bin/ and share/lumoclick/ with the
// template, plus a home of its own.
class InstalledLayout : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(prefix() + QStringLiteral("/bin")));
        ASSERT_TRUE(writeFile(templatePath(), QByteArray("SQLite format 3\0template", 24)));
        env.set("HOME", root.filePath(QStringLiteral("home")));
        env.set("XDG_CONFIG_HOME", QString());
        env.set("XDG_DATA_HOME", QString());
    }
    QString prefix() const { return root.filePath(QStringLiteral("usr")); }
    QString binDir() const { return prefix() + QStringLiteral("/bin"); }
    QString templatePath() const { return prefix() + QStringLiteral("/share/lumoclick/acdb.mdb"); }
    QString home() const { return root.filePath(QStringLiteral("home")); }

    QTemporaryDir root;
    ScopedEnvironment env;
};

} // namespace

TEST(DataLocationTest, WithoutATemplateEverythingStaysBesideTheExecutable) {
    QTemporaryDir dir;
    // A share folder without the database does not make an installation.
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("../share/lumoclick"))));
    const DataLocation location = DataLocation::decide(dir.path());
    EXPECT_FALSE(location.installed());
    EXPECT_EQ(location.settingsPath(), dir.filePath(QStringLiteral("setting.ini")));
    EXPECT_EQ(location.databasePath(), dir.filePath(QStringLiteral("acdb.mdb")));
    EXPECT_EQ(location.helpPagePath(), dir.filePath(QStringLiteral("help.html")));
    EXPECT_EQ(location.settingsFolder(), dir.path());
    // Portable: nothing is made, a missing database stays missing.
    EXPECT_TRUE(location.prepareDatabase());
    EXPECT_FALSE(QFile::exists(location.databasePath()));
}

TEST_F(InstalledLayout, TheTemplateBesideBinMakesAnInstallationUsingTheDefaultXdgFolders) {
    const DataLocation location = DataLocation::decide(binDir());
    ASSERT_TRUE(location.installed());
    EXPECT_EQ(location.settingsPath(), home() + QStringLiteral("/.config/lumoclick/setting.ini"));
    EXPECT_EQ(location.databasePath(), home() + QStringLiteral("/.local/share/lumoclick/acdb.mdb"));
    EXPECT_EQ(location.databaseTemplatePath(), templatePath());
    EXPECT_EQ(location.helpPagePath(), prefix() + QStringLiteral("/share/lumoclick/help.html"));
}

TEST_F(InstalledLayout, XdgVariablesAreHonouredAndRelativeOnesIgnored) {
    env.set("XDG_CONFIG_HOME", root.filePath(QStringLiteral("cfg")));
    env.set("XDG_DATA_HOME", QStringLiteral("relative/data"));
    const DataLocation location = DataLocation::decide(binDir());
    EXPECT_EQ(location.settingsPath(), root.filePath(QStringLiteral("cfg/lumoclick/setting.ini")));
    EXPECT_EQ(location.databasePath(), home() + QStringLiteral("/.local/share/lumoclick/acdb.mdb"));
}

TEST_F(InstalledLayout, FirstStartCopiesTheTemplateIntoAFreshDataFolderAndLeavesNoTemporaryFile) {
    const DataLocation location = DataLocation::decide(binDir());
    ASSERT_FALSE(QFile::exists(location.databasePath()));
    ASSERT_TRUE(location.prepareDatabase());
    EXPECT_EQ(readFile(location.databasePath()), readFile(templatePath()));
    const QDir data = QFileInfo(location.databasePath()).absoluteDir();
    EXPECT_EQ(data.entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{QStringLiteral("acdb.mdb")});
    // The package installs the template read-only; the user must be able
    // to write the copy.
    EXPECT_TRUE(QFileInfo(location.databasePath()).permissions() & QFile::WriteOwner);
}

TEST_F(InstalledLayout, AnExistingDatabaseIsNeverReplaced) {
    const DataLocation location = DataLocation::decide(binDir());
    ASSERT_TRUE(writeFile(location.databasePath(), "the user's scripts"));
    EXPECT_TRUE(location.prepareDatabase());
    EXPECT_EQ(readFile(location.databasePath()), QByteArray("the user's scripts"));
    EXPECT_EQ(readFile(templatePath()), QByteArray("SQLite format 3\0template", 24));
}

TEST_F(InstalledLayout, AnUnreadableTemplateFailsWithoutLeavingADatabase) {
    const DataLocation location = DataLocation::decide(binDir());
    // The template vanished after the decision (a package being removed).
    ASSERT_TRUE(QFile::remove(templatePath()));
    EXPECT_FALSE(location.prepareDatabase());
    EXPECT_FALSE(QFile::exists(location.databasePath()));
}

TEST_F(InstalledLayout, WithoutHomeNoFolderIsUsedAndNothingIsPrepared) {
    for (const char *unusable : {"", "relative/home"}) {
        ScopedEnvironment local;
        local.set("HOME", QString::fromLatin1(unusable));
        const DataLocation location = DataLocation::decide(binDir());
        ASSERT_TRUE(location.installed());
        EXPECT_TRUE(location.homeMissing()) << unusable;
        // Never the root folder, nor a file in the working folder.
        EXPECT_TRUE(location.settingsFolder().isEmpty());
        EXPECT_TRUE(location.settingsPath().isEmpty());
        EXPECT_TRUE(location.databasePath().isEmpty());
        EXPECT_EQ(location.prepareDatabase([](const QString &) { return true; }),
                  lumo::DatabaseSetup::NoHome);
    }
    // HOME unset altogether, the XDG variables still name usable folders.
    ScopedEnvironment local;
    qunsetenv("HOME");
    local.set("XDG_CONFIG_HOME", root.filePath(QStringLiteral("cfg")));
    local.set("XDG_DATA_HOME", root.filePath(QStringLiteral("data")));
    const DataLocation location = DataLocation::decide(binDir());
    EXPECT_FALSE(location.homeMissing());
    EXPECT_EQ(location.databasePath(), root.filePath(QStringLiteral("data/lumoclick/acdb.mdb")));
}

TEST_F(InstalledLayout, ADataFolderThatCannotBeMadeSaysSoInsteadOfCopying) {
    // A file where the folder should go: mkpath fails even for root.
    ASSERT_TRUE(writeFile(root.filePath(QStringLiteral("blocked")), "a file"));
    env.set("XDG_DATA_HOME", root.filePath(QStringLiteral("blocked")));
    const DataLocation location = DataLocation::decide(binDir());
    EXPECT_EQ(location.prepareDatabase([](const QString &) { return true; }),
              lumo::DatabaseSetup::FolderNotWritable);
}

TEST_F(InstalledLayout, ATemplateTheCheckRefusesIsNeverCopied) {
    const DataLocation location = DataLocation::decide(binDir());
    QString checked;
    const auto refuse = [&checked](const QString &path) {
        checked = path;
        return false;
    };
    EXPECT_EQ(location.prepareDatabase(refuse), lumo::DatabaseSetup::TemplateUnusable);
    EXPECT_EQ(checked, templatePath());
    EXPECT_FALSE(QFile::exists(location.databasePath()));
    const QDir data(QFileInfo(location.databasePath()).absolutePath());
    EXPECT_TRUE(data.entryList(QDir::Files | QDir::Hidden).isEmpty());
    // A user's own database is never checked against nor replaced by it.
    ASSERT_TRUE(writeFile(location.databasePath(), "the user's scripts"));
    checked.clear();
    EXPECT_EQ(location.prepareDatabase(refuse), lumo::DatabaseSetup::Ready);
    EXPECT_TRUE(checked.isEmpty());
    EXPECT_EQ(readFile(location.databasePath()), QByteArray("the user's scripts"));
}
