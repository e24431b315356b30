#pragma once
// The section "setting" of setting.ini: every key the program keeps there
// and the value a file without the key reads as. The single-point panel and
// the stop hotkey ask it for their values; no other code names a key.

#include "storage/IniFile.h"

#include <QString>

namespace lumo {

// Each as setting.ini names it: keyOf() gives the key.
enum class Setting {
    MouseButton,    // the stored word of the mouse button, "左键"
    ClickKind,      // "单击" or "双击"
    Speed,          // seconds between clicks, as typed
    HotkeyModifier, // the single-point key's modifier word
    HotkeyKey,      // its key word
    ClickLimit,     // clicks before the clicker stops, 0 for none
    FixedX,         // the fixed position
    FixedY,
    Hold,       // milliseconds each click is held down
    Jitter,     // milliseconds the period varies by
    StopHotkey, // the key that ends every run
    FailSafe,   // "0": the pointer in the top-left corner stops nothing
};

class Settings {
  public:
    explicit Settings(const DataLocation &location) : ini_(IniFile::settings(location)) {}

    // The stored text, or the setting's default when the file lacks it.
    QString text(Setting setting) const;
    // Whether the file has the key at all.
    bool holds(Setting setting) const;
    // Raises "Unable to write to <path>" when the system refuses.
    void write(Setting setting, const QString &text) const;

    bool unreadable() const { return ini_.unreadable(); }
    const QString &path() const { return ini_.path(); }

    // The key as setting.ini spells it.
    static QString keyOf(Setting setting);

  private:
    IniFile ini_;
};

} // namespace lumo
