// What a screen reader finds in every window, in Chinese and in English:
// each control that takes the focus has a name, no two in one window share
// one, a label is the buddy of the field it names, and the lists offer only
// the columns they show.

#include "app/AboutDialog.h"
#include "app/Translations.h"
#include "scripts/ScriptList.h"
#include "storage/ScriptStore.h"
#include "storage/TimedStore.h"
#include "tests/gui/support/GuiFixture.h"
#include "tests/gui/support/WidgetLookup.h"
#include "timed/TimedList.h"

#include <QAccessible>
#include <QChar>
#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>

using namespace lumo;
using lumo::test::GuiFixture;
using lumo::test::ui;

namespace {

struct Named {
    QString role;
    QString name;
};

// What a reader calls the control. On X11 Qt gives a drop-down list its
// value as its name and names it through the label related to it, as
// AT-SPI readers expect.
QString spokenName(QAccessibleInterface *node) {
    if (node->role() != QAccessible::ComboBox)
        return node->text(QAccessible::Name);
    if (const auto *widget = qobject_cast<const QWidget *>(node->object());
        widget && !widget->accessibleName().isEmpty())
        return widget->accessibleName();
    const auto labels = node->relations(QAccessible::Labelled);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

// Every visible control of the interface's tree that takes the focus.
void collectFocusable(QAccessibleInterface *node, QList<QPair<QAccessibleInterface *, Named>> &found,
                      int depth = 0) {
    if (!node || depth > 40)
        return;
    const QAccessible::State state = node->state();
    if (state.invisible)
        return;
    if (state.focusable)
        found << qMakePair(node, Named{QString::number(node->role()), spokenName(node)});
    // A reader speaks of these as one control: the rows of a list are its
    // content, a drop-down list's edit field and popup are the list, and a
    // tab bar is read with its current tab.
    switch (node->role()) {
    case QAccessible::Tree:
    case QAccessible::Table:
    case QAccessible::List:
    case QAccessible::ComboBox:
    case QAccessible::PageTabList:
        return;
    default:
        break;
    }
    for (int i = 0; i < node->childCount(); ++i)
        collectFocusable(node->child(i), found, depth + 1);
}

QString describe(QAccessibleInterface *node) {
    const QObject *object = node->object();
    return object && !object->objectName().isEmpty() ? object->objectName()
                                                     : QStringLiteral("role %1").arg(node->role());
}

// The window's unnamed and same-named focusable controls.
bool hasChinese(const QString &text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x4e00 && c.unicode() <= 0x9fff; });
}

QStringList namingProblems(QWidget *window, bool english) {
    QList<QPair<QAccessibleInterface *, Named>> found;
    collectFocusable(QAccessible::queryAccessibleInterface(window), found);
    QStringList problems;
    QHash<QString, QString> owners;
    for (const auto &[node, named] : std::as_const(found)) {
        const QString where = window->objectName() + QLatin1Char('/') + describe(node);
        if (named.name.trimmed().isEmpty()) {
            problems << where + QStringLiteral(": no name");
            continue;
        }
        if (english && hasChinese(named.name))
            problems << where + QStringLiteral(": named \"%1\" in the English interface").arg(named.name);
        if (owners.contains(named.name))
            problems
                << where + QStringLiteral(": named \"%1\" like %2").arg(named.name, owners.value(named.name));
        else
            owners.insert(named.name, describe(node));
    }
    if (found.isEmpty())
        problems << window->objectName() + QStringLiteral(": nothing takes the focus");
    return problems;
}

// A label beside a field that is not its buddy.
QStringList labelsWithoutBuddies(QWidget *window) {
    QStringList problems;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        const QString name = label->objectName();
        const bool namesAField = name.endsWith(QLatin1String("Label")) && !label->text().isEmpty() &&
                                 (window->findChild<QWidget *>(
                                      QString(name).replace(QLatin1String("Label"), QLatin1String("Edit"))) ||
                                  window->findChild<QWidget *>(QString(name).replace(
                                      QLatin1String("Label"), QLatin1String("ComboBox"))));
        if (namesAField && !label->buddy())
            problems << window->objectName() + QLatin1Char('/') + name + QStringLiteral(": no buddy");
    }
    return problems;
}

// Columns a list hides that its accessible table still offers.
QStringList hiddenColumnsOffered(QWidget *window) {
    QStringList problems;
    for (QTreeWidget *list : window->findChildren<QTreeWidget *>()) {
        if (!list->isVisible())
            continue;
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(list);
        QAccessibleTableInterface *table = node ? node->tableInterface() : nullptr;
        if (!table)
            continue;
        int shown = 0;
        for (int column = 0; column < list->columnCount(); ++column)
            shown += list->isColumnHidden(column) ? 0 : 1;
        if (table->columnCount() != shown)
            problems << QStringLiteral("%1/%2: %3 columns offered, %4 shown")
                            .arg(window->objectName(), list->objectName())
                            .arg(table->columnCount())
                            .arg(shown);
        for (int column = 0; column < table->columnCount(); ++column)
            if (table->columnDescription(column).trimmed().isEmpty())
                problems << QStringLiteral("%1/%2: column %3 has no title")
                                .arg(window->objectName(), list->objectName())
                                .arg(column);
    }
    return problems;
}

// Cells of the lists that a reader would speak in Chinese in the English
// interface: the words the program stores, not the user's own.
QStringList chineseCells(QWidget *window, const QList<QPair<const char *, QList<int>>> &lists) {
    QStringList problems;
    // A tree view lays its rows out, for readers too, from the event loop.
    QCoreApplication::processEvents();
    for (const auto &[name, columns] : lists) {
        auto *list = window->findChild<QTreeWidget *>(QLatin1String(name));
        QAccessibleInterface *node = list ? QAccessible::queryAccessibleInterface(list) : nullptr;
        QAccessibleTableInterface *table = node ? node->tableInterface() : nullptr;
        if (!table || table->rowCount() == 0) {
            problems << QStringLiteral("%1: no rows to read").arg(QLatin1String(name));
            continue;
        }
        for (int row = 0; row < table->rowCount(); ++row)
            for (const int column : columns)
                if (QAccessibleInterface *cell = table->cellAt(row, column);
                    !cell || hasChinese(cell->text(QAccessible::Name)))
                    problems << QStringLiteral("%1: row %2 column %3 reads \"%4\"")
                                    .arg(QLatin1String(name))
                                    .arg(row)
                                    .arg(column)
                                    .arg(cell ? cell->text(QAccessible::Name) : QString());
    }
    return problems;
}

QStringList problemsOf(QWidget *window, bool english) {
    window->show();
    QCoreApplication::processEvents();
    return namingProblems(window, english) + labelsWithoutBuddies(window) + hiddenColumnsOffered(window);
}

QStringList problemsInEveryWindow(GuiFixture &f, bool english) {
    MainWindow &main = f.main();
    QStringList problems;
    auto *tabs = ui<QTabWidget>(&main, "tabWidget");
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QCoreApplication::processEvents();
        for (const QString &problem : problemsOf(&main, english))
            problems << QStringLiteral("page %1: ").arg(page) + problem;
    }
    tabs->setCurrentIndex(0);
    if (english) {
        // The rows AccessibilityTest stored: a hotkey and a status each.
        tabs->setCurrentIndex(1);
        problems << chineseCells(&main, {{"scriptListView", {kColHotkey, kColStatus}}});
        tabs->setCurrentIndex(2);
        problems << chineseCells(&main, {{"taskListView", {TimedList::StatusColumn}}});
        // A step added by the editor, and one moved.
        QWidget *editor = f.forms->addScriptDialog;
        editor->show();
        auto *steps = ui<QTreeWidget>(editor, "stepListView");
        new QTreeWidgetItem(steps, {QStringLiteral("1,2"), QStringLiteral("右键双击"), QStringLiteral("20")});
        new QTreeWidgetItem(steps, {QStringLiteral("3,4"), QStringLiteral("左键单击"), QStringLiteral("20")});
        steps->topLevelItem(0)->setText(1, QStringLiteral("中键单击"));
        problems << chineseCells(editor, {{"stepListView", {1}}});
        steps->clear();
        editor->hide();
        tabs->setCurrentIndex(0);
    }

    AppWindows &forms = *f.forms;
    for (QWidget *window : std::initializer_list<QWidget *>{
             forms.addScriptDialog, forms.modifyScriptDialog, forms.addTimedTaskDialog,
             forms.modifyTimedTaskDialog, forms.addScriptAddStepEditor, forms.addScriptModifyStepEditor,
             forms.modifyScriptAddStepEditor, forms.modifyScriptModifyStepEditor,
             forms.addTimedTaskAddStepEditor, forms.addTimedTaskModifyStepEditor,
             forms.modifyTimedTaskAddStepEditor, forms.modifyTimedTaskModifyStepEditor,
             forms.stopHotkeyDialog, forms.updateDownloadWindow.get()}) {
        problems << problemsOf(window, english);
        window->hide();
    }
    AboutDialog about(f.fake.services().shell);
    problems << problemsOf(&about, english);
    return problems;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
  private slots:
    void everyWindowNamesItsControls_data() {
        QTest::addColumn<UiLanguage>("language");
        QTest::newRow("Chinese") << UiLanguage::Chinese;
        QTest::newRow("English") << UiLanguage::English;
    }
    void everyWindowNamesItsControls() {
        QFETCH(UiLanguage, language);
        installTranslations(language);
        const auto restore = qScopeGuard([] { installTranslations(UiLanguage::Chinese); });
        GuiFixture f;
        f.start();
        insertScript(f.forms->database, QStringLiteral("甲"), QStringLiteral("Ctrl+侧键1"),
                     QStringLiteral("1,2,左键单击,20|"), QStringLiteral("1"));
        insertTimedTask(f.forms->database, QStringLiteral("08:00:00"), QStringLiteral("1,2,左键单击,20|"),
                        QStringLiteral("1"));
        f.main().scriptList()->reload();
        f.main().timedList()->reload();
        const QStringList problems = problemsInEveryWindow(f, language == UiLanguage::English);
        for (const QString &problem : problems)
            qWarning("%s", qPrintable(problem));
        QCOMPARE(problems.size(), 0);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
