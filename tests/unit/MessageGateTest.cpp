#include "core/MessageGate.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

using lumo::MessageGate;

TEST(MessageGate, DeliversAtOnceOutsideAWait) {
    platform::fake::FakeBackend fake;
    MessageGate gate(fake.clock);
    QStringList log;
    gate.post([&] { log << QStringLiteral("press"); });
    gate.postTick(&log, [&] { log << QStringLiteral("tick"); });
    EXPECT_EQ(log, (QStringList{QStringLiteral("press"), QStringLiteral("tick")}));
}

TEST(MessageGate, HoldsWhatArrivesDuringAWaitUntilThePumpInArrivalOrder) {
    platform::fake::FakeBackend fake;
    MessageGate gate(fake.clock);
    QStringList log;
    int key = 0;
    fake.time.schedule(100, [&] { gate.post([&] { log << QStringLiteral("press A"); }); });
    fake.time.schedule(200, [&] { gate.postTick(&key, [&] { log << QStringLiteral("tick"); }); });
    fake.time.schedule(300, [&] { gate.postTick(&key, [&] { log << QStringLiteral("tick again"); }); });
    fake.time.schedule(400, [&] { gate.post([&] { log << QStringLiteral("press B"); }); });
    gate.wait(1000);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(fake.time.nowMs(), 1000);
    // Ticks of one timer coalesce into the first; presses are all kept.
    gate.pump();
    EXPECT_EQ(log,
              (QStringList{QStringLiteral("press A"), QStringLiteral("tick"), QStringLiteral("press B")}));
}

TEST(MessageGate, AMessageThatWaitsLetsTheRestOfTheQueueRunInsideIt) {
    platform::fake::FakeBackend fake;
    MessageGate gate(fake.clock);
    QStringList log;
    // A run started by the first message pumps the second inside its own step.
    fake.time.schedule(10, [&] {
        gate.post([&] {
            log << QStringLiteral("outer starts");
            gate.pump();
            log << QStringLiteral("outer ends");
        });
    });
    fake.time.schedule(20, [&] { gate.post([&] { log << QStringLiteral("inner"); }); });
    gate.wait(50);
    gate.pump();
    EXPECT_EQ(log, (QStringList{QStringLiteral("outer starts"), QStringLiteral("inner"),
                                QStringLiteral("outer ends")}));
}

TEST(MessageGate, WhatARunHeldInItsLastPauseFollowsTheMessageThatStartedIt) {
    platform::fake::FakeBackend fake;
    MessageGate gate(fake.clock);
    QStringList log;
    gate.post([&] {
        fake.time.schedule(fake.time.nowMs() + 5, [&] { gate.post([&] { log << QStringLiteral("held"); }); });
        gate.wait(800);
        log << QStringLiteral("run ends");
    });
    EXPECT_EQ(log, (QStringList{QStringLiteral("run ends"), QStringLiteral("held")}));
}

TEST(MessageGate, AnInterruptionEndsEveryWaitUnderWayAtItsMomentAndNoLaterOne) {
    platform::fake::FakeBackend fake;
    MessageGate gate(fake.clock);
    bool innerHeld = true;
    // A wait inside a wait (a hold inside a run's pause): both end at 250.
    fake.time.schedule(100, [&] { innerHeld = gate.wait(60000); });
    fake.time.schedule(250, [&] { gate.interruptWaits(); });
    EXPECT_FALSE(gate.wait(1000));
    EXPECT_FALSE(innerHeld);
    EXPECT_EQ(fake.time.nowMs(), 250);
    // The interruption is spent: the next wait lasts its time.
    EXPECT_TRUE(gate.wait(100));
    EXPECT_EQ(fake.time.nowMs(), 350);
}

TEST(MessageGate, DroppingHeldPlaysKeepsEveryOtherMessageInOrder) {
    platform::fake::FakeBackend fake;
    MessageGate gate(fake.clock);
    QStringList log;
    int key = 0;
    const auto post = [&](qint64 at, const char *text, MessageGate::Kind kind) {
        fake.time.schedule(
            at, [&, text, kind] { gate.post([&, text] { log << QString::fromUtf8(text); }, kind); });
    };
    post(10, "play 1", MessageGate::Kind::Play);
    post(20, "single-point key", MessageGate::Kind::Keep);
    fake.time.schedule(30, [&] { gate.postTick(&key, [&] { log << QStringLiteral("tick"); }); });
    post(40, "play 2", MessageGate::Kind::Play);
    fake.time.schedule(45, [&] { gate.postTick(&log, [&] { log << QStringLiteral("other tick"); }); });
    fake.time.schedule(50, [&] {
        gate.dropHeldPlays();
        gate.dropHeldTick(&log);
    });
    post(60, "play 3", MessageGate::Kind::Play);
    gate.wait(100);
    gate.pump();
    EXPECT_EQ(log, (QStringList{QStringLiteral("single-point key"), QStringLiteral("tick"),
                                QStringLiteral("play 3")}));
}
