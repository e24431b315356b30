#pragma once
// Runs an update page's inline scripts in a bare JavaScript engine: no
// console, no network, no files, no modules, only `window`, `self` and an
// empty `document`. Time and memory are capped, so no page can hang or
// exhaust the program.

#include <QHash>
#include <QString>
#include <QStringList>

#include <chrono>
#include <cstddef>
#include <optional>

namespace lumo {

struct ScriptLimits {
    // Every script of a page together, and the reading of its variables.
    std::chrono::milliseconds time{2000};
    // The engine's whole heap.
    std::size_t memoryBytes = 16 * 1024 * 1024;
};

// The page's global variables as texts (undefined and null as empty texts)
// after its scripts ran in order. A script that fails stops only itself, as
// in a browser; nothing when the scripts ran out of time, or when the engine
// could not even start within the memory allowed.
std::optional<QHash<QString, QString>> runPageScripts(const QStringList &scripts,
                                                      const ScriptLimits &limits = {});

} // namespace lumo
