#pragma once
// The stop hotkey: one global hotkey (id 1108) whose press asks the running
// script to stop. Its text is the setting "stophotkey".

#include "core/HotkeyIds.h"
#include "core/MainContext.h"

namespace lumo {

// The stored stop hotkey text, "F6" when none is stored.
QString storedStopHotkey(const MainContext &context);

// (Re)registers the stop hotkey from the settings file.
void registerStopHotkey(MainContext &context);

} // namespace lumo
