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
    void sendButtons(unsigned flags) override;

  private:
    Connection &connection_;
    bool hasXTest_ = false;
};

} // namespace platform::x11
