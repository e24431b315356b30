#pragma once
// The section "setting" of setting.ini: every key the program keeps there
// and the value a file without the key reads as. The single-point panel and
// the stop hotkey ask it for their values; no other code names a key.

#include "storage/IniFile.h"

#include <QString>

namespace lumo {

enum class Setting {
    MouseButton,    // btn1: the stored word of the mouse button, "左键"
    ClickKind,      // btn_type: "单击" or "双击"
    Speed,          // time: seconds between clicks, as typed
    HotkeyModifier, // hotkey1: the single-point key's modifier word
    HotkeyKey,      // hotkey2: its key word
    ClickLimit,     // click: clicks before the clicker stops, 0 for none
    FixedX,         // xpos
    FixedY,         // ypos
    Hold,           // hold: milliseconds each click is held down
    Jitter,         // jitter: milliseconds the period varies by
    StopHotkey,     // stophotkey: the key that ends every run
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

    // The key as setting.ini spells it, "btn1" for the mouse button.
    static QString keyOf(Setting setting);

  private:
    IniFile ini_;
};

} // namespace lumo
