#include "update/PageScriptEngine.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono_literals;

namespace lumo {
namespace {

QStringList scripts(std::initializer_list<const char *> texts) {
    QStringList list;
    for (const char *text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}

TEST(PageScriptEngine, ReadsTheGlobalsThePageDefinesAsTexts) {
    const auto globals = runPageScripts(scripts(
        {"var app_version = '3.8'; app_url = 'http://x/\xe5\x8d\x87';",
         "window.app_hp = 1 + 1; var nothing = null, unset;", "function f() { var local = 1; } f();"}));
    ASSERT_TRUE(globals);
    EXPECT_EQ(globals->value(QStringLiteral("app_version")), QStringLiteral("3.8"));
    EXPECT_EQ(globals->value(QStringLiteral("app_url")), QStringLiteral("http://x/升"));
    EXPECT_EQ(globals->value(QStringLiteral("app_hp")), QStringLiteral("2"));
    EXPECT_TRUE(globals->contains(QStringLiteral("nothing")));
    EXPECT_EQ(globals->value(QStringLiteral("nothing")), QString());
    EXPECT_EQ(globals->value(QStringLiteral("unset"), QStringLiteral("absent")), QString());
    EXPECT_FALSE(globals->contains(QStringLiteral("local")));
    // Built-ins are not the page's variables.
    EXPECT_FALSE(globals->contains(QStringLiteral("Math")));
}

TEST(PageScriptEngine, AFailingScriptStopsOnlyItself) {
    const auto globals =
        runPageScripts(scripts({"var a = 1; throw new Error('x'); var b = 2;", "syntax error (",
                                "var c = document.cookie === undefined ? 'bare' : 'no';"}));
    ASSERT_TRUE(globals);
    EXPECT_EQ(globals->value(QStringLiteral("a")), QStringLiteral("1"));
    EXPECT_EQ(globals->value(QStringLiteral("b")), QString());
    EXPECT_EQ(globals->value(QStringLiteral("c")), QStringLiteral("bare"));
}

TEST(PageScriptEngine, RunawayCodeIsStoppedByTheTimeLimit) {
    const ScriptLimits limits{200ms};
    for (const char *page : {"for (;;) {}", "var o = { toString: function () { for (;;) {} } };",
                             "try { for (;;) {} } catch (e) { for (;;) {} }"}) {
        const auto started = std::chrono::steady_clock::now();
        EXPECT_FALSE(runPageScripts(scripts({page}), limits)) << page;
        // Generous: the limit is 200 ms, a busy machine may add to it.
        EXPECT_LT(std::chrono::steady_clock::now() - started, 3s) << page;
    }
}

TEST(PageScriptEngine, AllocationBeyondTheMemoryCapFailsOnlyTheScript) {
    const ScriptLimits limits{5s, 4 * 1024 * 1024};
    const auto globals = runPageScripts(
        scripts({"(function () { var s = 'x'; for (;;) s = s + s; })();",
                 "var kept = 'x'; for (var i = 0; i < 30; ++i) kept += kept;", "var after = 'ok';"}),
        limits);
    ASSERT_TRUE(globals);
    EXPECT_EQ(globals->value(QStringLiteral("after")), QStringLiteral("ok"));
    // The second script stopped at the cap, with what it had by then.
    const qsizetype kept = globals->value(QStringLiteral("kept")).size();
    EXPECT_GT(kept, 0);
    EXPECT_LE(kept, 4 * 1024 * 1024);
}

TEST(PageScriptEngine, AHeapTooSmallToStartGivesNothing) {
    EXPECT_FALSE(runPageScripts(scripts({"var a = 1;"}), ScriptLimits{2s, 1024}));
}

// Memory (or time) running out anywhere, between the scripts or while the
// engine sets up its page, ends the run like any other failure: the engine
// itself must never find an error that nobody catches.
TEST(PageScriptEngine, RunningOutOfMemoryAtAnyPointGivesNothingOrTheVariables) {
    int gaveNothing = 0;
    for (std::size_t limit = 40 * 1024; limit <= 160 * 1024; limit += 512) {
        const auto globals =
            runPageScripts(scripts({"var a = 'x';", "var b = [1, 2, 3].join();"}), ScriptLimits{2s, limit});
        gaveNothing += globals ? 0 : 1;
    }
    // The smallest heaps start but cannot hold a page; the largest can.
    EXPECT_GT(gaveNothing, 0);
    EXPECT_LT(gaveNothing, 241);
}

} // namespace
} // namespace lumo
