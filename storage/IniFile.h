#pragma once
// "setting.ini" beside the executable, read and written key by key with the
// rules of the Windows profile functions, in code page 936. Every call opens
// and closes the file; nothing is kept in memory between calls.

#include "core/DataLocation.h"

#include <QString>

namespace lumo {

class IniFile {
  public:
    explicit IniFile(QString path) : path_(std::move(path)) {}

    // setting.ini where the program keeps its settings.
    static IniFile settings(const DataLocation &location);

    // The value of key in section; def when the file, the section or the
    // key is missing. A present key with an empty value reads empty. Names
    // match without regard to case; at most 2047 bytes of a value are read.
    QString readString(const QString &section, const QString &key, const QString &def) const;

    // Stores one value. The file is replaced whole by a complete new one, so
    // it is never left half-written. Raises "Unable to write to <path>" when
    // the system refuses.
    void writeString(const QString &section, const QString &key, const QString &value) const;

    // Something is at the path, yet it cannot be read as the settings file
    // (a folder, a pipe, no permission): every read gives its default.
    bool unreadable() const;

    const QString &path() const { return path_; }

  private:
    QString path_;
};

} // namespace lumo
