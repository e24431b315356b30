#pragma once
// Character filters on typed input, as the edits' key handlers apply them.

class QWidget;

namespace lumo {

// Typed characters other than "0".."9" and backspace never reach the edit.
// Text put in by the program or pasted is not filtered.
// An editable drop-down list takes the filter on itself, since it hands its
// keys straight to its edit, past the edit's own filters.
// With typedLimit above 0, typing stops at that many characters too; text
// the program puts in is shown whole, however long (a stored value must go
// back as it was stored), and can still be shortened by typing.
void installDigitFilter(QWidget *field, int typedLimit = 0);

} // namespace lumo
