// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <QAccessible>
#include <QHeaderView>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>

#include <QDialog>

#include "fakes/ArenaFixture.h"
#include "rules/Solver.h"
#include "rules/SolverCache.h"
#include "arena/AdviceText.h"
#include "arena/ArenaDesign.h"
#include "arena/ArenaTexts.h"
#include "arena/SpokenTexts.h"
#include "platform/Announcer.h"
#include "ui/CoachPanel.h"
#include "ui/KeyGuard.h"
#include "ui/PictureBox.h"
#include "arena/SideWindowHost.h"
#include "ui/ScoreSheet.h"
#include "ui/SideWindows.h"

// Playing without a mouse, and what a screen reader is told.
Q_DECLARE_METATYPE(rules::Dice)

namespace {

// A window manager's frame as openbox draws it: a title bar above, one pixel elsewhere.
constexpr QMargins kFrame(1, 20, 1, 1);
enum SideKind { Coach, Sheet, Keys };

// The windows as the program makes them, frames included, and the least heights of those
// that may be shortened; measured from the real windows, on a screen too large to cut them.
struct WindowSizes {
    QSize main;
    int menuBar = 0;
    std::array<ui::SideWindow, 3> sides{}; // by SideKind, the sheet's of one player
    std::array<QSize, 6> sheet{};          // by players - 1
};

ui::SideWindow measured(const QWidget& w)
{
    const QSize size = w.size().grownBy(kFrame);
    const int least = std::max(w.minimumHeight(), w.minimumSizeHint().height()) + kFrame.top() + kFrame.bottom();
    ui::SideWindow side;
    side.size = size;
    side.minHeight = std::min(least, size.height());
    return side;
}

const WindowSizes& windowSizes()
{
    static const WindowSizes sizes = [] {
        ui::setSideWindowScreen([](const QWidget&) { return QRect(0, 0, 8000, 8000); });
        const auto restore = qScopeGuard([] { ui::setSideWindowScreen({}); });
        WindowSizes s;
        for (int players = 1; players <= 6; ++players) {
            ArenaFixture f;
            f.a().show();
            QStringList names;
            for (int p = 1; p <= players; ++p)
                names << QStringLiteral("Spelare %1").arg(p);
            f.newGame(names);
            f.a().sideWindows().showScoreSheet(true);
            s.sheet[std::size_t(players - 1)] = measured(*f.a().sideWindows().scoreSheet()).size;
            if (players > 1)
                continue;
            s.main = f.a().size().grownBy(kFrame);
            s.menuBar = f.a().centralWidget()->y();
            s.sides[Sheet] = measured(*f.a().sideWindows().scoreSheet());
            f.a().sideWindows().toggleCoach();
            s.sides[Coach] = measured(*f.a().sideWindows().coachPanel());
            f.a().sideWindows().showKeys();
            s.sides[Keys] = measured(*f.a().findChild<QDialog*>(QStringLiteral("HelpWindow")));
        }
        return s;
    }();
    return sizes;
}

// The board's category boxes, dice and Kasta, for the main window's frame at `main`.
std::vector<QRect> boardParts(const QRect& main)
{
    const QPoint client = main.topLeft() + QPoint(kFrame.left(), kFrame.top() + windowSizes().menuBar);
    return {arena::kCategoryFrame.translated(client), arena::kDiceFrame.translated(client),
            arena::kRoller.translated(client)};
}

// Whether the side windows fit beside the main window in a row or in a column, each at its
// least height: where they do, a screen can hold them without covering another.
bool roomBeside(const QSize& screen, const QSize& main, const std::vector<ui::SideWindow>& sides)
{
    int widths = 0, widest = 0, tallest = 0, heights = 0;
    for (const ui::SideWindow& w : sides) {
        widths += w.size.width();
        widest = std::max(widest, w.size.width());
        tallest = std::max(tallest, w.minHeight);
        heights += w.minHeight;
    }
    return (main.width() + widths <= screen.width() && tallest <= screen.height())
        || (main.width() + widest <= screen.width() && heights <= screen.height());
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void rollerComesFirstThenTheCategories()
    {
        ArenaFixture f;
        f.newGame({"Anna"});
        f.a().show();
        QVERIFY(QTest::qWaitForWindowActive(&f.a()));
        f.a().Roller->setFocus();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.a().Roller));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.a().ScoreVal[1]));
    }

    void spaceRollsAndTicksByTheSameRules()
    {
        ArenaFixture f;
        f.newGame({"Anna"});
        f.a().show();
        QVERIFY(QTest::qWaitForWindowActive(&f.a()));
        f.a().Roller->setFocus();
        f.random.queueFaces({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 4, 4, 4, 1, 2});
        QTest::keyClick(f.a().Roller, Qt::Key_Space);
        QVERIFY(f.a().Timer1->isActive());
        f.tickUntilRolled();
        // Fault guarded: a held Return spent all three rolls after one tumble, and a held
        // digit held a die and let it go again. A held key acts once.
        const auto repeat = [&f](Qt::Key key) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(f.a().Roller, &event);
        };
        repeat(Qt::Key_Return);
        repeat(Qt::Key_Return);
        QCOMPARE(int(f.s().RollCount), 1);
        QVERIFY(f.a().Roller->isEnabled());
        // Keys 1..5 hold and release dice.
        QTest::keyClick(&f.a(), Qt::Key_2);
        repeat(Qt::Key_2);
        QVERIFY(!f.s().DiceFree[1]);
        QVERIFY(f.a().DicePic[1]->hasBorder());
        QTest::keyClick(&f.a(), Qt::Key_2);
        QVERIFY(f.s().DiceFree[1]);
        QTest::keyClick(f.a().ScoreVal[4], Qt::Key_5); // a digit on a focused box still reaches the dice
        QVERIFY(!f.s().DiceFree[4]);
        f.a().ScoreVal[4]->setFocus();
        QTest::keyClick(f.a().ScoreVal[4], Qt::Key_Space);
        QCOMPARE(int(f.s().Points[1][4]), 12);
        QCOMPARE(f.a().lblSum[1]->text(), QStringLiteral("12"));
    }

    // Fault guarded: after the names focus sat on "Ettor", fifteen Tabs from the roll
    // button; Enter and F1 did nothing at window level.
    void everyTurnStartsAtTheRollButton()
    {
        ArenaFixture f;
        f.a().show();
        QVERIFY(QTest::qWaitForWindowActive(&f.a()));
        // Before any game the roll button says how to begin, to the eye and to the ear, and so
        // does the window, whose words a screen reader reads first: the focus waits on the
        // client area, which says nothing, not on the first box.
        QVERIFY(f.a().Roller->toolTip().startsWith(QStringLiteral("Välj Nytt spel")));
        QVERIFY(f.a().Roller->accessibleDescription().startsWith(f.a().Roller->toolTip()));
        QCOMPARE(QAccessible::queryAccessibleInterface(&f.a())->text(QAccessible::Description),
                 texts::kHowToBegin.toString());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.a().Backdrop));
        QVERIFY(QAccessible::queryAccessibleInterface(f.a().Backdrop)->text(QAccessible::Name).isEmpty());
        f.newGame({"Anna", "Bo"});
        QVERIFY(f.a().accessibleDescription().isEmpty());
        QVERIFY(f.a().Roller->toolTip().isEmpty());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.a().Roller));
        f.random.queueFaces({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 6, 6, 6, 6, 2});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(f.a().Timer1->isActive());
        f.tickUntilRolled();
        f.a().ScoreVal[6]->setFocus();
        QTest::keyClick(f.a().ScoreVal[6], Qt::Key_Return); // Enter on a category box does not roll
        QCOMPARE(int(f.s().RollCount), 1);
        QTest::keyClick(f.a().ScoreVal[6], Qt::Key_Space);
        QCOMPARE(int(f.s().Points[1][6]), 24);
        // Bo's turn, at the roll button once Anna's write has been told.
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.a().Roller));
        QVERIFY(f.a().Roller->accessibleDescription().isEmpty()); // the keys were told as the game began
        QTest::keyClick(&f.a(), Qt::Key_F1);
        QCOMPARE(f.dialogs.shown.back().title, QStringLiteral("Kolvo Hjälp"));
        // Each player's sheet is told by the name and total rows.
        QCOMPARE(f.a().lblPlayer[1]->accessibleDescription(),
                 QStringLiteral("Sexor 24\nÖvre 24/63\nBonus 0\nSumma 24"));
        QCOMPARE(f.a().lblSum[2]->toolTip(), QStringLiteral("Övre 0/63\nBonus 0\nSumma 0"));
        // Fault guarded: the third roll handed the focus to a box while the dice tumbled, and
        // its hint was read for the roll before. The box gets it once they lie still.
        for (int roll = 1; roll <= 3; ++roll) {
            f.random.queueFaces({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3, 3, 3, 3, 2});
            QTest::keyClick(f.a().Roller, Qt::Key_Return);
            QVERIFY(!qobject_cast<QCheckBox*>(QApplication::focusWidget()));
            f.tickUntilRolled();
        }
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.a().ScoreVal[1]));
        QCOMPARE(f.a().ScoreVal[1]->accessibleDescription(), QStringLiteral("Ettor = 0"));
    }

    // F2 shows the coach's panel beside the window and hides it again; while shown it
    // follows the game. It never takes the focus and never changes the game.
    void coachPanelFollowsTheGame()
    {
        ArenaFixture f;
        f.a().show();
        QVERIFY(QTest::qWaitForWindowActive(&f.a()));
        f.newGame({"Anna"});
        // Only Kolvo and Chans are left.
        const int points[] = {0, 3, 6, 9, 12, 15, 18, 12, 22, 18, 16, 15, 20, 28};
        for (int c = 1; c <= 13; ++c)
            f.s().Points[1][c] = std::int16_t(points[c]);
        f.s().Points[1][GameState::kBonusRow] = 50;
        f.s().Points[1][GameState::kTotalRow] = 244;
        f.a().ShowPlayerSheet();

        QTest::keyClick(&f.a(), Qt::Key_F2);
        CoachPanel* panel = f.a().sideWindows().coachPanel();
        QVERIFY(panel && panel->isVisible());
        QVERIFY(!panel->frameGeometry().intersects(f.a().frameGeometry())); // beside, not over
        // The offscreen platform activates every window it shows; the real one is told not to.
        QVERIFY(panel->testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(panel->windowFlags() & Qt::WindowDoesNotAcceptFocus);
        QCOMPARE(panel->focusPolicy(), Qt::NoFocus);
        // No table in this cache: it is worked out, and the panel says so, then answers.
        QTRY_VERIFY(panel->advice().contains(QStringLiteral("Tipsen räknas fram")));
        QTRY_COMPARE_WITH_TIMEOUT(panel->advice(), QStringLiteral("Tips för Anna\nKasta tärningarna först."), 120000);
        const auto rows = [panel] { return panel->advice().split(u'\n').mid(1); };
        f.roll({1, 2, 3, 4, 6});
        QCOMPARE(rows().size(), 3);
        f.a().DicePic_Click(0);
        f.a().DicePic_Click(0);
        f.roll({5, 5, 2, 5, 1});
        const GameState before = f.s();
        QCOMPARE(rows().front(), QStringLiteral("Håll 5 5 5 (tärningarna 1, 2 och 4), kasta om två: 270,1"));
        QCOMPARE(QAccessible::queryAccessibleInterface(panel)->text(QAccessible::Description), panel->advice());
        QVERIFY(f.s() == before);
        QCOMPARE(f.a().focusWidget(), static_cast<QWidget*>(f.a().Roller));
        QTest::keyClick(&f.a(), Qt::Key_F2);
        QVERIFY(!panel->isVisible());

        // Read from the cache the next time, so nothing says it takes a few seconds.
        ArenaFixture g;
        g.cache.remove();
        QVERIFY(QDir().mkpath(g.cache.path()));
        QVERIFY(QFile::copy(rules::tableFilePath(f.cache.path()), rules::tableFilePath(g.cache.path())));
        g.a().sideWindows().toggleCoach();
        QTRY_COMPARE(g.a().sideWindows().coachPanel()->advice(),
                     QStringLiteral("Välj antalet spelare i menyn Nytt spel först."));
        QVERIFY(!g.a().sideWindows().coachPanel()->advice().contains(QStringLiteral("Tipsen räknas fram")));
    }

    // While the coach's panel shows, a changed ranking for a person is told once it has
    // settled: not the notes between (the dice rolling, roll first), nor the same one again.
    void coachTellsASettledChange_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("told"); // rankings told after the one on opening, which is the roll's own
        QTest::newRow("a roll") << QStringList{"roll 1 2 3 4 6"} << 1;
        QTest::newRow("a hold and its release") << QStringList{"roll 1 2 3 4 6", "hold 1", "hold 1"} << 1;
        QTest::newRow("two rolls") << QStringList{"roll 1 2 3 4 6", "roll 5 5 2 5 1"} << 2;
        QTest::newRow("a write, the next turn") << QStringList{"roll 1 2 3 4 6", "pick 15"} << 1;
    }
    void coachTellsASettledChange()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, told);
        static const rules::SolverTable table = *rules::SolverTable::solve();
        ArenaFixture f;
        QVERIFY(rules::saveTable(table, f.cache.path()));
        f.newGame({"Anna"});
        QStringList heard; // the best choice of each advice told
        connect(&f.a().announcer(), &Announcer::announced, this, [&heard](const QString& s) {
            if (s.startsWith(u"Tips för Anna. "))
                heard << s.section(QStringLiteral(". "), 1, 1);
        });
        f.a().sideWindows().solverTable().request(); // read from the cache
        QTRY_VERIFY(f.a().sideWindows().solverTable().ready());
        f.a().sideWindows().toggleCoach();
        QTRY_COMPARE(heard, QStringList{"Kasta tärningarna först."}); // asked for
        for (const QString& step : steps) {
            const QStringList w = step.split(u' ');
            const qsizetype before = heard.size();
            if (w[0] == u"roll")
                f.roll({w[1].toInt(), w[2].toInt(), w[3].toInt(), w[4].toInt(), w[5].toInt()});
            else if (w[0] == u"hold")
                f.a().DicePic_Click(std::int16_t(w[1].toInt() - 1));
            else
                f.pick(w[1].toInt());
            if (w[0] == u"roll") // once it has settled, the ranking for these dice
                QTRY_COMPARE(heard.value(before), f.a().sideWindows().coachPanel()->advice().section(u'\n', 1, 1));
        }
        f.a().sideWindows().toggleCoach();
        f.roll({1, 2, 3, 4, 6});                           // hidden, it tells nothing
        QTest::qWait(2 * SideWindowHost::kAdviceSettleMs); // nothing more once it has stayed the same
        QCOMPARE(heard.size(), 1 + told);
    }

    // The coach's window and the score sheet, opened in either order: on a screen with room
    // none of the three windows covers another and the first opened stays; on any screen each
    // lies wholly on it, clear of the dice and Kasta, and the sheet shows every column, also
    // once a new game's columns have made it grow.
    void sideWindowsShareTheScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("players");
        QTest::addColumn<bool>("sheetFirst");
        QTest::addColumn<int>("nextGame"); // players of a game begun with both open; 0: none
        for (const QSize screen : {QSize(1920, 1080), QSize(1024, 768)})
            for (const int players : {2, 6})
                for (const bool sheetFirst : {false, true})
                    QTest::addRow("%dx%d %d players, %s first", screen.width(), screen.height(), players,
                                  sheetFirst ? "sheet" : "coach")
                        << screen << players << sheetFirst << 0;
        QTest::newRow("1920x1080 2 players, then 6") << QSize(1920, 1080) << 2 << false << 6;
        QTest::newRow("1024x768 2 players, then 6") << QSize(1024, 768) << 2 << true << 6;
    }
    void sideWindowsShareTheScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(int, players);
        QFETCH(bool, sheetFirst);
        QFETCH(int, nextGame);
        const QRect area(QPoint(0, 0), screen);
        ui::setSideWindowScreen([area](const QWidget&) { return area; });
        const auto restore = qScopeGuard([] { ui::setSideWindowScreen({}); });
        ArenaFixture f;
        f.a().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.a()));
        f.a().move(area.center() - f.a().frameGeometry().center() + f.a().pos());
        const auto newGame = [&f](int count) {
            QStringList names;
            for (int p = 1; p <= count; ++p)
                names << QStringLiteral("Spelare %1").arg(p);
            f.newGame(names);
        };
        newGame(players);
        const auto open = [&f](bool sheet) -> QWidget* {
            if (!sheet) {
                f.a().sideWindows().toggleCoach();
                return f.a().sideWindows().coachPanel();
            }
            f.a().sideWindows().showScoreSheet(true);
            return f.a().sideWindows().scoreSheet();
        };
        QWidget* first = open(sheetFirst);
        const QRect firstAt = first->frameGeometry();
        QWidget* second = open(!sheetFirst);
        const bool roomy = screen.width() >= 1920;
        if (roomy)
            QCOMPARE(first->frameGeometry(), firstAt);
        if (nextGame)
            newGame(nextGame);
        // Queued: the sheet's layout, and its view's showing or hiding of scroll bars.
        QTest::qWait(50);

        QList<QRect> keep{f.a().Roller->geometry()};
        for (const PictureBox* die : f.a().DicePic)
            keep << die->geometry();
        const QList<QRect> windows{f.a().frameGeometry(), first->frameGeometry(), second->frameGeometry()};
        for (qsizetype i = 0; i < windows.size(); ++i) {
            QVERIFY2(area.contains(windows[i]), qPrintable(QStringLiteral("window %1 off the screen").arg(i)));
            for (qsizetype j = i + 1; roomy && j < windows.size(); ++j)
                QVERIFY2(!windows[i].intersects(windows[j]), qPrintable(QStringLiteral("%1 over %2").arg(i).arg(j)));
            for (const QRect& k : keep)
                QVERIFY(i == 0
                        || !windows[i].intersects(QRect(f.a().centralWidget()->mapToGlobal(k.topLeft()), k.size())));
        }
        const QTableWidget* sheet = f.a().sideWindows().scoreSheet()->table();
        QCOMPARE(sheet->columnCount(), nextGame ? nextGame : players);
        QVERIFY(!sheet->horizontalScrollBar()->isVisible());
        QCOMPARE(sheet->viewport()->width(), sheet->horizontalHeader()->length());
    }

    // One layout for the main window and its side windows, opened one after another in every
    // order, on common screens at one and two device pixels per pixel (the same screens halved):
    // the category boxes, the dice and Kasta are never covered; where the screen holds them
    // the side windows lie apart and wholly on it; with room enough, clear of the main window
    // too. A window the player moved stays there; a sheet that grows is placed again.
    void sideWindowLayout_data()
    {
        QTest::addColumn<QSize>("screen"); // in pixels of the program, the device's halved at scale 2
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("players");
        QTest::addColumn<QList<int>>("opened"); // SideKind, in the order opened
        QTest::addColumn<bool>("moved");        // the first opened is moved by the player
        QTest::addColumn<int>("grownTo");       // players of a game begun at the end; 0: none
        QList<QList<int>> orders;
        std::array<int, 3> all{Coach, Sheet, Keys};
        do
            for (qsizetype n = 1; n <= 3; ++n)
                if (!orders.contains(QList<int>(all.begin(), all.begin() + n)))
                    orders << QList<int>(all.begin(), all.begin() + n);
        while (std::next_permutation(all.begin(), all.end()));
        const auto row = [](QSize screen, int scale, int players, const QList<int>& order, bool moved, int grownTo) {
            QByteArray opened;
            for (int kind : order)
                opened += "CSK"[kind];
            QTest::addRow("%dx%d@%d %d players %s%s%s", screen.width(), screen.height(), scale, players,
                          opened.constData(), moved ? " moved" : "", grownTo ? " grown" : "")
                << screen / scale << scale << players << order << moved << grownTo;
        };
        for (const QSize screen : {QSize(1024, 768), QSize(1280, 1024), QSize(1366, 768), QSize(1920, 1080)})
            for (const int scale : {1, 2})
                for (const QList<int>& order : orders) {
                    for (int players = 1; players <= 6; ++players)
                        row(screen, scale, players, order, false, 0);
                    if (order.size() > 1)
                        row(screen, scale, 6, order, true, 0);
                    if (order.contains(Sheet))
                        row(screen, scale, 2, order, false, 6);
                }
    }
    void sideWindowLayout()
    {
        QFETCH(QSize, screen);
        QFETCH(int, scale);
        QFETCH(int, players);
        QFETCH(QList<int>, opened);
        QFETCH(bool, moved);
        QFETCH(int, grownTo);
        const WindowSizes& sizes = windowSizes();
        const QRect area(QPoint(0, 0), screen);
        QRect main(QPoint(0, 0), sizes.main);
        main.moveCenter(area.center());
        std::array<ui::SideWindow, 3> sides = sizes.sides;
        sides[Sheet].size = sizes.sheet[std::size_t(players - 1)];
        std::vector<int> open;
        bool playerClear = true; // the player's window, where the player put it, covers no board part
        const auto placeAndCheck = [&] {
            std::vector<ui::SideWindow> windows;
            for (int kind : open)
                windows.push_back(sides[std::size_t(kind)]);
            const ui::SidePlaces places = ui::placeSideWindows({main, area, boardParts(main), true}, windows);
            main = places.main;
            // Where the player has taken room, only a large screen is sure to hold the rest.
            const bool fits = (scale == 1 && (!moved || screen.width() >= 1280))
                || (!moved && roomBeside(screen, main.size(), windows));
            const bool roomy = !moved
                && (screen.width() >= 1600 || (screen.width() >= 1280 && !std::count(open.begin(), open.end(), Keys)));
            QVERIFY(!fits || area.contains(main));
            for (std::size_t i = 0; i < open.size(); ++i) {
                const QRect& r = places.windows[i];
                const bool player = windows[i].byPlayer;
                if (player)
                    QCOMPARE(r, windows[i].at);
                QVERIFY2(r.height() >= windows[i].minHeight, "shortened below its least height");
                for (const QRect& part : boardParts(main))
                    QVERIFY2((player && !playerClear) || !r.intersects(part), "a board part covered");
                QVERIFY2(!fits || area.contains(r), "off the screen");
                QVERIFY2(!roomy || !r.intersects(main), "over the main window");
                for (std::size_t j = 0; fits && j < i; ++j)
                    QVERIFY2(!r.intersects(places.windows[j]), "over another side window");
                sides[std::size_t(open[i])].at = r;
                sides[std::size_t(open[i])].shown = true;
            }
        };
        for (int kind : opened) {
            open.push_back(kind);
            placeAndCheck();
            if (QTest::currentTestFailed())
                return;
            if (moved && open.size() == 1) {
                // Dragged to the screen's corner farthest from the main window.
                ui::SideWindow& w = sides[std::size_t(kind)];
                w.size = w.size.boundedTo(screen);
                const QRect at(main.center().x() < area.center().x() ? area.right() + 1 - w.size.width() : 0,
                               main.center().y() < area.center().y() ? area.bottom() + 1 - w.size.height() : 0,
                               w.size.width(), w.size.height());
                w.at = at;
                w.byPlayer = true;
                const std::vector<QRect> parts = boardParts(main);
                playerClear
                    = std::none_of(parts.begin(), parts.end(), [&at](const QRect& p) { return at.intersects(p); });
            }
        }
        if (grownTo) {
            sides[Sheet].size = sizes.sheet[std::size_t(grownTo - 1)];
            placeAndCheck();
        }
    }

    // Live: the side windows go with the main window when the player moves it; one the player
    // moved stays where it was put, and the coach opens clear of it.
    void sideWindowsFollowTheMainWindow_data()
    {
        QTest::addColumn<bool>("sheetMoved"); // by the player, before the coach opens
        QTest::newRow("both placed") << false;
        QTest::newRow("the sheet moved by the player") << true;
    }
    void sideWindowsFollowTheMainWindow()
    {
        QFETCH(bool, sheetMoved);
        const QRect area(0, 0, 1920, 1080);
        ui::setSideWindowScreen([area](const QWidget&) { return area; });
        const auto restore = qScopeGuard([] { ui::setSideWindowScreen({}); });
        ArenaFixture f;
        f.a().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.a()));
        f.a().move(area.center() - f.a().rect().center());
        f.newGame({"Anna", "Bo"});
        f.a().sideWindows().showScoreSheet(true);
        QWidget* sheet = f.a().sideWindows().scoreSheet();
        const QPoint putAt(1300, 40);
        if (sheetMoved)
            sheet->move(putAt);
        f.a().sideWindows().toggleCoach();
        QWidget* coach = f.a().sideWindows().coachPanel();
        QVERIFY(!coach->frameGeometry().intersects(sheet->frameGeometry()));
        const QPoint sheetFromMain = sheet->pos() - f.a().pos();
        const QPoint coachFromMain = coach->pos() - f.a().pos();
        f.a().move(f.a().pos() + QPoint(100, 60));
        QTRY_COMPARE(coach->pos() - f.a().pos(), coachFromMain);
        QCOMPARE(sheet->pos(), sheetMoved ? putAt : f.a().pos() + sheetFromMain);
    }

    // A sheet of six players stands beside the main window on a screen 1024 wide: the main
    // window is some 440 wide, which leaves the sheet 560. Every figure a box can hold is read
    // whole without a scroll bar, a long name is elided with the whole of it in its tip, and
    // the review's long lines wrap in its own tab, under the chart.
    void sixPlayerSheetFitsBesideTheMainWindow()
    {
        ui::SheetContent content;
        content.rows = {QStringLiteral("Övre summa"), QStringLiteral("Spelanalys")};
        for (int p = 1; p <= 6; ++p)
            content.columns.push_back({p == 3 ? QStringLiteral("Maximiliana Långnamnsdotter") : QStringLiteral("Bo"),
                                       {},
                                       p == 2,
                                       {{QStringLiteral("105/63"), {}, ui::SheetCell::Look::Sum},
                                        {QStringLiteral("\u2212188,8"), {}, ui::SheetCell::Look::Marked}}});
        content.reviewHeading = QStringLiteral("Spelanalys");
        const QString line = QStringLiteral("Tur 11, efter kast 1: du höll 5 4 3 2 och kastade om en. ").repeated(5);
        content.reviewSections = {{QStringLiteral("Bo: 58,6 poäng förlorade"), {}, {{line, line}}, {}, {{line, {}}}}};
        content.review = line;
        ui::ScoreSheet sheet(QStringLiteral("Protokoll"));
        sheet.setContent(content);
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        QVERIFY2(sheet.frameGeometry().width() <= 560, qPrintable(QString::number(sheet.frameGeometry().width())));
        const QTableWidget* table = sheet.table();
        QTRY_VERIFY(!table->horizontalScrollBar()->isVisible());
        for (int c = 0; c < table->columnCount(); ++c)
            for (const QTableWidgetItem* item : {table->item(0, c), table->item(1, c)})
                QVERIFY(QFontMetrics(item->font()).horizontalAdvance(item->text()) < table->columnWidth(c) - 4);
        const QTableWidgetItem* longName = table->horizontalHeaderItem(2);
        QCOMPARE(longName->toolTip(), content.columns[2].name);
        QCOMPARE(longName->data(Qt::AccessibleTextRole).toString(), content.columns[2].name);
        QVERIFY(longName->text().endsWith(u'…'));
        QVERIFY(QFontMetrics(longName->font()).horizontalAdvance(longName->text()) < table->columnWidth(2));

        QCOMPARE(sheet.tabs()->tabText(1), QStringLiteral("Spelanalys"));
        sheet.tabs()->setCurrentIndex(1);
        const QTextEdit* review = sheet.reviewText();
        QTRY_VERIFY(review->isVisible());
        QVERIFY(review->toPlainText().contains(line.trimmed()));
        QVERIFY(!review->horizontalScrollBar()->isVisible());
        QVERIFY(review->document()->size().width() <= review->viewport()->width());
        QVERIFY(sheet.reviewChart()->geometry().bottom() < review->geometry().top());
    }

    // Screens with no room beside a main window that stays where it is: the dice and Kasta stay
    // in sight and the side windows apart wherever some place allows it, each wholly on the
    // screen and no shorter than it may be made.
    void sideWindowsWithoutRoom_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QList<QSize>>("sizes");
        QTest::addColumn<QList<QRect>>("shown"); // where each stands, shown; null: opening
        QTest::addColumn<bool>("mainClear");
        const QRect centred800(182, 127, 436, 345);
        QTest::newRow("800x600, wide sheet")
            << QSize(800, 600) << centred800 << QList<QSize>{{640, 560}, {507, 120}} << QList<QRect>{{}, {}} << false;
        QTest::newRow("taller than the screen")
            << QSize(1024, 768) << QRect(294, 211, 436, 345) << QList<QSize>{{300, 900}} << QList<QRect>{{}} << false;
        // The coach beside the main window leaves the sheet no room but where it stands.
        QTest::newRow("the shown one makes room")
            << QSize(1400, 900) << QRect(10, 277, 436, 345) << QList<QSize>{{600, 120}, {470, 800}}
            << QList<QRect>{{454, 277, 600, 120}, {}} << true;
        // Room beside the main window for both, one above the other, only as both are shortened.
        QTest::newRow("a column of two, shortened")
            << QSize(960, 540) << QRect(526, 0, 434, 362) << QList<QSize>{{444, 433}, {456, 491}}
            << QList<QRect>{{74, 89, 444, 433}, {}} << true;
    }
    void sideWindowsWithoutRoom()
    {
        QFETCH(QSize, screen);
        QFETCH(QRect, main);
        QFETCH(QList<QSize>, sizes);
        QFETCH(QList<QRect>, shown);
        QFETCH(bool, mainClear);
        const QRect area(QPoint(0, 0), screen);
        const QRect dice = QRect(126, 278, 198, 38).translated(main.topLeft() + QPoint(0, 23));
        const QRect roller = QRect(344, 280, 81, 33).translated(main.topLeft() + QPoint(0, 23));
        std::vector<ui::SideWindow> windows;
        for (qsizetype i = 0; i < sizes.size(); ++i)
            windows.push_back({sizes[i], 240, shown[i], !shown[i].isNull(), false});
        const std::vector<QRect> places = ui::placeSideWindows({main, area, {dice, roller}}, windows).windows;
        QCOMPARE(places.size(), windows.size());
        for (std::size_t i = 0; i < places.size(); ++i) {
            const QRect& r = places[i];
            QVERIFY(area.contains(r));
            QVERIFY(!r.intersects(dice) && !r.intersects(roller));
            QCOMPARE(r.width(), windows[i].size.width());
            QVERIFY(r.height() >= std::min(windows[i].minHeight, windows[i].size.height()));
            QVERIFY(!mainClear || !r.intersects(main));
            if (i > 0)
                QVERIFY(!r.intersects(places[0]));
        }
    }

    // Fault guarded: Tab to a category box showed no hint, though the mouse did; and a hint
    // popped up unasked where Qt or the program moved the focus (the third roll disables the
    // roll button), and stayed up into the next turn.
    void hintShowsWhenAskedForOnly_data()
    {
        QTest::addColumn<QString>("move");
        QTest::addColumn<bool>("shown");
        QTest::newRow("Tab") << "Tab" << true;
        QTest::newRow("arrow key") << "Down" << true;
        QTest::newRow("third roll") << "roll" << false;
        QTest::newRow("program") << "setFocus" << false;
    }
    void hintShowsWhenAskedForOnly()
    {
        QFETCH(QString, move);
        QFETCH(bool, shown);
        ArenaFixture f;
        f.a().show();
        QVERIFY(QTest::qWaitForWindowActive(&f.a()));
        f.newGame({"Anna"});
        f.roll({3, 3, 3, 5, 5});
        const auto tip = [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == u"qtooltip_label" && w->isVisible())
                    return static_cast<QLabel*>(w);
            return static_cast<QLabel*>(nullptr);
        };
        if (move == u"roll") {
            f.roll({3, 3, 3, 5, 5});
            f.roll({3, 3, 3, 5, 5});
        } else if (move == u"setFocus") {
            f.a().ScoreVal[3]->setFocus(Qt::TabFocusReason);
        } else {
            QTest::keyClick(QApplication::focusWidget(), move == u"Tab" ? Qt::Key_Tab : Qt::Key_Down);
        }
        QTRY_VERIFY(qobject_cast<QCheckBox*>(QApplication::focusWidget())); // after the third roll is told
        QWidget* box = QApplication::focusWidget();
        QCoreApplication::processEvents(); // a hint shows once the focus has moved
        QCOMPARE(tip() != nullptr, shown);
        if (shown) {
            QCOMPARE(tip()->text(), box->toolTip());
            QVERIFY(tip()->geometry().left() > f.a().ScoreVal[1]->mapToGlobal(QPoint(0, 0)).x() + 70);
            QCOMPARE(box->accessibleDescription(), box->toolTip());
        }
        // The mouse's hint, and the turn passing while the focus stays where it is.
        f.a().Roller->setFocus();
        QHelpEvent hover(QEvent::ToolTip, QPoint(4, 4), f.a().ScoreVal[13]->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(f.a().ScoreVal[13], &hover);
        QTRY_VERIFY(tip());
        f.pick(13);
        QTRY_VERIFY(!tip());
    }

    // Fault guarded: on X a held key acted again at every repeat Qt did not mark as one: a held
    // Enter spent the turn's rolls, a held digit held a die and let it go again, a held Space
    // rolled at each repeat. The server sends a repeat as a release and a press at the same
    // millisecond, here five of them between the first press and the last release.
    void heldKeyActsOnce_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("rolls"); // the first roll is done before the key is held
        QTest::addColumn<bool>("dieHeld");
        QTest::addColumn<int>("helps");
        QTest::addColumn<bool>("coach");
        QTest::newRow("Return") << int(Qt::Key_Return) << 2 << false << 0 << false;
        QTest::newRow("Enter") << int(Qt::Key_Enter) << 2 << false << 0 << false;
        QTest::newRow("Space on the roll button") << int(Qt::Key_Space) << 2 << false << 0 << false;
        QTest::newRow("2") << int(Qt::Key_2) << 1 << true << 0 << false;
        QTest::newRow("F1") << int(Qt::Key_F1) << 1 << false << 1 << false;
        QTest::newRow("F2, a shortcut") << int(Qt::Key_F2) << 1 << false << 0 << true;
    }
    void heldKeyActsOnce()
    {
        QFETCH(int, key);
        QFETCH(int, rolls);
        QFETCH(bool, dieHeld);
        QFETCH(int, helps);
        QFETCH(bool, coach);
        ArenaFixture f;
        f.a().show();
        QVERIFY(QTest::qWaitForWindowActive(&f.a()));
        f.newGame({"Anna"});
        f.roll({1, 2, 3, 4, 6});
        const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        // As Qt hands on a key from the server: a press is offered as a shortcut first.
        const auto send = [&](QEvent::Type type, ulong time) {
            QWidget* to = QApplication::focusWidget();
            if (type == QEvent::KeyPress && qt_sendShortcutOverrideEvent(to, time, key, modifiers))
                return;
            QKeyEvent event(type, key, modifiers);
            event.setTimestamp(time);
            QApplication::sendEvent(to, &event);
        };
        ulong time = 100000;
        send(QEvent::KeyPress, time);
        for (int repeat = 0; repeat < 5; ++repeat) {
            time += repeat == 0 ? 660 : 40;
            send(QEvent::KeyRelease, time);
            send(QEvent::KeyPress, time);
        }
        send(QEvent::KeyRelease, time + 25);
        const auto* guard = f.a().findChild<ui::KeyGuard*>();
        QTRY_VERIFY(!guard->holdingRelease()); // the last release, let go
        QCOMPARE(int(f.s().RollCount), rolls);
        QCOMPARE(!f.s().DiceFree[1], dieHeld);
        QCOMPARE(int(std::count_if(f.dialogs.shown.begin(), f.dialogs.shown.end(),
                                   [](const auto& box) { return box.title == u"Kolvo Hjälp"; })),
                 helps);
        QCOMPARE(f.a().sideWindows().coachPanel() && f.a().sideWindows().coachPanel()->isVisible(), coach);
        QCOMPARE(f.a().sideWindows().coachItem()->isChecked(), coach);
    }

    void keysDoNothingBeforeARoll()
    {
        ArenaFixture f;
        f.newGame({"Anna"});
        QTest::keyClick(&f.a(), Qt::Key_1);
        QVERIFY(f.s().DiceFree[0]);
    }

    void screenReaderNames()
    {
        ArenaFixture f;
        QCOMPARE(f.a().DicePic[0]->accessibleName(), QStringLiteral("Tärning 1: ingen"));
        f.newGame({"Anna"});
        f.roll({3, 3, 3, 5, 5});
        QCOMPARE(f.a().DicePic[3]->accessibleName(), QStringLiteral("Tärning 4: 5"));
        f.a().DicePic_Click(3);
        QCOMPARE(f.a().DicePic[3]->accessibleName(), QStringLiteral("Tärning 4: 5, hålls"));
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(f.a().ScoreVal[13]);
        QVERIFY(box);
        QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Kåk"));
        QCOMPARE(box->text(QAccessible::Description), QStringLiteral("Kåk = 19"));
        QAccessibleInterface* label = QAccessible::queryAccessibleInterface(f.a().lblSpelareTur);
        QCOMPARE(label->text(QAccessible::Name), QStringLiteral("Anna"));
        f.pick(13);
        QCOMPARE(f.a().DicePic[3]->accessibleName(), QStringLiteral("Tärning 4: ingen"));
    }

    // What a player who cannot see the board hears, unasked or on F5, F6 and F7, step by step.
    void theGameIsHeard_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("heard");
        const QString start = QStringLiteral("Spelet börjar. Spelare: Ada och Bo. Ada kastar först. Tryck Enter");
        QTest::newRow("a turn") << QStringList{"new", "roll 2 3 3 5 6", "key 3", "roll 2 3 3 6", "pick 3"}
                                << QStringList{start, "Kast 1 av 3: 2, 3, 3, 5, 6", "Tärning 3: 3, hålls",
                                               "Kast 2 av 3: 2, 3, 3 hålls, 3, 6",
                                               "Ada skrev Treor: 9 poäng. Nu kastar Bo."};
        QTest::newRow("a give-up, a release") << QStringList{"new", "roll 1 2 3 4 6", "key 5", "key 5", "pick 14"}
                                              << QStringList{start, "Kast 1 av 3: 1, 2, 3, 4, 6", "Tärning 5: 6, hålls",
                                                             "Tärning 5: 6, släppt", "Ada strök Kolvo. Nu kastar Bo."};
        QTest::newRow("asked for") << QStringList{"new", "F5", "roll 6 6 6 6 6", "key 1", "F5", "pick 14", "F6", "F7"}
                                   << QStringList{
                                          start,
                                          "Ada kastar: inget kast ännu.",
                                          "Kast 1 av 3: 6, 6, 6, 6, 6",
                                          "Tärning 1: 6, hålls",
                                          "Kast 1 av 3: 6 hålls, 6, 6, 6, 6",
                                          "Ada skrev Kolvo: 50 poäng. Nu kastar Bo.",
                                          "Bo: fria är Ettor, Tvåor, Treor, Fyror, Femmor, Sexor, Par, Två par, "
                                          "Triss, Fyrtal, Lillan, Storan, Kåk, Kolvo och Chans. Övre summa 0 "
                                          "av 63. Summa 0.",
                                          "Ställning: Ada 50 poäng och Bo 0 poäng. Bo har turen."};
        QTest::newRow("the end") << QStringList{"new", "fill", "roll 6 6 6 6 5", "pick 15", "roll 1 1 1 1 2", "pick 15"}
                                 << QStringList{start,
                                                "Kast 1 av 3: 6, 6, 6, 6, 5",
                                                "Ada skrev Chans: 29 poäng. Nu kastar Bo.",
                                                "Kast 1 av 3: 1, 1, 1, 1, 2",
                                                "Bo skrev Chans: 6 poäng.",
                                                "Spelet är slut. Ada vann med 29 poäng. Bo 6 poäng. Nytt rekord!"};
    }
    void theGameIsHeard()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, heard);
        ArenaFixture f;
        f.a().show();
        QVERIFY(QTest::qWaitForWindowActive(&f.a()));
        QStringList told;
        connect(&f.a().announcer(), &Announcer::announced, this, [&told](const QString& s) { told << s; });
        for (const QString& step : steps) {
            const QStringList w = step.split(u' ');
            const qsizetype heardBefore = told.size();
            if (w[0] == u"new") {
                f.newGame({"Ada", "Bo"});
            } else if (w[0] == u"roll") {
                f.a().Roller_Click(); // the free dice settle on the faces given, in order
                for (int t = 0; t < 3 * f.freeDice(); ++t)
                    f.random.queueFaces({1});
                for (qsizetype i = 1; i < w.size(); ++i)
                    f.random.queueFaces({w[i].toInt()});
                f.tickUntilRolled();
            } else if (w[0] == u"key") {
                QTest::keyClick(&f.a(), Qt::Key(Qt::Key_0 + w[1].toInt()));
            } else if (w[0] == u"pick") {
                f.pick(w[1].toInt());
            } else if (w[0] == u"fill") {
                for (int p = 1; p <= 2; ++p)
                    for (int c = 1; c < 15; ++c)
                        f.s().Points[p][c] = 0;
            } else {
                QTest::keyClick(&f.a(), Qt::Key(Qt::Key_F1 + w[0].mid(1).toInt() - 1));
            }
            // Each step but the set-up is heard, the last write apart from the end it brings.
            QTRY_VERIFY_WITH_TIMEOUT(told.size() > heardBefore || w[0] == u"fill", 5000);
        }
        QTRY_COMPARE(told.size(), heard.size());
        for (qsizetype k = 0; k < heard.size(); ++k)
            QVERIFY2(told[k].startsWith(heard[k]), qPrintable(told[k]));
    }

    // A die is a checkable button, checked while held; its press action holds and releases
    // it by the rules of a click, once the event loop has run.
    void diceAreCheckableButtons_data()
    {
        QTest::addColumn<bool>("rolled");
        QTest::addColumn<int>("presses");
        QTest::addColumn<bool>("held");
        QTest::newRow("before a roll") << false << 1 << false;
        QTest::newRow("pressed") << true << 1 << true;
        QTest::newRow("pressed twice") << true << 2 << false;
    }
    void diceAreCheckableButtons()
    {
        QFETCH(bool, rolled);
        QFETCH(int, presses);
        QFETCH(bool, held);
        ArenaFixture f;
        f.newGame({"Anna"});
        if (rolled)
            f.roll({3, 3, 3, 5, 5});
        QAccessibleInterface* die = QAccessible::queryAccessibleInterface(f.a().DicePic[2]);
        QVERIFY(die->role() == QAccessible::Button && die->state().checkable);
        for (int p = 0; p < presses; ++p) {
            const bool before = f.s().DiceFree[2];
            die->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(f.s().DiceFree[2], before); // the caller over the bus is answered first
            QCoreApplication::processEvents();
        }
        QCOMPARE(!f.s().DiceFree[2], held);
        QVERIFY(die->state().checked == held && die->state().pressed == held);
        QCOMPARE(die->text(QAccessible::Name), f.a().DicePic[2]->accessibleName());
    }

    // The sentences of one pass of the event loop go out as one notification, in order, none
    // twice; a repeat within a second of the last is dropped. What waits for them runs after.
    void announcerTellsEachSentenceOnce_data()
    {
        QTest::addColumn<QList<QStringList>>("passes");
        QTest::addColumn<QStringList>("told");
        QTest::newRow("two in a pass") << QList<QStringList>{{"Ada skrev Treor: 9 poäng", "Nu kastar Bo."}}
                                       << QStringList{"Ada skrev Treor: 9 poäng. Nu kastar Bo."};
        QTest::newRow("twice in a pass") << QList<QStringList>{{"Tärning 2: 4, hålls", "Tärning 2: 4, hålls"}}
                                         << QStringList{"Tärning 2: 4, hålls"};
        QTest::newRow("again at once") << QList<QStringList>{{"Tärning 2: 4, hålls"}, {"Tärning 2: 4, hålls"}}
                                       << QStringList{"Tärning 2: 4, hålls"};
        QTest::newRow("released between")
            << QList<QStringList>{{"Tärning 2: 4, hålls"}, {"Tärning 2: 4, släppt"}, {"Tärning 2: 4, hålls"}}
            << QStringList{"Tärning 2: 4, hålls", "Tärning 2: 4, släppt", "Tärning 2: 4, hålls"};
        QTest::newRow("blank") << QList<QStringList>{{"  "}} << QStringList{};
    }
    void announcerTellsEachSentenceOnce()
    {
        QFETCH(QList<QStringList>, passes);
        QFETCH(QStringList, told);
        QWidget window;
        Announcer announcer(&window);
        QSignalSpy spy(&announcer, &Announcer::announced);
        for (const QStringList& pass : passes) {
            for (const QString& sentence : pass)
                announcer.announce(sentence);
            bool out = false; // what waits for a pass runs once it is out, a dropped repeat too
            announcer.afterTold(&window, [&out] { out = true; });
            QTRY_VERIFY(out);
        }
        QCOMPARE(spy.size(), told.size());
        for (qsizetype k = 0; k < told.size(); ++k)
            QCOMPARE(spy.at(k).at(0).toString(), told.at(k));
        // Nothing of it shows or takes the focus.
        QAccessibleInterface* voice = QAccessible::queryAccessibleInterface(announcer.voice());
        QCOMPARE(voice->role(), QAccessible::Notification);
        QCOMPARE(voice->parent()->role(), QAccessible::StatusBar);
        QCOMPARE(voice->text(QAccessible::Name), announcer.lastAnnouncement());
        for (QWidget* part : {announcer.voice(), announcer.voice()->parentWidget()}) {
            QVERIFY(part->isHidden());
            QCOMPARE(part->focusPolicy(), Qt::NoFocus);
        }
    }

    // While a message box is up nothing is told: the box's own showing would cut it off.
    void announcerWaitsForTheBox()
    {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Announcer announcer(&window);
        QSignalSpy spy(&announcer, &Announcer::announced);
        QDialog box(&window);
        box.setModal(true);
        box.show();
        announcer.announce(QStringLiteral("Ada strök Kåk."));
        QTest::qWait(2 * Announcer::kActivationWaitMs);
        QCOMPARE(spy.count(), 0);
        box.hide();
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 4 * Announcer::kActivationWaitMs);
    }

    // F7: every player by name with the total, in the seats' order, and whose turn it is.
    void standings_data()
    {
        QTest::addColumn<QStringList>("totals"); // players P1, P2, …
        QTest::addColumn<int>("inTurn");         // negative: a computer's seat
        QTest::addColumn<bool>("ended");
        QTest::addColumn<QString>("said");
        QTest::newRow("no game") << QStringList{} << 1 << false << "Inget spel pågår. " + texts::kHowToBegin.toString();
        QTest::newRow("one") << QStringList{"0"} << 1 << false << "Ställning: P1 0 poäng. P1 har turen.";
        QTest::newRow("six") << QStringList{"1", "2", "3", "4", "5", "6"} << 3 << false
                             << "Ställning: P1 1 poäng, P2 2 poäng, P3 3 poäng, P4 4 poäng, P5 5 poäng och P6 6 "
                                "poäng. P3 har turen.";
        QTest::newRow("a computer's turn") << QStringList{"40", "52"} << -2 << false
                                           << "Ställning: P1 40 poäng och P2 52 poäng. P2 har turen och spelar.";
        QTest::newRow("ended") << QStringList{"200", "230"} << 1 << true
                               << "Spelet är slut. P2 vann med 230 poäng. P1 200 poäng.";
    }
    void standings()
    {
        QFETCH(QStringList, totals);
        QFETCH(int, inTurn);
        QFETCH(bool, ended);
        QFETCH(QString, said);
        GameState s;
        s.NumPlayers = std::int16_t(totals.size());
        s.CurrentPlayer = std::int16_t(std::abs(inTurn) - 1);
        for (int p = 1; p <= totals.size(); ++p) {
            s.Names[p] = QStringLiteral("P%1").arg(p);
            s.Points[p].fill(ended ? 0 : GameState::kFree);
            s.Points[p][GameState::kTotalRow] = std::int16_t(totals[p - 1].toInt());
        }
        QCOMPARE(texts::standings(s, texts::Seats().set(std::size_t(-std::min(inTurn, 0))), ended), said);
    }

    // Player 2 has used everything but "Sexor" and has 45 in the upper section, 230 in all.
    void adviceText_data()
    {
        QTest::addColumn<int>("rollsLeft");
        QTest::addColumn<rules::Dice>("dice");
        QTest::addColumn<QString>("best");
        QTest::addColumn<int>("rows");
        QTest::newRow("first roll") << 2 << rules::Dice{6, 2, 6, 5, 6}
                                    << QStringLiteral("Håll 6 6 6 (tärningarna 1, 3 och 5), kasta om två: 301,7") << 3;
        QTest::newRow("second roll") << 1 << rules::Dice{6, 2, 6, 5, 6}
                                     << QStringLiteral("Håll 6 6 6 (tärningarna 1, 3 och 5), kasta om två: 300,0") << 3;
        QTest::newRow("one die") << 1 << rules::Dice{1, 2, 3, 6, 4}
                                 << QStringLiteral("Håll 6 (tärning 4), kasta om fyra: 246,6") << 3;
        QTest::newRow("nothing worth keeping")
            << 1 << rules::Dice{1, 2, 3, 4, 5} << QStringLiteral("Kasta om alla fem: 236,8") << 3;
        QTest::newRow("five sixes") << 2 << rules::Dice{6, 6, 6, 6, 6}
                                    << QStringLiteral("Behåll alla, välj Sexor (30 poäng): 310,0") << 3;
        QTest::newRow("last roll") << 0 << rules::Dice{6, 2, 6, 5, 6} << QStringLiteral("Välj Sexor (18 poäng): 298,0")
                                   << 1;
        QTest::newRow("nothing to take") << 0 << rules::Dice{1, 2, 3, 4, 5} << QStringLiteral("Offra Sexor: 230,0")
                                         << 1;
        QTest::newRow("not rolled yet") << 3 << rules::Dice{0, 0, 0, 0, 0} << QStringLiteral("Kasta tärningarna först.")
                                        << 0;
    }
    void adviceText()
    {
        QFETCH(int, rollsLeft);
        QFETCH(rules::Dice, dice);
        QFETCH(QString, best);
        QFETCH(int, rows);
        GameState s;
        s.NumPlayers = 2;
        s.Points[2] = {0, 3, 6, 9, 12, 15, GameState::kFree, 12, 22, 18, 16, 15, 0, 28, 50, 24, 0, 230};
        for (int i = 0; i < 5; ++i)
            s.DiceValue[i] = std::int16_t(dice[i]);
        const auto table = rules::SolverTable::solve(rules::kAllCategories & ~rules::CategoryMask(1u << 5));
        const texts::Advice advice = texts::adviceText(*table, s, 2, rollsLeft);
        QCOMPARE(advice.rows.size(), rows);
        QCOMPARE(rows ? advice.rows.front().move + QStringLiteral(": ") + advice.rows.front().value : advice.note,
                 best);
        static const QRegularExpression number(QStringLiteral("^\\d+,\\d$"));
        for (qsizetype k = 1; k < advice.rows.size(); ++k) {
            QVERIFY2(number.match(advice.rows[k].value).hasMatch(), qPrintable(advice.rows[k].value));
            const QLocale sv(QLocale::Swedish);
            QVERIFY(sv.toDouble(advice.rows[k].value) <= sv.toDouble(advice.rows[k - 1].value)); // best first
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
