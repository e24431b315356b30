#pragma once
// The switches read before anything else: --help and --version print and
// end. The words tb, 2345 and autotime keep their meaning as the first
// argument; whatever else stands on the line is ignored.

#include <QString>
#include <QStringList>

#include <optional>

namespace lumo {

// The text to print on stdout when the line asks for help or the version;
// nothing when the program should run. arguments include the program name.
// The help is in the language of the installed translations.
std::optional<QString> commandLineReply(const QStringList &arguments);

} // namespace lumo
