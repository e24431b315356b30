#include "update/PageScripts.h"

#include <gtest/gtest.h>

using namespace lumo;

TEST(PageScriptsTest, InlineScriptsRunAndOthersDoNot) {
    const QStringList scripts = inlineScripts(
        QStringLiteral("<script>var a=1</script><SCRIPT type=\"text/javascript\">var b=2</SCRIPT >"
                       "<script src=\"x.js\">var c=3</script><script type=\"text/template\">var d=4</script>"
                       "<!-- <script>var e=5</script> -->"));
    EXPECT_EQ(scripts, QStringList({QStringLiteral("var a=1"), QStringLiteral("var b=2")}));
}

TEST(PageScriptsTest, ACommentNeverJoinsTheTextAroundItIntoATag) {
    EXPECT_TRUE(inlineScripts(QStringLiteral("<S<!-- -->CRIPT>var x=1</SCRIPT>")).isEmpty());
    EXPECT_TRUE(inlineScripts(QStringLiteral("<script>var x=1</scr<!-- -->ipt>")).isEmpty());
}
