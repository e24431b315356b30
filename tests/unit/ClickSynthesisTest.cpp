#include "core/ClickSynthesis.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

using namespace platform;
using lumo::clickSinglePoint;
using lumo::StepClick;

namespace {

using Events = std::vector<ButtonEvent>;
using enum ButtonEvent;

Events byEvent(const QString &stepEvent) {
    fake::FakeBackend fake;
    fake.mouse.userMovesTo(40, 50);
    lumo::clickStep(fake.mouse, lumo::stepClickOfEvent(stepEvent));
    for (const fake::MouseCall &call : fake.mouse.calls())
        EXPECT_EQ(call.at, (Point{40, 50})) << "the pointer moved";
    return fake.mouse.buttonEvents();
}

Events byButton(const QString &button, const QString &kind) {
    fake::FakeBackend fake;
    clickSinglePoint(fake.mouse, button, kind);
    EXPECT_EQ(fake.mouse.calls().size(), fake.mouse.buttonCalls().size())
        << "clickSinglePoint moved the pointer";
    return fake.mouse.buttonEvents();
}

} // namespace

TEST(clickStep, MakesTheInputOfEachStepEvent) {
    EXPECT_EQ(byEvent(QStringLiteral("左键单击")), (Events{LeftDown, LeftUp}));
    EXPECT_EQ(byEvent(QStringLiteral("左键双击")), (Events{LeftClick, LeftClick}));
    EXPECT_EQ(byEvent(QStringLiteral("右键单击")), (Events{RightDown, RightUp}));
    EXPECT_EQ(byEvent(QStringLiteral("右键双击")), (Events{RightClick, RightClick}));
    EXPECT_EQ(byEvent(QStringLiteral("中键单击")), (Events{MiddleDown, MiddleUp}));
    EXPECT_EQ(byEvent(QStringLiteral("中键双击")), (Events{MiddleClick, MiddleClick}));
}

TEST(clickStep, AnyOtherTextMakesNoInput) {
    for (const QString &text :
         {QStringLiteral("无点击"), QString(), QStringLiteral("左键"), QStringLiteral(" 左键单击")})
        EXPECT_TRUE(byEvent(text).empty()) << text.toStdString();
}

TEST(stepClickOfEvent, EveryClickReadsBackFromTheWordItIsStoredAs) {
    for (StepClick click :
         {StepClick::None, StepClick::LeftSingle, StepClick::LeftDouble, StepClick::RightSingle,
          StepClick::RightDouble, StepClick::MiddleSingle, StepClick::MiddleDouble})
        EXPECT_EQ(lumo::stepClickOfEvent(lumo::stepEventOf(click)), click);
    EXPECT_EQ(lumo::stepEventOf(StepClick::None), QStringLiteral("无点击"));
    EXPECT_EQ(lumo::stepEventOf(StepClick::RightDouble), QStringLiteral("右键双击"));
}

TEST(clickSinglePoint, MakesTheInputOfEachButtonAndKind) {
    EXPECT_EQ(byButton(QStringLiteral("左键"), QStringLiteral("单击")), (Events{LeftDown, LeftUp}));
    EXPECT_EQ(byButton(QStringLiteral("左键"), QStringLiteral("双击")), (Events{LeftClick, LeftClick}));
    EXPECT_EQ(byButton(QStringLiteral("右键"), QStringLiteral("单击")), (Events{RightDown, RightUp}));
    EXPECT_EQ(byButton(QStringLiteral("右键"), QStringLiteral("双击")), (Events{RightClick, RightClick}));
    // Left before right.
    EXPECT_EQ(byButton(QStringLiteral("左右键"), QStringLiteral("单击")), (Events{LeftClick, RightClick}));
    EXPECT_EQ(byButton(QStringLiteral("左右键"), QStringLiteral("双击")),
              (Events{LeftClick, LeftClick, RightClick, RightClick}));
    EXPECT_EQ(byButton(QStringLiteral("中键"), QStringLiteral("单击")), (Events{MiddleDown, MiddleUp}));
    EXPECT_EQ(byButton(QStringLiteral("中键"), QStringLiteral("双击")), (Events{MiddleClick, MiddleClick}));
}

TEST(clickSinglePoint, AnUnknownKindIsADoubleClickAndAnUnknownButtonNothing) {
    EXPECT_EQ(byButton(QStringLiteral("左键"), QString()), (Events{LeftClick, LeftClick}));
    EXPECT_EQ(byButton(QStringLiteral("左键"), QStringLiteral("三击")), (Events{LeftClick, LeftClick}));
    EXPECT_TRUE(byButton(QStringLiteral("中间"), QStringLiteral("单击")).empty());
    EXPECT_TRUE(byButton(QString(), QString()).empty());
}

TEST(clickSinglePointHeld, HoldsEveryClickDownForTheWaitBetweenItsPressAndRelease) {
    const auto held = [](const QString &button, const QString &kind) {
        fake::FakeBackend fake;
        std::vector<std::string> trace;
        lumo::clickSinglePointHeld(fake.mouse, button, kind, 80, [&](int ms) {
            trace.push_back("wait " + std::to_string(ms));
            fake.advance(ms);
            return true;
        });
        for (const fake::MouseCall &call : fake.mouse.buttonCalls())
            trace.push_back(std::string(fake::nameOf(call.event)) + "@" + std::to_string(call.timeMs));
        return trace;
    };
    using Trace = std::vector<std::string>;
    EXPECT_EQ(held(QStringLiteral("左键"), QStringLiteral("单击")),
              (Trace{"wait 80", "LeftDown@0", "LeftUp@80"}));
    EXPECT_EQ(held(QStringLiteral("中键"), QStringLiteral("双击")),
              (Trace{"wait 80", "wait 80", "MiddleDown@0", "MiddleUp@80", "MiddleDown@80", "MiddleUp@160"}));
    EXPECT_EQ(held(QStringLiteral("左右键"), QStringLiteral("单击")),
              (Trace{"wait 80", "wait 80", "LeftDown@0", "LeftUp@80", "RightDown@80", "RightUp@160"}));
    EXPECT_TRUE(held(QStringLiteral("中间"), QStringLiteral("单击")).empty());
}

TEST(clickSinglePointHeld, AHoldCutShortReleasesItsButtonAndEndsTheClicks) {
    for (const char *kind : {"单击", "双击"}) {
        fake::FakeBackend fake;
        int waits = 0;
        lumo::clickSinglePointHeld(fake.mouse, QStringLiteral("左右键"), QString::fromUtf8(kind), 60000,
                                   [&](int) {
                                       ++waits;
                                       fake.advance(7);
                                       return false;
                                   });
        EXPECT_EQ(waits, 1) << kind;
        EXPECT_EQ(fake.mouse.buttonEvents(),
                  (std::vector<ButtonEvent>{ButtonEvent::LeftDown, ButtonEvent::LeftUp}))
            << kind;
        EXPECT_EQ(fake.mouse.buttonCalls().back().timeMs, 7) << kind;
    }
}
