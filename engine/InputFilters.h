#pragma once
// Character filters on typed input, as the edits' key handlers apply them.

class QLineEdit;

namespace lumo {

// Typed characters other than "0".."9" and backspace never reach the edit.
// Text put in by the program or pasted is not filtered.
void installDigitFilter(QLineEdit *edit);

} // namespace lumo
