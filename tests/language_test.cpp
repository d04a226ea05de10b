// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <QDialogButtonBox>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextBrowser>

#include "fakes/ArenaFixture.h"
#include "arena/ArenaDesign.h"
#include "arena/ArenaTexts.h"
#include "arena/SideWindowHost.h"
#include "arena/SheetTexts.h"
#include "platform/Language.h"
#include "rules/GameFlow.h"
#include "rules/SolverCache.h"
#include "platform/Announcer.h"
#include "ui/CoachPanel.h"
#include "ui/Intro.h"
#include "ui/KolvoRul.h"
#include "ui/LanguageMenu.h"
#include "ui/PictureBox.h"
#include "ui/ScoreSheet.h"

// The player's language: every window worded anew at a change, the game untouched, the choice
// kept and applied at the next start.
namespace {

constexpr QStringView kApplication = u"Kolvo";

// Every text a window and the windows it owns show or tell a screen reader: titles, captions,
// tool tips, accessible names and descriptions, menus, the sheet's cells and the text views.
QStringList shownTexts(QWidget& window)
{
    QStringList texts;
    const auto add = [&texts](const QString& text) {
        if (!text.trimmed().isEmpty())
            texts << text;
    };
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* w : widgets) {
        if (w->objectName().startsWith(QStringLiteral("announcer")))
            continue; // what was said before the change stays as it was said
        if (w->isWindow())
            add(w->windowTitle());
        add(w->toolTip());
        add(w->accessibleName());
        add(w->accessibleDescription());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(button->text());
        if (auto* label = qobject_cast<QLabel*>(w))
            add(label->text());
        if (auto* edit = qobject_cast<QPlainTextEdit*>(w))
            add(edit->toPlainText());
        if (auto* browser = qobject_cast<QTextBrowser*>(w))
            add(browser->toPlainText());
        if (qobject_cast<QMenu*>(w) || qobject_cast<QMenuBar*>(w))
            for (QAction* item : w->actions())
                add(item->text());
        if (auto* table = qobject_cast<QTableWidget*>(w)) {
            QList<QTableWidgetItem*> items;
            for (int r = 0; r < table->rowCount(); ++r) {
                items << table->verticalHeaderItem(r);
                for (int c = 0; c < table->columnCount(); ++c)
                    items << table->item(r, c);
            }
            for (int c = 0; c < table->columnCount(); ++c)
                items << table->horizontalHeaderItem(c);
            for (QTableWidgetItem* item : items)
                if (item)
                    for (const QString& text :
                         {item->text(), item->toolTip(), item->data(Qt::AccessibleDescriptionRole).toString()})
                        add(text);
        }
    }
    return texts;
}

// The texts that are Swedish: its own letters, or words of the design that have none. The menu
// of languages is the same in every language.
QStringList swedishAmong(const QStringList& texts)
{
    static const QRegularExpression swedish(
        QStringLiteral("[åäöÅÄÖ]|\\b(Kasta|Tryck|Spelare|spelare|Ettor|Treor|Sexor|Par|Triss|Fyrtal|Lillan|Storan|"
                       "Chans|Protokoll|Summa|Fil|Hjälp|Drag|kast|och|eller|inte)\\b"));
    QStringList found;
    for (QString text : texts) {
        text.remove(QStringLiteral("Sp&råk / Language")).remove(QStringLiteral("Språk / Language"));
        text.remove(QStringLiteral("Svenska"));
        if (text.contains(swedish))
            found << text;
    }
    return found;
}

QAction* languageItem(QWidget& board, QStringView code)
{
    return board.findChild<QAction*>(ui::kLanguageMenuName.toString() + u'_' + code.toString());
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir solved_; // the solver's table, worked out once for every game here

    // A board with the language menu, as the main window builds it, and the solver's table
    // at hand for its coach and review.
    void prepare(ArenaFixture& f)
    {
        f.cache.remove();
        QVERIFY(QDir().mkpath(f.cache.path()));
        QVERIFY(QFile::copy(rules::tableFilePath(solved_.path()), rules::tableFilePath(f.cache.path())));
    }

private slots:
    void initTestCase()
    {
        rules::SolverTableProvider tables(solved_.path());
        tables.request();
        QTRY_VERIFY_WITH_TIMEOUT(tables.ready(), 120000);
    }

    void init()
    {
        language::apply(language::kSwedish);
        QCoreApplication::processEvents();
    }

    void theMenuListsEachLanguageByItsOwnName()
    {
        ArenaFixture f;
        prepare(f);
        const auto* menu = f.a().mnuFile->findChild<QMenu*>(ui::kLanguageMenuName.toString());
        QVERIFY(menu);
        QCOMPARE(f.a().mnuFile->findChildren<QMenu*>(ui::kLanguageMenuName.toString()).size(), 1);
        QCOMPARE(menu->title(), QStringLiteral("Sp&råk / Language"));
        QStringList items;
        for (const QAction* item : menu->actions())
            items << item->text() + (item->isChecked() ? "[x]" : "");
        QCOMPARE(items, QStringList({"Svenska[x]", "English"}));
        const QList<QAction*> file = f.a().mnuFile->actions();
        QCOMPARE(file[file.indexOf(f.a().mnuExit) - 1], menu->menuAction()); // just above Exit
    }

    // Each window shows English after the switch, no Swedish left, and the very same texts
    // as before once Swedish is chosen again; the game is as it was.
    void windowsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("scene");
        for (const char* scene : {"intro", "set-up", "board before a game", "board in a turn", "board between turns",
                                  "board after the game"})
            QTest::newRow(scene) << QString::fromLatin1(scene);
    }
    void windowsFollowTheLanguage()
    {
        QFETCH(QString, scene);
        ArenaFixture f;
        prepare(f);
        Intro intro(f.services());
        KolvoRul setup(f.services());
        QWidget* window = scene == "intro" ? static_cast<QWidget*>(&intro)
            : scene == "set-up"            ? static_cast<QWidget*>(&setup)
                                           : static_cast<QWidget*>(&f.a());
        if (scene == "board in a turn") {
            f.newGame({"Ada", "Bo"});
            f.roll({2, 3, 3, 5, 6});
            f.a().DicePic_Click(1);
            f.a().sideWindows().toggleCoach();
            f.a().sideWindows().showScoreSheet(true);
            f.a().findChild<QAction*>(texts::kKeysMenuName.toString())->trigger();
            // Its rows, each ending in a figure with a decimal comma.
            QTRY_VERIFY(
                f.a().sideWindows().coachPanel()->advice().contains(QRegularExpression(QStringLiteral(": \\d+,\\d$"))));
        } else if (scene == "board between turns") {
            f.newGame({"Ada", "Bo"});
            f.roll({2, 3, 3, 5, 6});
            f.pick(3);
        } else if (scene == "board after the game") {
            f.newGame({"Ada"});
            for (int c = 1; c <= GameState::kCategories; ++c) {
                f.roll({6, 6, 6, 5, 5});
                f.pick(c);
            }
            QVERIFY(rules::gameOver(f.s()));
            QTRY_VERIFY(f.a().table().ended()); // the end comes once the last write is told
            f.a().sideWindows().showScoreSheet(true);
            QTRY_VERIFY(
                f.a().sideWindows().scoreSheet()->reviewText()->toPlainText().contains(QStringLiteral("Ada: ")));
        }
        const GameState before = f.s();
        const QStringList swedish = shownTexts(*window);
        QVERIFY(swedishAmong(swedish).size() > 0);

        languageItem(f.a(), u"en")->trigger();
        QTRY_VERIFY2(swedishAmong(shownTexts(*window)).isEmpty(),
                     qPrintable(swedishAmong(shownTexts(*window)).join('|')));
        QCOMPARE(shownTexts(*window).size(), swedish.size());
        QVERIFY(f.s() == before);
        if (scene == "board in a turn") {
            QCOMPARE(f.a().Roller->text(), QStringLiteral("Roll 1 of 3"));
            QCOMPARE(f.a().ScoreVal[9]->text(), QStringLiteral("3 Alike"));
            QVERIFY(f.a().sideWindows().coachPanel()->advice().startsWith(QStringLiteral("Tips for Ada\n")));
            // The decimal sign of English in the coach's figures.
            QVERIFY(f.a().sideWindows().coachPanel()->advice().contains(
                QRegularExpression(QStringLiteral(": \\d+\\.\\d$"))));
        }

        languageItem(f.a(), u"sv")->trigger();
        QTRY_COMPARE(shownTexts(*window), swedish);
        QVERIFY(f.s() == before);
        QCOMPARE(f.settings.values.value(FakeSettings::path(kApplication, u"Preferences", u"Language")), "sv");
    }

    // A game begun in English is told in English: its prompts, its boxes, the sheet and what a
    // screen reader hears.
    void aGameInEnglishIsToldInEnglish()
    {
        ArenaFixture f;
        prepare(f);
        QSignalSpy spoken(&f.a().announcer(), &Announcer::announced);
        languageItem(f.a(), u"en")->trigger();
        QTRY_COMPARE(f.a().mnuFile->title(), QStringLiteral("&File"));
        f.newGame({"Ada"});
        for (int c = 1; c <= GameState::kCategories; ++c) {
            f.roll({1, 2, 3, 4, 5});
            f.pick(c);
        }
        const auto said = [&spoken] {
            QStringList out;
            for (const QList<QVariant>& s : spoken)
                out << s.front().toString();
            return out;
        };
        QTRY_VERIFY(said().join(u' ').contains(QStringLiteral("The game is over. Ada won with ")));
        QStringList boxes;
        for (const FakeDialogs::Shown& box : f.dialogs.shown)
            boxes << box.text << box.title;
        QCOMPARE(swedishAmong(said()), QStringList());
        QVERIFY2(swedishAmong(boxes).isEmpty(), qPrintable(swedishAmong(boxes).join(u'|')));
        QVERIFY(said().front().startsWith(QStringLiteral("The game begins. Players: Ada. Ada rolls first.")));
        QVERIFY(boxes.contains(QStringLiteral("What is the name of player 1?")));
        QVERIFY(boxes.contains(QStringLiteral("Do you want to scratch Sixes?")));
        QCOMPARE(texts::playerSheet(f.s(), 1).section(u'\n', 0, 0), QStringLiteral("Ones 1"));
    }

    void theChoiceIsKeptAndAppliedAtStart_data()
    {
        QTest::addColumn<QString>("stored"); // empty: nothing stored
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("introTitle");
        QTest::newRow("none") << QString() << "sv"
                              << "    Kolvo Introduktion";
        QTest::newRow("English") << "en"
                                 << "en"
                                 << "    Kolvo Introduction";
        QTest::newRow("Swedish") << "sv"
                                 << "sv"
                                 << "    Kolvo Introduktion";
        QTest::newRow("a language no longer there") << "xx"
                                                    << "sv"
                                                    << "    Kolvo Introduktion";
    }
    void theChoiceIsKeptAndAppliedAtStart()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, introTitle);
        FakeServices s;
        if (!stored.isEmpty())
            s.settings.setValue(kApplication, language::kPreferenceSection, language::kLanguageKey, stored);
        language::restore(s.settings, kApplication);
        QCOMPARE(language::current(), shown);
        Intro intro(s.services());
        QCOMPARE(intro.windowTitle(), introTitle);

        language::choose(s.settings, kApplication, u"en");
        QCOMPARE(s.settings.value(kApplication, language::kPreferenceSection, language::kLanguageKey, {}), "en");
    }

    // Figures and Qt's own buttons follow the language too.
    void numbersAndButtonsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("points");
        QTest::addColumn<QString>("loss");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("Swedish") << "sv"
                                 << "1234,5"
                                 << "−4,2"
                                 << "Avbryt";
        QTest::newRow("English") << "en"
                                 << "1234.5"
                                 << "−4.2"
                                 << "Cancel";
    }
    void numbersAndButtonsFollowTheLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, points);
        QFETCH(QString, loss);
        QFETCH(QString, cancel);
        language::apply(code);
        QCOMPARE(texts::pointsDecimal(1234.46), points);
        QCOMPARE(texts::lossFigure(4.2), loss);
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), cancel);
    }

    // The pictures with words, the intro's title and the set-up window's sign, are drawn in
    // English too, and shown in the language chosen.
    void picturesWithWordsFollowTheLanguage()
    {
        FakeServices s;
        Intro intro(s.services());
        KolvoRul setup(s.services());
        const QRect rules(232, 0, 280, 216); // the title's rules, clear of the button
        const auto picture = [](const char* path, const QRect& part) {
            return QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_RGB32).copy(part);
        };
        const auto shown = [&] {
            return std::pair{intro.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(rules),
                             setup.Forward->storedImage().convertToFormat(QImage::Format_RGB32)};
        };
        const QRect sign(0, 0, 73, 20);
        QCOMPARE(shown(), std::pair(picture(":/images/title.png", rules), picture(":/images/forward.png", sign)));
        language::choose(s.settings, kApplication, u"en");
        QTRY_COMPARE(intro.windowTitle(), QStringLiteral("    Kolvo Introduction"));
        QCOMPARE(shown(), std::pair(picture(":/images/title_en.png", rules), picture(":/images/forward_en.png", sign)));
        QCOMPARE(setup.Forward->size(), QSize(rul::kForward.size()));
        language::choose(s.settings, kApplication, language::kSwedish);
        QTRY_COMPARE(intro.windowTitle(), QStringLiteral("    Kolvo Introduktion"));
        QCOMPARE(shown(), std::pair(picture(":/images/title.png", rules), picture(":/images/forward.png", sign)));
    }

    // The board's rectangles are the design's: in English too every caption fits its control,
    // the longest the roll button and the turn's label will show included.
    void englishCaptionsFitTheBoard()
    {
        ArenaFixture f;
        language::apply(u"en");
        QCoreApplication::processEvents(); // the board follows the language
        f.a().Roller->setText(texts::kRollCount.arg(QString::number(3)));
        f.a().lblSpelareTur->setText(texts::kGameOver.toString());
        QList<QWidget*> controls{f.a().Roller, f.a().lblSpelareTur, f.a().lblHighscoreHolder};
        for (const arena::LabelDesign& design : arena::kPlainLabels)
            controls << f.a().findChild<QLabel*>(design.name.toString());
        for (int c = 1; c <= GameState::kCategories; ++c)
            controls << f.a().ScoreVal[c];
        for (QWidget* w : controls) {
            const auto* button = qobject_cast<QAbstractButton*>(w);
            const auto* label = qobject_cast<QLabel*>(w);
            const QString text = button ? button->text() : label->text();
            const int needs = button ? button->sizeHint().width() : QFontMetrics(w->font()).horizontalAdvance(text);
            QVERIFY2(needs <= w->width(),
                     qPrintable(QStringLiteral("%1 needs %2 px, has %3").arg(text).arg(needs).arg(w->width())));
        }
    }

    // In Swedish the sheet, the review and the spoken game name each category as its box does.
    void swedishNamesTheCategoriesAsTheirBoxes()
    {
        for (const arena::CategoryRow& row : arena::kCategoryRows)
            QCOMPARE(texts::categoryCaption(row.index).toString(), row.caption.toString());
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
