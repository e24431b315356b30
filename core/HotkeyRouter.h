#pragma once
// Hands each hotkey press to the window that registered it.

#include "platform/Platform.h"

#include <QHash>

#include <functional>

namespace lumo {

class HotkeyRouter {
  public:
    using Receiver = std::function<void(int id)>;

    void addReceiver(platform::WindowHandle owner, Receiver receiver) {
        receivers_.insert(owner, std::move(receiver));
    }
    void removeReceiver(platform::WindowHandle owner) { receivers_.remove(owner); }
    // False when no window of ours receives for owner.
    bool deliver(platform::WindowHandle owner, int id) const {
        const auto it = receivers_.constFind(owner);
        if (it == receivers_.cend())
            return false;
        const Receiver receiver = it.value(); // it may remove itself
        receiver(id);
        return true;
    }

  private:
    QHash<platform::WindowHandle, Receiver> receivers_;
};

} // namespace lumo
