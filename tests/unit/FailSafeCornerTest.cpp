// The top-left corner stops the clicking when the user put the pointer
// there, not when the program did.

#include "core/FailSafeCorner.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

using lumo::FailSafeCorner;

namespace {

struct Corner {
    platform::fake::FakeBackend fake;
    FailSafeCorner corner{fake.mouse};
    int stops = 0;
    Corner() {
        corner.setStopper([this] { ++stops; });
    }
};

} // namespace

TEST(FailSafeCorner, TheUsersPointerWithinTwoPixelsOfTheCornerStops) {
    Corner c;
    for (const auto &[x, y] : {std::pair{0, 0}, {2, 2}, {0, 2}, {2, 0}}) {
        c.fake.mouse.userMovesTo(x, y);
        EXPECT_TRUE(c.corner.check()) << x << "," << y;
    }
    EXPECT_EQ(c.stops, 4);
    for (const auto &[x, y] : {std::pair{3, 0}, {0, 3}, {640, 512}, {3, 3}}) {
        c.fake.mouse.userMovesTo(x, y);
        EXPECT_FALSE(c.corner.check()) << x << "," << y;
    }
    EXPECT_EQ(c.stops, 4);
}

TEST(FailSafeCorner, TheProgramsOwnMoveIntoTheCornerDoesNotCountUntilItMovesElsewhere) {
    Corner c;
    // A step at 0,0, or off the screen beyond it, which lands in the corner.
    for (const auto &[x, y] : {std::pair{0, 0}, {-5, -40}}) {
        c.corner.noteOwnMove(x, y);
        c.fake.mouse.moveTo(std::max(x, 0), std::max(y, 0));
        EXPECT_FALSE(c.corner.check());
    }
    // The next step goes elsewhere; the user bringing it back counts again.
    c.corner.noteOwnMove(300, 300);
    c.fake.mouse.moveTo(300, 300);
    EXPECT_FALSE(c.corner.check());
    c.fake.mouse.userMovesTo(1, 1);
    EXPECT_TRUE(c.corner.check());
    EXPECT_EQ(c.stops, 1);
}

TEST(FailSafeCorner, SwitchedOffItNeverStops) {
    Corner c;
    c.corner.setEnabled(false);
    c.fake.mouse.userMovesTo(0, 0);
    EXPECT_FALSE(c.corner.check());
    EXPECT_EQ(c.stops, 0);
}
