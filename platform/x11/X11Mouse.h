#pragma once
// The pointer and synthetic mouse buttons through the XTest extension.

#include "platform/Platform.h"
#include "platform/x11/XConnection.h"

namespace platform::x11 {

class X11Mouse final : public Mouse {
  public:
    explicit X11Mouse(Connection &connection);

    void moveTo(int x, int y) override;
    Point position() override;
    void sendButtons(ButtonEvent event) override;
    void sendButtonSequence(const std::vector<ButtonEvent> &sequence) override;
    void awaitDelivery() override;

  private:
    // Puts the requests for event into Xlib's buffer; true when there were any.
    bool queueButtons(ButtonEvent event);
    void flushButtons();

    Connection &connection_;
    bool hasXTest_ = false;
};

} // namespace platform::x11
