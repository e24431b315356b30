// Every window in Chinese and in English: each text fits its place, the
// English interface shows no Chinese but what the user stored, and both
// write and read the same files.

#include "app/AboutDialog.h"
#include "app/Translations.h"
#include "storage/Database.h"
#include "storage/ScriptRow.h"
#include "tests/gui/support/GuiFixture.h"
#include "tests/gui/support/WidgetLookup.h"
#include "widgets/StatusBar.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionButton>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

using namespace lumo;
using namespace platform;
using lumo::test::GuiFixture;
using lumo::test::ui;

namespace {

// The text as drawn: "&&" is an ampersand, a lone '&' marks the mnemonic.
QString drawn(const QString &text) {
    return QString(text)
        .replace(QLatin1String("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

int widestLine(const QWidget *widget, const QString &text) {
    const QFontMetrics metrics(widget->font());
    int widest = 0;
    for (const QString &line : drawn(text).split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

bool hasChinese(const QString &text) {
    static const QRegularExpression han(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
    return han.match(text).hasMatch();
}

QString where(const QWidget *widget) {
    QString path = widget->objectName().isEmpty() ? QLatin1String(widget->metaObject()->className())
                                                  : widget->objectName();
    for (const QWidget *up = widget->parentWidget(); up; up = up->parentWidget())
        if (!up->objectName().isEmpty())
            return up->objectName() + QLatin1Char('/') + path;
    return path;
}

// Looks through one shown window: what does not fit, what overlaps a
// neighbour, and every text it shows.
class WindowCheck {
  public:
    QStringList problems;
    QStringList texts;

    void look(QWidget *window) {
        texts << window->windowTitle();
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(window))
                continue;
            texts << widget->toolTip();
            if (auto *label = qobject_cast<QLabel *>(widget))
                lookAtLabel(label);
            else if (auto *box = qobject_cast<QCheckBox *>(widget))
                lookAtIndicatorButton(box);
            else if (auto *radio = qobject_cast<QRadioButton *>(widget))
                lookAtIndicatorButton(radio);
            else if (auto *button = qobject_cast<QPushButton *>(widget))
                lookAtPushButton(button);
            else if (auto *group = qobject_cast<QGroupBox *>(widget))
                lookAtGroupBox(group);
            else if (auto *bar = qobject_cast<QTabBar *>(widget))
                lookAtTabBar(bar);
            else if (auto *header = qobject_cast<QHeaderView *>(widget))
                lookAtHeader(header);
            else if (auto *combo = qobject_cast<QComboBox *>(widget))
                lookAtComboBox(combo);
            else if (auto *status = qobject_cast<StatusBar *>(widget))
                for (int panel = 0; panel < 3; ++panel)
                    texts << status->panelText(panel);
            else if (auto *browser = qobject_cast<QTextBrowser *>(widget))
                texts << browser->toPlainText();
        }
    }

  private:
    void need(const QWidget *widget, const QString &text, int needed, int available) {
        if (needed > available)
            problems << QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                            .arg(where(widget), text)
                            .arg(needed)
                            .arg(available);
    }

    // A widget's drawn extent must not run into a visible neighbour.
    void clearOfNeighbours(const QWidget *widget, const QRect &extent) {
        for (const QWidget *sibling :
             widget->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (sibling == widget || !sibling->isVisible() || sibling->isWindow())
                continue;
            // A control may sit on a page control beside its tabs, or on an
            // empty panel, but not on a tab or on text.
            QRect occupied = sibling->geometry();
            if (const auto *tabs = qobject_cast<const QTabWidget *>(sibling)) {
                const QTabBar *bar = tabs->tabBar();
                occupied = QRect();
                for (int tab = 0; tab < bar->count(); ++tab)
                    occupied |= bar->tabRect(tab).translated(bar->mapTo(widget->parentWidget(), QPoint()));
            } else if (const auto *label = qobject_cast<const QLabel *>(sibling);
                       label && label->text().isEmpty() && label->pixmap().isNull()) {
                continue;
            }
            if (extent.intersects(occupied))
                problems << QStringLiteral("%1 \"%2\" runs into %3")
                                .arg(where(widget), widget->property("text").toString(), where(sibling));
        }
    }

    void lookAtLabel(QLabel *label) {
        const QString text = label->text();
        if (text.isEmpty() || !label->pixmap().isNull() || Qt::mightBeRichText(text))
            return;
        texts << text;
        // The home page address is no translated text and keeps the width
        // the status bar dressing gives it (StartupTest).
        if (label->objectName() == QLatin1String("homePageLinkLabel"))
            return;
        const QRect contents = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                              -label->margin(), -label->margin());
        if (label->wordWrap()) {
            const QRect needed =
                QFontMetrics(label->font())
                    .boundingRect(QRect(0, 0, contents.width(), 10000), Qt::TextWordWrap, text);
            need(label, text, needed.height(), contents.height());
            return;
        }
        const int width = widestLine(label, text);
        need(label, text, width, contents.width());
        if (label->alignment() & Qt::AlignLeft)
            clearOfNeighbours(label, QRect(label->geometry().topLeft(), QSize(width, label->height())));
    }

    void lookAtPushButton(QPushButton *button) {
        texts << button->text();
        if (button->text().isEmpty())
            return;
        QStyleOptionButton option;
        option.initFrom(button);
        const QStyle *style = button->style();
        int needed = widestLine(button, button->text()) +
                     2 * style->pixelMetric(QStyle::PM_ButtonMargin, &option, button) +
                     2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
        if (!button->icon().isNull())
            needed += button->iconSize().width() + 4;
        need(button, button->text(), needed, button->width());
        clearOfNeighbours(button, button->geometry());
    }

    void lookAtIndicatorButton(QAbstractButton *button) {
        texts << button->text();
        QStyleOptionButton option;
        option.initFrom(button);
        const QStyle *style = button->style();
        const bool check = qobject_cast<QCheckBox *>(button) != nullptr;
        const int needed =
            style->pixelMetric(check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth,
                               &option, button) +
            style->pixelMetric(check ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing,
                               &option, button) +
            widestLine(button, button->text());
        need(button, button->text(), needed, button->width());
        clearOfNeighbours(button, button->geometry());
    }

    void lookAtGroupBox(QGroupBox *group) {
        texts << group->title();
        // The title sits inset by a few pixels on either side of the frame.
        need(group, group->title(), widestLine(group, group->title()) + 16, group->width());
    }

    void lookAtTabBar(QTabBar *bar) {
        for (int tab = 0; tab < bar->count(); ++tab) {
            texts << bar->tabText(tab);
            const int needed = widestLine(bar, bar->tabText(tab)) + bar->iconSize().width();
            need(bar, bar->tabText(tab), needed, bar->tabRect(tab).width());
            need(bar, bar->tabText(tab), bar->tabRect(tab).right() + 1, bar->width());
        }
    }

    void lookAtHeader(QHeaderView *header) {
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int section = 0; section < header->count(); ++section) {
            if (header->isSectionHidden(section) || header->sectionSize(section) <= 1)
                continue;
            const QString text = header->model()->headerData(section, header->orientation()).toString();
            texts << text;
            need(header, text, widestLine(header, text) + 2 * margin, header->sectionSize(section));
        }
    }

    void lookAtComboBox(QComboBox *combo) {
        // Items only: the edit text may be a stored word as typed.
        for (int item = 0; item < combo->count(); ++item)
            texts << combo->itemText(item);
    }
};

struct Session {
    explicit Session(UiLanguage language, const QString &settings = {}) {
        installTranslations(language);
        if (!settings.isEmpty())
            f.writeSettings(settings);
        const QString helpPage = QStringLiteral(LUMO_HELP_PAGE);
        for (const QString &name : {QStringLiteral("help.html"), QStringLiteral("help_en.html")})
            QFile::copy(QFileInfo(helpPage).dir().filePath(name), f.dir.filePath(name));
        f.start();
    }
    ~Session() { installTranslations(UiLanguage::Chinese); }

    GuiFixture f;
};

// Every window, shown the way the program shows it.
WindowCheck checkEveryWindow(Session &s) {
    WindowCheck check;
    MainWindow &main = s.f.main();
    auto *tabs = ui<QTabWidget>(&main, "tabWidget");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        check.look(&main);
    }
    const auto lookAt = [&check](QWidget *window) {
        window->show();
        QCoreApplication::processEvents();
        check.look(window);
        window->hide();
    };
    AppWindows &forms = *s.f.forms;
    forms.addScriptDialog->openForNewScript();
    check.look(forms.addScriptDialog);
    forms.addScriptDialog->hide();
    for (QWidget *window : std::initializer_list<QWidget *>{
             forms.modifyScriptDialog, forms.addTimedTaskDialog, forms.modifyTimedTaskDialog,
             forms.addScriptAddStepEditor, forms.addScriptModifyStepEditor, forms.modifyScriptAddStepEditor,
             forms.modifyScriptModifyStepEditor, forms.addTimedTaskAddStepEditor,
             forms.addTimedTaskModifyStepEditor, forms.modifyTimedTaskAddStepEditor,
             forms.modifyTimedTaskModifyStepEditor, forms.stopHotkeyDialog, forms.updateDownloadWindow.get()})
        lookAt(window);
    AboutDialog about(s.f.fake.services().shell);
    lookAt(&about);
    auto *trayMenu = ui<QMenu>(&main, "trayMenu");
    for (const QAction *action : trayMenu->actions())
        check.texts << action->text();
    return check;
}

QStringList chineseIn(const QStringList &texts) {
    QStringList found;
    for (const QString &text : texts)
        if (hasChinese(text))
            found << text;
    return found;
}

constexpr HotkeyKey kF5{5};

const QString kSettings =
    QStringLiteral("[setting]\nbtn1=右键\nbtn_type=双击\ntime=0.5\nhotkey1=无\nhotkey2=F5\n"
                   "click=7\nxpos=0\nypos=0\n");

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
  private slots:
    void everyTextFitsItsPlace_data() {
        QTest::addColumn<UiLanguage>("language");
        QTest::newRow("Chinese") << UiLanguage::Chinese;
        QTest::newRow("English") << UiLanguage::English;
    }
    void everyTextFitsItsPlace() {
        QFETCH(UiLanguage, language);
        Session s(language);
        const WindowCheck check = checkEveryWindow(s);
        QVERIFY2(check.problems.isEmpty(), qPrintable(check.problems.join(QLatin1Char('\n'))));
        QVERIFY(check.texts.size() > 150);
    }

    // Stored words are shown translated in list cells: the click events of
    // both step lists, the status of both main lists. Each must fit its
    // column as laid out, or the list elides it.
    void storedWordsShownInListsFitTheirColumns_data() { everyTextFitsItsPlace_data(); }
    void storedWordsShownInListsFitTheirColumns() {
        QFETCH(UiLanguage, language);
        Session s(language);
        AppWindows &forms = *s.f.forms;
        const QStringList events{QStringLiteral("左键单击"), QStringLiteral("左键双击"),
                                 QStringLiteral("右键单击"), QStringLiteral("右键双击"),
                                 QStringLiteral("中键单击"), QStringLiteral("中键双击")};
        const QStringList statuses{kStatusEnabled, kStatusDisabled};
        const struct {
            QTreeWidget *list;
            int column;
            const QStringList &words;
        } cells[] = {{ui<QTreeWidget>(forms.addScriptDialog, "stepListView"), 1, events},
                     {ui<QTreeWidget>(forms.addTimedTaskDialog, "stepListView"), 1, events},
                     {ui<QTreeWidget>(s.f.main(), "scriptListView"), -1, statuses},
                     {ui<QTreeWidget>(s.f.main(), "taskListView"), -1, statuses}};
        QStringList problems;
        for (auto cell : cells) {
            for (int column = 0; cell.column < 0 && column < cell.list->columnCount(); ++column)
                if (cell.list->headerItem()->text(column) == QStringLiteral("状态") ||
                    cell.list->headerItem()->text(column) == QLatin1String("Status"))
                    cell.column = column;
            QVERIFY(cell.column >= 0);
            const QFontMetrics metrics(cell.list->font());
            // The item view's text margin on either side, as QCommonStyle draws it.
            const int margin = 2 * (cell.list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
            for (const QString &word : cell.words) {
                const QString shown = shownText(word);
                const int needed = metrics.horizontalAdvance(shown) + margin;
                if (needed > cell.list->columnWidth(cell.column))
                    problems << QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                                    .arg(where(cell.list), shown)
                                    .arg(needed)
                                    .arg(cell.list->columnWidth(cell.column));
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // Without the window's fonts, Latin letters come from a wider fallback;
    // the home page address must still end inside its status bar panel.
    void theHomePageAddressFitsItsPanelInAWideFallbackFont() {
        for (const char *family : {"SimSun", "宋体", "WenQuanYi Zen Hei"})
            QFont::insertSubstitution(QString::fromUtf8(family), QStringLiteral("DejaVu Sans"));
        const auto restore = qScopeGuard([] {
            for (const char *family : {"SimSun", "宋体", "WenQuanYi Zen Hei"})
                QFont::removeSubstitutions(QString::fromUtf8(family));
        });
        Session s(UiLanguage::English);
        const auto *link = ui<QLabel>(s.f.main(), "homePageLinkLabel");
        const QRect panel = ui<StatusBar>(s.f.main(), "statusBar")->panelRect(1);
        const int needed = QFontMetrics(link->font()).horizontalAdvance(link->text());
        QVERIFY2(link->geometry().left() + needed <= panel.right() - 2,
                 qPrintable(QStringLiteral("%1 px in a panel of %2").arg(needed).arg(panel.width())));
        // Fitted by widening the panel within the bar, not by a smaller font.
        QCOMPARE(QFontInfo(link->font()).pixelSize(), QFontInfo(s.f.main().font()).pixelSize());
        const auto *bar = ui<StatusBar>(s.f.main(), "statusBar");
        QCOMPARE(bar->panelRect(2).right(), bar->panelRect(0).left() + 530 - 3);
    }

    void theEnglishInterfaceShowsNoChinese() {
        Session s(UiLanguage::English);
        const WindowCheck check = checkEveryWindow(s);
        const QStringList chinese = chineseIn(check.texts);
        QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join(QLatin1Char('\n'))));
        // The clicking and recording controls are among the texts looked at.
        for (const char *text :
             {"&Save settings", "Record", "Hold", "±", "Middle", "Middle click", "Middle ×2"})
            QVERIFY2(check.texts.contains(QString::fromUtf8(text)), text);
        QVERIFY(ui<QTextBrowser>(&s.f.main(), "helpBrowser")
                    ->toPlainText()
                    .contains(QStringLiteral("How to use")));
    }

    void theChineseInterfaceIsTheSourceTexts() {
        Session s(UiLanguage::Chinese);
        const WindowCheck check = checkEveryWindow(s);
        for (const char *text : {"保存设置(&S)", "多坐标点击", "停止热键设置(&P)", "鼠标坐标属性", "定时点击",
                                 "录制坐标", "按住", "随机", "中键", "中键单击"})
            QVERIFY2(check.texts.contains(QString::fromUtf8(text)), text);
        QVERIFY(ui<QTextBrowser>(&s.f.main(), "helpBrowser")
                    ->toPlainText()
                    .contains(QStringLiteral("软件使用方法")));
    }

    // The same file written in either language, and the English interface
    // shows the stored words translated and clicks with the stored button.
    void singlePointSettingsAreTheSameBytesInEitherLanguage() {
        QByteArray written[2];
        for (const UiLanguage language : {UiLanguage::Chinese, UiLanguage::English}) {
            Session s(language, kSettings);
            GuiFixture *f = &s.f;
            MainWindow &main = s.f.main();
            auto *button = ui<QComboBox>(&main, "mouseButtonComboBox");
            auto *kind = ui<QComboBox>(&main, "clickKindComboBox");
            auto *modifier = ui<QComboBox>(&main, "hotkeyModifierComboBox");
            const bool english = language == UiLanguage::English;
            QCOMPARE(button->currentText(), english ? QStringLiteral("Right") : QStringLiteral("右键"));
            QCOMPARE(kind->currentText(), english ? QStringLiteral("Double") : QStringLiteral("双击"));
            QCOMPARE(modifier->currentText(), english ? QStringLiteral("None") : QStringLiteral("无"));
            ui<QPushButton>(&main, "saveButton")->click();
            written[english] = f->settingsBytes();
            QCOMPARE(f->fake.messageBoxes.shown().size(), 1);
            QCOMPARE(hasChinese(f->fake.messageBoxes.shown().front().text), !english);
            QCOMPARE(hasChinese(f->fake.messageBoxes.shown().front().caption), !english);
            // The stored right button clicks, in either language.
            QVERIFY(f->fake.hotkeys.press(Modifiers{}, kF5));
            f->fake.advance(600);
            QVERIFY(f->fake.hotkeys.press(Modifiers{}, kF5));
            const std::vector<ButtonEvent> flags = f->fake.mouse.buttonEvents();
            // A double click sends down and up together, twice.
            QCOMPARE(flags, (std::vector<ButtonEvent>{ButtonEvent::RightClick, ButtonEvent::RightClick}));
        }
        QCOMPARE(written[1], written[0]);
        QVERIFY(written[1].contains(toGbk(QStringLiteral("btn1=右键\r\n"))));
        QVERIFY(written[1].contains(toGbk(QStringLiteral("hotkey1=无\r\n"))));
    }

    void wordsChosenInEnglishAreStoredInChineseAndTypedWordsAsTyped() {
        Session s(UiLanguage::English);
        MainWindow &main = s.f.main();
        auto *button = ui<QComboBox>(&main, "mouseButtonComboBox");
        auto *kind = ui<QComboBox>(&main, "clickKindComboBox");
        auto *modifier = ui<QComboBox>(&main, "hotkeyModifierComboBox");
        button->setCurrentIndex(button->findText(QStringLiteral("Right")));
        kind->setCurrentText(QStringLiteral("Double"));
        modifier->setCurrentIndex(modifier->findText(QStringLiteral("None")));
        ui<QPushButton>(&main, "saveButton")->click();
        const QByteArray english = s.f.settingsBytes();
        for (const char *line : {"btn1=右键\r\n", "btn_type=双击\r\n", "hotkey1=无\r\n"})
            QVERIFY2(english.contains(toGbk(QString::fromUtf8(line))), line);
        kind->setCurrentText(QStringLiteral("Triple"));
        ui<QPushButton>(&main, "saveButton")->click();
        QVERIFY(s.f.settingsBytes().contains("btn_type=Triple\r\n"));

        // Read back under Chinese: the same words, the typed one as typed.
        GuiFixture chinese;
        QFile::remove(chinese.settingsPath());
        QVERIFY(QFile::copy(s.f.settingsPath(), chinese.settingsPath()));
        installTranslations(UiLanguage::Chinese);
        chinese.start();
        QCOMPARE(ui<QComboBox>(chinese.main(), "mouseButtonComboBox")->currentText(), QStringLiteral("右键"));
        QCOMPARE(ui<QComboBox>(chinese.main(), "clickKindComboBox")->currentText(), QStringLiteral("Triple"));
        QCOMPARE(ui<QComboBox>(chinese.main(), "hotkeyModifierComboBox")->currentText(),
                 QStringLiteral("无"));
    }

    void aScriptAddedInEnglishStoresTheChineseStepEvents() {
        Session s(UiLanguage::English);
        AppWindows &forms = *s.f.forms;
        forms.addScriptDialog->openForNewScript();
        ui<QLineEdit>(forms.addScriptDialog, "nameEdit")->setText(QStringLiteral("morning"));
        ui<QLineEdit>(forms.addScriptDialog, "cyclesEdit")->setText(QStringLiteral("2"));
        ui<QPushButton>(forms.addScriptDialog, "addStepButton")->click();
        StepEditor *editor = forms.addScriptAddStepEditor;
        auto *event = ui<QComboBox>(editor, "eventComboBox");
        QCOMPARE(event->currentText(), QStringLiteral("Left click"));
        const std::pair<const char *, const char *> steps[] = {{"10,20", "Right ×2"},
                                                               {"30,40", "Left click"},
                                                               {"70,80", "Middle click"},
                                                               {"90,10", "Middle ×2"}};
        for (const auto &[position, shown] : steps) {
            ui<QLineEdit>(editor, "positionEdit")->setText(QLatin1String(position));
            event->setCurrentIndex(event->findText(QString::fromUtf8(shown)));
            ui<QPushButton>(editor, "applyButton")->click();
        }
        ui<QLineEdit>(editor, "positionEdit")->setText(QStringLiteral("50,60"));
        event->setEditText(QStringLiteral("Wiggle"));
        ui<QPushButton>(editor, "applyButton")->click();
        editor->close();
        auto *list = ui<QTreeWidget>(forms.addScriptDialog, "stepListView");
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("右键双击"));
        QCOMPARE(list->topLevelItem(2)->text(1), QStringLiteral("中键单击"));
        QCOMPARE(list->topLevelItem(3)->text(1), QStringLiteral("中键双击"));
        ui<QPushButton>(forms.addScriptDialog, "okButton")->click();

        DbQuery query(s.f.forms->database);
        query.setStatement(QStringLiteral("select * from [mplist]"));
        query.open();
        QCOMPARE(query.recordCount(), 1);
        const QString stored = query.text(0, 3);
        QVERIFY2(stored.contains(QStringLiteral("右键双击")) && stored.contains(QStringLiteral("左键单击")) &&
                     stored.contains(QStringLiteral("70,80,中键单击,")) &&
                     stored.contains(QStringLiteral("90,10,中键双击,")) &&
                     stored.contains(QStringLiteral("Wiggle")) && !stored.contains(QStringLiteral("Right")) &&
                     !stored.contains(QStringLiteral("Middle")),
                 qPrintable(stored));

        // The modify dialog shows the stored events in English, keeps them in Chinese.
        forms.modifyScriptDialog->show();
        StepEditor *modify = forms.modifyScriptModifyStepEditor;
        modify->setStepList(ui<QTreeWidget>(forms.modifyScriptDialog, "stepListView"));
        QTreeWidgetItem row(
            QStringList{QStringLiteral("1,2"), QStringLiteral("右键单击"), QStringLiteral("20")});
        modify->copyRowIntoFields(row);
        QCOMPARE(ui<QComboBox>(modify, "eventComboBox")->currentText(), QStringLiteral("Right click"));
        modify->copyRowIntoFields(QTreeWidgetItem(
            QStringList{QStringLiteral("1,2"), QStringLiteral("中键双击"), QStringLiteral("20")}));
        QCOMPARE(ui<QComboBox>(modify, "eventComboBox")->currentText(), QStringLiteral("Middle ×2"));
    }

    void theMiddleButtonChosenInEnglishIsStoredInChineseAndClicksTheMiddleButton() {
        Session s(UiLanguage::English, kSettings);
        MainWindow &main = s.f.main();
        auto *button = ui<QComboBox>(&main, "mouseButtonComboBox");
        auto *kind = ui<QComboBox>(&main, "clickKindComboBox");
        button->setCurrentIndex(button->findText(QStringLiteral("Middle")));
        kind->setCurrentIndex(kind->findText(QStringLiteral("Single")));
        ui<QPushButton>(&main, "saveButton")->click();
        QVERIFY(s.f.settingsBytes().contains(toGbk(QStringLiteral("btn1=中键\r\n"))));
        QVERIFY(s.f.fake.hotkeys.press(Modifiers{}, kF5));
        s.f.fake.advance(600);
        QVERIFY(s.f.fake.hotkeys.press(Modifiers{}, kF5));
        QCOMPARE(s.f.fake.mouse.buttonEvents(),
                 (std::vector<ButtonEvent>{ButtonEvent::MiddleDown, ButtonEvent::MiddleUp}));
    }

    // Recording speaks English (its refusals and the tray hint) while the
    // recorded steps keep the stored Chinese events.
    void recordingInEnglishKeepsTheStoredEvents() {
        Session s(UiLanguage::English);
        QWidget *timed = s.f.forms->addTimedTaskDialog;
        s.f.forms->addTimedTaskDialog->openForNewTask();
        auto *record = ui<QPushButton>(timed, "recordButton");
        s.f.fake.hotkeys.holdElsewhere(Modifiers{}, HotkeyKey{11});
        record->click();
        s.f.fake.recorder.failsToStart = true;
        s.f.fake.hotkeys.releaseElsewhere(Modifiers{}, HotkeyKey{11});
        record->click();
        const QStringList refusals = s.f.fake.messageBoxes.texts();
        QCOMPARE(refusals.size(), 2);
        QVERIFY2(chineseIn(refusals).isEmpty(), qPrintable(refusals.join(QLatin1Char('\n'))));
        QVERIFY(refusals[0].contains(QStringLiteral("F11")));
        QVERIFY(refusals[0] != refusals[1]);

        s.f.fake.recorder.failsToStart = false;
        record->click();
        QVERIFY(!timed->isVisible());
        QCOMPARE(ui<QSystemTrayIcon>(&s.f.main(), "trayIcon")->toolTip(),
                 QStringLiteral("Recording, press F11 to end"));
        QVERIFY(s.f.fake.recorder.press(RecordedPress::Button::Right, 7, 8));
        s.f.fake.advance(250);
        QVERIFY(s.f.fake.recorder.press(RecordedPress::Button::Left, 9, 10));
        QVERIFY(s.f.fake.hotkeys.press(Modifiers{}, HotkeyKey{11}));
        QVERIFY(timed->isVisible());
        QVERIFY(!hasChinese(ui<QSystemTrayIcon>(&s.f.main(), "trayIcon")->toolTip()));
        const auto *steps = ui<QTreeWidget>(timed, "stepListView");
        QCOMPARE(steps->topLevelItemCount(), 2);
        QCOMPARE(steps->topLevelItem(0)->text(1), QStringLiteral("右键单击"));
        QCOMPARE(steps->topLevelItem(1)->text(1), QStringLiteral("左键单击"));
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
