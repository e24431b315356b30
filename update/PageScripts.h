#pragma once
// The inline scripts of an HTML page, as the update page runs them.

#include <QString>
#include <QStringList>

namespace lumo {

// The page's own scripts in document order: external ones (src) are not
// fetched, and blocks of data (a type that is not JavaScript) are not run.
// Scripts inside comments are not scripts.
QStringList inlineScripts(QString html);

} // namespace lumo
