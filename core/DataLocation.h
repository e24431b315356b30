#pragma once
// Where the program keeps its files, decided once at start. Run from its own
// folder (portable) everything lies beside the executable. Installed, the
// database template stands in <prefix>/share/lumoclick beside the program's
// <prefix>/bin, and each user's settings and database live in the XDG
// folders of that user, since the installed tree is not writable.

#include <QString>

#include <functional>

namespace lumo {

// Why the user's database could not be made ready.
enum class DatabaseSetup {
    Ready,
    // Installed without HOME (nor both XDG folders): there is no folder to use.
    NoHome,
    // The data folder cannot be created or written to.
    FolderNotWritable,
    // The template is gone, or the check found it no usable database.
    TemplateMissing,
    TemplateUnusable,
    // Reading the template or writing the copy failed half way.
    CopyFailed,
};

class DataLocation {
  public:
    enum class Layout { Portable, Installed };

    // A folder alone is the portable layout: everything in it.
    DataLocation(QString exeDir = {}); // NOLINT(google-explicit-constructor)

    // Installed when <exeDir>/../share/lumoclick/acdb.mdb exists, portable
    // otherwise. The XDG folders come from the environment.
    static DataLocation decide(const QString &exeDir);

    Layout layout() const { return layout_; }
    bool installed() const { return layout_ == Layout::Installed; }
    // Installed, yet neither HOME nor the XDG variables name the user's
    // folders: settingsFolder() and dataFolder() are empty and nothing is
    // created anywhere (without HOME the root folder would be used).
    bool homeMissing() const { return homeMissing_; }
    const QString &dataFolder() const { return dataFolder_; }
    const QString &exeDir() const { return exeDir_; }
    // The folder of setting.ini (and of the single-instance lock).
    const QString &settingsFolder() const { return settingsFolder_; }
    QString settingsPath() const;
    QString databasePath() const;
    // The read-only database every user's own is copied from (installed only).
    QString databaseTemplatePath() const;
    QString helpPagePath() const;

    // Installed: copies the template to the user's database when it is not
    // there yet, creating its folder. The copy goes to a temporary name and
    // is renamed into place, so a crash never leaves half a database. False
    // when that failed; portable: true, nothing is touched.
    bool prepareDatabase() const;
    // The same, with the template handed to templateUsable before it is
    // copied; a template it refuses is not copied.
    DatabaseSetup prepareDatabase(const std::function<bool(const QString &)> &templateUsable) const;

  private:
    Layout layout_ = Layout::Portable;
    bool homeMissing_ = false;
    QString exeDir_;
    QString settingsFolder_;
    QString dataFolder_;
    QString shareFolder_;
};

// $XDG_CONFIG_HOME or ~/.config, $XDG_DATA_HOME or ~/.local/share; a relative
// value is ignored as the XDG base directory rules say. Empty when the
// variable is unusable and HOME is unset, empty or relative.
QString xdgConfigHome();
QString xdgDataHome();

} // namespace lumo
