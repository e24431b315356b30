#pragma once
// The small hint near the top of the screen while a recording runs, which
// says how to end it. It stays above every window and lets every click
// through to what lies below, so it is never in a recording itself.

#include <QLabel>

namespace lumo {

class RecordingHint final : public QLabel {
    Q_OBJECT
  public:
    RecordingHint();
    // Shows it at the top of the screen the pointer is on, or takes it away.
    void showFor(bool recording);
};

} // namespace lumo
