#include "steps/StepListText.h"

#include <QApplication>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace lumo;

namespace {

QStringList fields(const char *a, const char *b, const char *c, const char *d) {
    return {QString::fromUtf8(a), QString::fromUtf8(b), QString::fromUtf8(c), QString::fromUtf8(d)};
}

} // namespace

TEST(StepListText, SplittingKeepsEmptyPiecesAndGivesNoneForEmptyText) {
    EXPECT_TRUE(splitText(QString(), QLatin1Char('|')).isEmpty());
    EXPECT_EQ(splitText(QStringLiteral("abc"), QLatin1Char('|')), QStringList{QStringLiteral("abc")});
    EXPECT_EQ(splitText(QStringLiteral("a||b|"), QLatin1Char('|')),
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b"), QString()}));
}

TEST(StepListText, EntriesIgnoreWhatFollowsTheLastBar) {
    const auto two = stepEntries(QStringLiteral("100,200,左键单击,20|350,80,右键双击,500|"));
    ASSERT_EQ(two.size(), 2);
    EXPECT_EQ(two[0], fields("100", "200", "左键单击", "20"));
    EXPECT_EQ(two[1], fields("350", "80", "右键双击", "500"));

    EXPECT_TRUE(stepEntries(QString()).isEmpty());
    // A last entry without its closing bar is lost.
    EXPECT_TRUE(stepEntries(QStringLiteral("1,2,左键单击,20")).isEmpty());
    EXPECT_EQ(stepEntries(QStringLiteral("1,2,左键单击,20|3,4")).size(), 1);
    // Two bars in a row give an entry with no fields.
    const auto empty = stepEntries(QStringLiteral("||"));
    ASSERT_EQ(empty.size(), 2);
    EXPECT_TRUE(empty[0].isEmpty());
    // Five fields are kept as read; readers use the first four.
    EXPECT_EQ(stepEntries(QStringLiteral("1,2,无点击,5,extra|"))[0].size(), 5);
}

TEST(StepListText, ViewRoundTripAndMalformedEntries) {
    int argc = 1;
    char name[] = "unit_tests";
    char *argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QTreeWidget view;
    view.setColumnCount(3);
    const QString text = QStringLiteral("100,200,左键单击,20|-5,80,右键双击,500|");
    ASSERT_TRUE(fillStepList(view, text));
    ASSERT_EQ(view.topLevelItemCount(), 2);
    EXPECT_EQ(view.topLevelItem(1)->text(0), QStringLiteral("-5,80"));
    EXPECT_EQ(encodeStepList(view), text);

    // A position typed without a comma is stored as typed.
    appendStepRow(view, QStringLiteral("100"), QStringLiteral("左键单击"), QStringLiteral("20"));
    EXPECT_TRUE(encodeStepList(view).endsWith(QStringLiteral("|100,左键单击,20|")));

    // Such an entry has three fields: the fill stops there, keeping the rows before it.
    EXPECT_FALSE(fillStepList(view, QStringLiteral("1,2,左键单击,20|100,左键单击,20|3,4,无点击,1|")));
    ASSERT_EQ(view.topLevelItemCount(), 1);
    EXPECT_EQ(view.topLevelItem(0)->text(0), QStringLiteral("1,2"));

    EXPECT_TRUE(fillStepList(view, QString()));
    EXPECT_EQ(view.topLevelItemCount(), 0);
    EXPECT_EQ(encodeStepList(view), QString());
}
