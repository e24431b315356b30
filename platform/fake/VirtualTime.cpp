#include "platform/fake/VirtualTime.h"

#include <algorithm>

namespace platform::fake {

VirtualTime::VirtualTime(QDateTime start) : start_(std::move(start)) {
}

std::uint64_t VirtualTime::schedule(qint64 atMs, Action action) {
    const std::uint64_t handle = nextHandle_++;
    due_.emplace(std::make_pair(std::max(atMs, nowMs_), handle), std::move(action));
    return handle;
}

void VirtualTime::cancel(std::uint64_t handle) {
    std::erase_if(due_, [handle](const auto &entry) { return entry.first.second == handle; });
}

void VirtualTime::advanceBy(qint64 ms) {
    advanceTo(nowMs_ + std::max<qint64>(ms, 0));
}

void VirtualTime::advanceTo(qint64 atMs) {
    advanceToUnless(atMs, {});
}

bool VirtualTime::advanceToUnless(qint64 atMs, const std::function<bool()> &cut) {
    // An action may wait, which moves the time on by itself: never go back.
    while (!due_.empty() && due_.begin()->first.first <= atMs) {
        auto node = due_.extract(due_.begin());
        nowMs_ = std::max(nowMs_, node.key().first);
        node.mapped()();
        if (cut && cut())
            return false;
    }
    nowMs_ = std::max(nowMs_, atMs);
    return true;
}

} // namespace platform::fake
