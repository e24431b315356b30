// Every control of every window sits where its window's table says, in
// Chinese and in English: the e2e tests and the screenshot tool click
// through the same tables, so a table that drifted from the window would
// send their clicks astray.

#include "app/AboutDialog.h"
#include "app/AppControls.h"
#include "app/Translations.h"
#include "scripts/ScriptControls.h"
#include "singlepoint/SinglePointControls.h"
#include "steps/StepControls.h"
#include "tests/gui/support/GuiFixture.h"
#include "tests/gui/support/WidgetLookup.h"
#include "timed/TimedControls.h"
#include "update/UpdateControls.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTest>

using namespace lumo;
using lumo::test::GuiFixture;
using lumo::test::ui;

namespace {

// The rows of table that are not where it puts them. scope holds the
// controls (the window, or the group a panel's table describes), which sits
// at origin in window.
QStringList misplaced(QWidget *window, QWidget *scope, ControlTable table, QPoint origin = {}) {
    QStringList problems;
    for (const ControlSpec &row : table) {
        // The status bar places the link beside its text once it shows.
        if (std::string_view(row.name) == "homePageLinkLabel" && window->objectName() == u"mainWindow")
            continue;
        const QString name = QLatin1String(row.name);
        const auto *control = scope->findChild<QWidget *>(name);
        const QString where = window->objectName() + QLatin1Char('/') + name;
        if (!control) {
            problems << where + QStringLiteral(": missing");
            continue;
        }
        const QRect expected = controlRect(table, row.name).translated(origin);
        const QRect actual(control->mapTo(window, QPoint(0, 0)), control->size());
        const bool fits = row.kind == ControlKind::FittedLabel ? actual.topLeft() == expected.topLeft()
                                                               : actual == expected;
        if (!fits)
            problems << QStringLiteral("%1: at %2,%3 %4x%5, the table says %6,%7 %8x%9")
                            .arg(where)
                            .arg(actual.x())
                            .arg(actual.y())
                            .arg(actual.width())
                            .arg(actual.height())
                            .arg(expected.x())
                            .arg(expected.y())
                            .arg(expected.width())
                            .arg(expected.height());
    }
    return problems;
}

QStringList misplacedInEveryWindow(GuiFixture &f) {
    MainWindow &main = f.main();
    // A tab widget lays a page out when it first shows it.
    auto *tabs = ui<QTabWidget>(&main, "tabWidget");
    const int current = tabs->currentIndex();
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QCoreApplication::processEvents();
    }
    tabs->setCurrentIndex(current);
    QCoreApplication::processEvents();
    QStringList problems = misplaced(&main, &main, kMainWindowControls);
    const std::pair<const char *, ControlTable> panels[] = {{"singlePoint", kSinglePointControls},
                                                            {"scriptList", kScriptListControls},
                                                            {"timedList", kTimedListControls}};
    for (const auto &[panel, table] : panels)
        problems << misplaced(&main, ui<QWidget>(&main, panel), table,
                              controlRect(kMainWindowControls, panel).topLeft());

    AppWindows &forms = *f.forms;
    const auto editors = [&](QWidget *dialog, ControlTable table, ControlTable steps) {
        dialog->show();
        QCoreApplication::processEvents();
        problems << misplaced(dialog, dialog, table);
        problems << misplaced(dialog, ui<QWidget>(dialog, "stepsGroupBox"), steps,
                              controlRect(table, "stepsGroupBox").topLeft());
        dialog->hide();
    };
    editors(forms.addScriptDialog, kScriptEditorControls, kScriptStepListControls);
    editors(forms.modifyScriptDialog, kScriptEditorControls, kScriptStepListControls);
    editors(forms.addTimedTaskDialog, kTimedEditorControls, kTimedStepListControls);
    editors(forms.modifyTimedTaskDialog, kTimedEditorControls, kTimedStepListControls);

    const auto window = [&](QWidget *shown, ControlTable table) {
        shown->show();
        QCoreApplication::processEvents();
        problems << misplaced(shown, shown, table);
        shown->hide();
    };
    for (QWidget *editor : std::initializer_list<QWidget *>{
             forms.addScriptAddStepEditor, forms.addScriptModifyStepEditor, forms.modifyScriptAddStepEditor,
             forms.modifyScriptModifyStepEditor, forms.addTimedTaskAddStepEditor,
             forms.addTimedTaskModifyStepEditor, forms.modifyTimedTaskAddStepEditor,
             forms.modifyTimedTaskModifyStepEditor})
        window(editor, kStepEditorControls);
    window(forms.stopHotkeyDialog, kStopHotkeyControls);
    window(forms.updateDownloadWindow.get(), kUpdateDownloadControls);
    AboutDialog about(f.fake.services().shell);
    window(&about, kAboutControls);
    return problems;
}

} // namespace

class ControlTableTest : public QObject {
    Q_OBJECT
  private slots:
    void everyControlSitsWhereItsTableSays_data() {
        QTest::addColumn<UiLanguage>("language");
        QTest::newRow("Chinese") << UiLanguage::Chinese;
        QTest::newRow("English") << UiLanguage::English;
    }
    void everyControlSitsWhereItsTableSays() {
        QFETCH(UiLanguage, language);
        installTranslations(language);
        const auto restore = qScopeGuard([] { installTranslations(UiLanguage::Chinese); });
        GuiFixture f;
        f.start();
        const QStringList problems = misplacedInEveryWindow(f);
        for (const QString &problem : problems)
            qWarning("%s", qPrintable(problem));
        QCOMPARE(problems.size(), 0);
    }
};

QTEST_MAIN(ControlTableTest)
#include "ControlTableTest.moc"
