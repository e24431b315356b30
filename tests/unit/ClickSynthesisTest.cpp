#include "core/ClickSynthesis.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

using namespace platform;
using lumo::clickSinglePoint;
using lumo::clickStepEvent;

namespace {

std::vector<unsigned> byEvent(const QString &stepEvent) {
    fake::FakeBackend fake;
    fake.mouse.userMovesTo(40, 50);
    clickStepEvent(fake.mouse, stepEvent);
    for (const fake::MouseCall &call : fake.mouse.calls())
        EXPECT_EQ(call.at, (Point{40, 50})) << "the pointer moved";
    return fake.mouse.buttonFlags();
}

std::vector<unsigned> byButton(const QString &button, const QString &kind) {
    fake::FakeBackend fake;
    clickSinglePoint(fake.mouse, button, kind);
    EXPECT_EQ(fake.mouse.calls().size(), fake.mouse.buttonCalls().size())
        << "clickSinglePoint moved the pointer";
    return fake.mouse.buttonFlags();
}

using Flags = std::vector<unsigned>;

} // namespace

TEST(clickStepEvent, MakesTheInputOfEachStepEvent) {
    EXPECT_EQ(byEvent(QStringLiteral("左键单击")), (Flags{0x2, 0x4}));
    EXPECT_EQ(byEvent(QStringLiteral("左键双击")), (Flags{0x6, 0x6}));
    EXPECT_EQ(byEvent(QStringLiteral("右键单击")), (Flags{0x8, 0x10}));
    EXPECT_EQ(byEvent(QStringLiteral("右键双击")), (Flags{0x18, 0x18}));
    EXPECT_EQ(byEvent(QStringLiteral("中键单击")), (Flags{0x20, 0x40}));
    EXPECT_EQ(byEvent(QStringLiteral("中键双击")), (Flags{0x60, 0x60}));
}

TEST(clickStepEvent, AnyOtherTextMakesNoInput) {
    for (const QString &text :
         {QStringLiteral("无点击"), QString(), QStringLiteral("左键"), QStringLiteral(" 左键单击")})
        EXPECT_TRUE(byEvent(text).empty()) << text.toStdString();
}

TEST(clickSinglePoint, MakesTheInputOfEachButtonAndKind) {
    EXPECT_EQ(byButton(QStringLiteral("左键"), QStringLiteral("单击")), (Flags{0x2, 0x4}));
    EXPECT_EQ(byButton(QStringLiteral("左键"), QStringLiteral("双击")), (Flags{0x6, 0x6}));
    EXPECT_EQ(byButton(QStringLiteral("右键"), QStringLiteral("单击")), (Flags{0x8, 0x10}));
    EXPECT_EQ(byButton(QStringLiteral("右键"), QStringLiteral("双击")), (Flags{0x18, 0x18}));
    // Left before right.
    EXPECT_EQ(byButton(QStringLiteral("左右键"), QStringLiteral("单击")), (Flags{0x6, 0x18}));
    EXPECT_EQ(byButton(QStringLiteral("左右键"), QStringLiteral("双击")), (Flags{0x6, 0x6, 0x18, 0x18}));
    EXPECT_EQ(byButton(QStringLiteral("中键"), QStringLiteral("单击")), (Flags{0x20, 0x40}));
    EXPECT_EQ(byButton(QStringLiteral("中键"), QStringLiteral("双击")), (Flags{0x60, 0x60}));
}

TEST(clickSinglePoint, AnUnknownKindIsADoubleClickAndAnUnknownButtonNothing) {
    EXPECT_EQ(byButton(QStringLiteral("左键"), QString()), (Flags{0x6, 0x6}));
    EXPECT_EQ(byButton(QStringLiteral("左键"), QStringLiteral("三击")), (Flags{0x6, 0x6}));
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
            trace.push_back(std::to_string(call.flags) + "@" + std::to_string(call.timeMs));
        return trace;
    };
    using Trace = std::vector<std::string>;
    EXPECT_EQ(held(QStringLiteral("左键"), QStringLiteral("单击")), (Trace{"wait 80", "2@0", "4@80"}));
    EXPECT_EQ(held(QStringLiteral("中键"), QStringLiteral("双击")),
              (Trace{"wait 80", "wait 80", "32@0", "64@80", "32@80", "64@160"}));
    EXPECT_EQ(held(QStringLiteral("左右键"), QStringLiteral("单击")),
              (Trace{"wait 80", "wait 80", "2@0", "4@80", "8@80", "16@160"}));
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
        EXPECT_EQ(fake.mouse.buttonFlags(), (std::vector<unsigned>{MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}))
            << kind;
        EXPECT_EQ(fake.mouse.buttonCalls().back().timeMs, 7) << kind;
    }
}
