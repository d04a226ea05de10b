// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "arena/ComputerTurn.h"
#include "fakes/ArenaFixture.h"
#include "arena/ArenaTexts.h"
#include "rules/GameFlow.h"
#include "rules/ScoreSheet.h"
#include "rules/SolverCache.h"
#include "platform/Announcer.h"
#include "ui/PictureBox.h"

// Whole flows of play on the main window, with scripted dice and dialog answers.
namespace {
QByteArray sound(const char* file)
{
    return QByteArray("Play /opt/kolvo/") + file;
}
int countOf(const std::vector<QByteArray>& v, const QByteArray& x)
{
    return int(std::count(v.begin(), v.end(), x));
}

// What the player sees of the table: every control a new game touches, and the turn.
QStringList tableSeen(KolvoArena& a)
{
    const auto flag = [](bool b) { return QString::number(b); };
    QStringList out{a.Roller->text(),        flag(a.Roller->isEnabled()),
                    a.lblSpelareTur->text(), a.RekordHållareNamn->text(),
                    a.Rekordhållare->text(), flag(a.Timer1->isActive())};
    for (int p = 1; p <= 6; ++p)
        out << a.lblPlayer[p]->text() << a.lblSum[p]->text() << a.lblPlayer[p]->toolTip();
    for (int c = 1; c <= 15; ++c)
        out << a.Score[c]->text() << flag(a.ScoreVal[c]->isChecked()) << flag(a.ScoreVal[c]->isEnabled())
            << a.ScoreVal[c]->toolTip();
    for (PictureBox* d : a.DicePic)
        out << d->accessibleName() << d->toolTip() << flag(d->hasBorder());
    return out;
}

// The table at one of the moments the rows below name.
void setUp(ArenaFixture& f, const QString& moment)
{
    if (moment == u"no game")
        return;
    f.newGame({"Anna", "Bo"});
    if (moment == u"rolled") {
        f.roll({2, 5, 5, 1, 3});
        f.a().DicePic_Click(1);
    } else if (moment == u"turn passed") {
        f.roll({2, 5, 5, 1, 3});
        f.pick(15);
    } else if (moment == u"tumbling") {
        f.a().Roller_Click();
        f.a().Timer1_Timer();
    } else if (moment == u"game over") {
        for (int c = 1; c <= 30; ++c) {
            f.roll({6, 6, 6, 6, 6});
            f.pick((c + 1) / 2); // scratches answer OK
        }
    }
}

int questionsAsked(const FakeDialogs& dialogs, const Text& question)
{
    const auto texts = dialogs.messageTexts();
    return int(std::count(texts.begin(), texts.end(), question.toString()));
}

// A game of the people named, then computers, from "Mot datorn…"; the solver's table solved
// once for the suite and saved where the coach reads it, unless the game is to wait for it.
const rules::SolverTable& solvedTable()
{
    static const rules::SolverTable table = *rules::SolverTable::solve();
    return table;
}

void computerGame(ArenaFixture& f, QStringList people, int computers, rules::Strength strength, bool tableSaved = true)
{
    if (tableSaved)
        QVERIFY(rules::saveTable(solvedTable(), f.cache.path()));
    f.dialogs.choices.push_back(Choices{int(people.size()) - 1, computers - 1, int(strength), int(Pace::Normal)});
    for (const QString& n : people)
        f.dialogs.inputs.push_back(n);
    f.a().mnuComputer_Click();
    QSignalSpy ready(&f.a().sideWindows().solverTable(), &rules::SolverTableProvider::tableReady);
    QVERIFY(!tableSaved || f.a().sideWindows().solverTable().ready() || ready.wait(30000));
}

// The computer's next move, now, every die it rolls showing face; its animation run out.
// Its turn's first move is made once the words before it are taken in, as it waits for them.
void computerMoves(ArenaFixture& f, int face = 2)
{
    if (rules::rollsMade(f.s()) == 0)
        QTRY_VERIFY(f.a().announcer().quiet(Announcer::kSettleMs));
    f.random.draws.clear();
    for (int i = 0; i < 40; ++i)
        f.random.queueFaces({face});
    f.a().computer()->step();
    f.tickUntilRolled();
}

// What a move would change: dice, holds, rolls, sheets, names and sums.
QString boardOf(ArenaFixture& f)
{
    QString b;
    for (int i = 0; i < 5; ++i)
        b += QStringLiteral("%1%2 ").arg(f.s().DiceValue[i]).arg(f.s().DiceFree[i]);
    for (int p = 1; p <= 6; ++p) {
        b += f.a().lblPlayer[p]->text() + '=' + f.a().lblSum[p]->text() + ':';
        for (int c = 1; c <= 15; ++c)
            b += QString::number(f.s().Points[p][c]) + ',';
    }
    return b + QString::number(f.s().RollCount) + f.a().lblSpelareTur->text();
}
} // namespace

class GameFlowTest : public QObject {
    Q_OBJECT
private slots:
    void wholeOnePlayerGame()
    {
        ArenaFixture f;
        f.newGame({"Anna"});
        QCOMPARE(f.a().Roller->text(), QStringLiteral("Kasta"));
        QCOMPARE(f.a().lblSpelareTur->text(), QStringLiteral("Anna"));

        struct Turn {
            std::initializer_list<int> dice;
            int category;
            int total;
        };
        const Turn upper[] = {
            {{1, 1, 1, 2, 3}, 1, 3},  {{2, 2, 2, 1, 3}, 2, 9},  {{3, 3, 3, 1, 2}, 3, 18},
            {{4, 4, 4, 1, 2}, 4, 30}, {{5, 5, 5, 1, 2}, 5, 45},
        };
        for (const Turn& t : upper) {
            f.roll(t.dice);
            f.pick(t.category);
            QCOMPARE(f.a().lblSum[1]->text(), QString::number(t.total));
            QVERIFY(f.a().ScoreVal[t.category]->isChecked());
            QVERIFY(!f.a().ScoreVal[t.category]->isEnabled());
            QCOMPARE(f.a().Roller->text(), QStringLiteral("Tryck"));
        }
        QVERIFY(f.dialogs.messageTexts().empty());

        // The sixes bring the upper sum to exactly 63: applause, then the message, once.
        f.roll({6, 6, 6, 1, 2});
        f.pick(6);
        QCOMPARE(f.dialogs.messageTexts().size(), size_t(1));
        QCOMPARE(f.dialogs.shown.back().text, QStringLiteral("Gratulerar ! Du har fått 50 poäng i bonus !"));
        QCOMPARE(f.dialogs.shown.back().title, QStringLiteral("Kolvo"));
        QCOMPARE(f.media.commands.back(), sound("claps.wav"));
        QCOMPARE(f.a().lblSum[1]->text(), QStringLiteral("113"));
        QCOMPARE(int(f.s().Points[1][16]), 50);

        // A scratch declined: the row is free again, the box un-ticked, the turn goes on.
        f.roll({1, 2, 3, 4, 6});
        f.dialogs.answers.push_back(DialogAnswer::Cancel);
        f.pick(7);
        QCOMPARE(f.dialogs.shown.back().text, QStringLiteral("Vill Du offra Par ?"));
        QCOMPARE(f.dialogs.shown.back().buttons, DialogButtons::OkCancel);
        QCOMPARE(int(f.s().Points[1][7]), 100);
        QVERIFY(!f.a().ScoreVal[7]->isChecked());
        QVERIFY(!f.a().IgnoreScoreClick);
        QVERIFY(f.s().HasRolled);
        QCOMPARE(int(f.s().RollCount), 1);
        // The very next click is handled normally.
        f.pick(15);
        QCOMPARE(f.a().lblSum[1]->text(), QStringLiteral("129"));
        QCOMPARE(f.a().Score[15]->text(), QStringLiteral("16"));

        // A scratch confirmed: 0 is recorded, glass breaks, the turn passes, the sum stays.
        f.roll({1, 2, 3, 4, 6});
        f.pick(7);
        QCOMPARE(int(f.s().Points[1][7]), 0);
        QCOMPARE(f.media.commands.back(), sound("glass.wav"));
        QCOMPARE(f.a().Score[7]->text(), QStringLiteral("0"));
        QVERIFY(f.a().ScoreVal[7]->isChecked() && !f.a().ScoreVal[7]->isEnabled());
        QCOMPARE(f.a().lblSum[1]->text(), QStringLiteral("129"));
        QVERIFY(!f.s().HasRolled);

        const Turn rest[] = {
            {{5, 5, 6, 6, 1}, 8, 151},  {{3, 3, 3, 1, 2}, 9, 160},  {{4, 4, 4, 4, 2}, 10, 176},
            {{1, 2, 3, 4, 5}, 11, 191}, {{2, 3, 4, 5, 6}, 12, 211}, {{5, 5, 6, 6, 6}, 13, 239},
        };
        for (const Turn& t : rest) {
            f.roll(t.dice);
            f.pick(t.category);
            QCOMPARE(f.a().lblSum[1]->text(), QString::number(t.total));
        }
        const size_t messagesBefore = f.dialogs.messageTexts().size();
        f.roll({6, 6, 6, 6, 6});
        f.pick(14);
        QTRY_VERIFY(f.a().table().ended()); // once the last write has been told

        // Game over: the winner, the record, and only the menus left.
        const auto messages = f.dialogs.messageTexts();
        QCOMPARE(messages.size(), messagesBefore + 2); // no message for the 50 itself
        QCOMPARE(messages[messagesBefore], QStringLiteral("Vinner gör Anna\r\nmed poängen: 289"));
        QCOMPARE(f.dialogs.shown[f.dialogs.shown.size() - 2].title, QStringLiteral("Segrare"));
        QCOMPARE(messages.back(), QStringLiteral("Nytt rekord !!"));
        QCOMPARE(f.dialogs.shown.back().title, QStringLiteral("Högsta poäng"));
        const auto& c = f.media.commands;
        QCOMPARE(c[c.size() - 2], sound("clap.wav"));
        QCOMPARE(c.back(), sound("Congratulations.mid"));
        QCOMPARE(f.a().lblSpelareTur->text(), QStringLiteral("Spelet är slut"));
        QVERIFY(!f.a().Roller->isEnabled());
        QCOMPARE(f.settings.values.value("Kolvo/KolvoHighscore/Score"), QStringLiteral("289"));
        QCOMPARE(f.settings.values.value("Kolvo/KolvoHighscore/Name"), QStringLiteral("Anna"));
        QCOMPARE(f.a().Rekordhållare->text(), QStringLiteral("289"));
        QCOMPARE(f.a().RekordHållareNamn->text(), QStringLiteral("Anna"));
        for (int cat = 1; cat <= 15; ++cat)
            QVERIFY(f.a().ScoreVal[cat]->isChecked() && !f.a().ScoreVal[cat]->isEnabled());
        QCOMPARE(countOf(c, sound("claps.wav")), 1);
        QCOMPARE(countOf(c, sound("Roll.wav")), 15); // one roll a turn
    }

    void noBonusAtSixtyTwo()
    {
        ArenaFixture f;
        f.newGame({"Bo"});
        const std::initializer_list<int> throws[]
            = {{1, 1, 2, 3, 4}, {2, 2, 2, 1, 3}, {3, 3, 3, 1, 2}, {4, 4, 4, 1, 2}, {5, 5, 5, 1, 2}, {6, 6, 6, 1, 2}};
        for (int c = 1; c <= 6; ++c) {
            f.roll(throws[c - 1]);
            f.pick(c);
        }
        QCOMPARE(f.a().lblSum[1]->text(), QStringLiteral("62"));
        QVERIFY(f.dialogs.messageTexts().empty());
        QCOMPARE(int(f.s().Points[1][16]), 0);
    }

    void turnOrder_data()
    {
        QTest::addColumn<int>("players");
        QTest::newRow("one") << 1;
        QTest::newRow("three") << 3;
        QTest::newRow("six") << 6;
    }
    void turnOrder()
    {
        QFETCH(int, players);
        ArenaFixture f;
        QStringList names;
        for (int i = 1; i <= players; ++i)
            names << QStringLiteral("P%1").arg(i);
        f.newGame(names);
        QCOMPARE(int(f.dialogs.shown.size()), players);
        for (int i = 1; i <= players; ++i) {
            QCOMPARE(f.dialogs.shown[i - 1].text, QStringLiteral("Vad heter spelare nr %1 ?").arg(i));
            QCOMPARE(f.dialogs.shown[i - 1].title, QStringLiteral("Kolvo"));
            QCOMPARE(f.a().lblPlayer[i]->text(), names[i - 1]);
        }
        for (int turn = 0; turn < 2 * players + 1; ++turn) {
            QCOMPARE(int(f.s().CurrentPlayer), turn % players);
            QCOMPARE(f.a().lblSpelareTur->text(), names[turn % players]);
            f.roll({2, 3, 4, 5, 6});
            f.pick(1 + turn / players); // each player fills categories 1, 2, 3 in order
        }
        // The sheet shown is that of the player in turn: player 2's (or, alone, player 1's).
        const int shown = players == 1 ? 1 : 2;
        const int used = players == 1 ? 3 : 2;
        for (int c = 1; c <= 15; ++c)
            QCOMPARE(f.a().ScoreVal[c]->isChecked(), c <= used);
        QCOMPARE(int(f.s().CurrentPlayer) + 1, shown);
    }

    void newGameWithFewerPlayersClearsEveryLabel()
    {
        ArenaFixture f;
        f.newGame({"A", "B", "C", "D", "E", "F"});
        for (int p = 1; p <= 6; ++p) {
            f.roll({6, 6, 6, 6, 6});
            f.pick(14);
        }
        QCOMPARE(f.a().lblSum[6]->text(), QStringLiteral("50"));
        f.newGame({"G", "H"});
        for (int p = 3; p <= 6; ++p) {
            QVERIFY(f.a().lblPlayer[p]->text().isEmpty());
            QVERIFY(f.a().lblSum[p]->text().isEmpty());
        }
        QVERIFY(f.a().lblSum[1]->text().isEmpty());
        QCOMPARE(f.a().lblPlayer[1]->text(), QStringLiteral("G"));
        for (int c = 1; c <= 15; ++c)
            QVERIFY(!f.a().ScoreVal[c]->isChecked() && f.a().ScoreVal[c]->isEnabled());
        QCOMPARE(f.a().Roller->text(), QStringLiteral("Kasta"));
    }

    void nothingActsBeforeAGame()
    {
        ArenaFixture f;
        QVERIFY(!f.a().Roller->isEnabled());
        f.a().DicePic_Click(0);
        f.pick(3);
        QVERIFY(f.s().DiceFree == (std::array<bool, 5>{}));
        QCOMPARE(int(f.s().Points[1][3]), 0);
        QVERIFY(f.dialogs.shown.empty());
    }

    void cancelledNamesMakeNamelessPlayers()
    {
        ArenaFixture f;
        f.a().SpelarNummer_Click(2); // no inputs queued: both prompts answer ""
        QVERIFY(f.a().lblPlayer[1]->text().isEmpty());
        QVERIFY(f.a().lblSpelareTur->text().isEmpty());
        QVERIFY(f.a().Roller->isEnabled());
    }

    // Fault guarded: Avbryt in a name prompt started a game of blank names, and a new game
    // threw the running one away unasked. Avbryt, to the question or in any prompt, leaves
    // the table exactly as it was.
    void cancelledNewGameLeavesTheTableAsItWas_data()
    {
        QTest::addColumn<QString>("moment");
        QTest::addColumn<int>("cancelAt"); // the prompt answered Avbryt; 0: the question
        QTest::addColumn<bool>("asked");
        QTest::newRow("no game, first name") << "no game" << 1 << false;
        QTest::newRow("before the first roll, second name") << "named" << 2 << false;
        QTest::newRow("rolled, the question") << "rolled" << 0 << true;
        QTest::newRow("rolled, first name") << "rolled" << 1 << true;
        QTest::newRow("turn passed, second name") << "turn passed" << 2 << true;
        QTest::newRow("dice tumbling, first name") << "tumbling" << 1 << true;
        QTest::newRow("game over, first name") << "game over" << 1 << false;
    }
    void cancelledNewGameLeavesTheTableAsItWas()
    {
        QFETCH(QString, moment);
        QFETCH(int, cancelAt);
        QFETCH(bool, asked);
        ArenaFixture f;
        setUp(f, moment);
        const GameState before = f.s();
        const QStringList seen = tableSeen(f.a());
        const int game = f.a().table().gameId();
        const std::size_t logged = f.a().table().decisions().size(); // the review keeps the game's decisions
        QSignalSpy changed(&f.a().table(), &GameTable::changed);
        f.dialogs.answers = {cancelAt == 0 ? DialogAnswer::Cancel : DialogAnswer::Ok};
        f.dialogs.inputs = {QStringLiteral("Cilla"), QStringLiteral("Dan")};
        if (cancelAt > 0)
            f.dialogs.inputs[cancelAt - 1] = std::nullopt;
        f.a().SpelarNummer_Click(3);
        QCOMPARE(questionsAsked(f.dialogs, texts::kDiscardForNewGame), asked ? 1 : 0);
        QVERIFY(f.s() == before);
        QCOMPARE(tableSeen(f.a()), seen);
        QCOMPARE(f.a().table().gameId(), game);
        QCOMPARE(f.a().table().decisions().size(), logged);
        // The views hear of nothing, or are told the table is back as it was.
        QVERIFY(cancelAt == 0 ? changed.isEmpty()
                              : changed.last().first().value<GameTable::Changes>() == GameTable::Restored);
    }

    // A running game is thrown away only after an OK; nothing is asked when no roll has
    // been made, after the end, or when the program or the session closes the window.
    void discardAsksOnlyWhileAGameRuns_data()
    {
        QTest::addColumn<QString>("moment");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("asked");
        QTest::newRow("no game, exit") << "no game"
                                       << "exit" << false;
        QTest::newRow("before the first roll, close") << "named"
                                                      << "close" << false;
        QTest::newRow("rolled, exit") << "rolled"
                                      << "exit" << true;
        QTest::newRow("rolled, close") << "rolled"
                                       << "close" << true;
        QTest::newRow("turn passed, exit") << "turn passed"
                                           << "exit" << true;
        QTest::newRow("dice tumbling, close") << "tumbling"
                                              << "close" << true;
        QTest::newRow("rolled, session ending") << "rolled"
                                                << "session close" << false;
        QTest::newRow("game over, close") << "game over"
                                          << "close" << false;
        QTest::newRow("game over, exit") << "game over"
                                         << "exit" << false;
    }
    void discardAsksOnlyWhileAGameRuns()
    {
        QFETCH(QString, moment);
        QFETCH(QString, action);
        QFETCH(bool, asked);
        ArenaFixture f;
        f.a().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.a()));
        setUp(f, moment);
        QSignalSpy exits(&f.a(), &KolvoArena::exitRequested);
        const auto act = [&] {
            if (action == u"exit")
                f.a().mnuExit_Click();
            else {
                if (action == u"session close")
                    f.a().sessionEnding();
                f.a().close();
            }
        };
        const auto ended = [&] { return action == u"exit" ? exits.count() == 1 : !f.a().isVisible(); };
        f.dialogs.answers = {DialogAnswer::Cancel};
        act();
        QCOMPARE(questionsAsked(f.dialogs, texts::kDiscardForExit), asked ? 1 : 0);
        QCOMPARE(ended(), !asked);
        if (asked) {
            QVERIFY(rules::gameRunning(f.s()));
            act(); // answered OK
            QVERIFY(ended());
        }
        f.a().close(); // after the exit, as the chain of windows closes it: nothing more is asked
        QVERIFY(!f.a().isVisible());
        QCOMPARE(questionsAsked(f.dialogs, texts::kDiscardForExit), asked ? 2 : 0);
    }

    // The form, the names, and Avbryt anywhere leaving the game on the board as it was.
    void computerGameFromItsForm_data()
    {
        QTest::addColumn<QList<int>>("form"); // people - 1, computers - 1, strength, pace; empty: Avbryt
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("started");
        QTest::addColumn<bool>("offeredAgain"); // the form's choices are its first ones next time
        QTest::newRow("two people, three computers")
            << QList<int>{1, 2, 2, 2} << QStringList{"Ann", "Bo"} << true << true;
        QTest::newRow("Avbryt on the form") << QList<int>{} << QStringList{} << false << false;
        // Fault guarded: Avbryt on a name made the form forget the strength just chosen.
        QTest::newRow("Avbryt on the second name") << QList<int>{1, 0, 3, 0} << QStringList{"Ann"} << false << true;
        QTest::newRow("seven seats are not offered") << QList<int>{2, 4, 0, 1} << QStringList{} << false << false;
    }
    void computerGameFromItsForm()
    {
        QFETCH(QList<int>, form);
        QFETCH(QStringList, names);
        QFETCH(bool, started);
        QFETCH(bool, offeredAgain);
        ArenaFixture f;
        f.newGame({"Kim"});
        f.roll({3, 3, 3, 4, 5});
        const QString before = boardOf(f);
        f.dialogs.choices.push_back(form.isEmpty() ? std::nullopt : std::optional(Choices(form.begin(), form.end())));
        for (const QString& n : names)
            f.dialogs.inputs.push_back(n);
        f.dialogs.inputs.push_back(std::nullopt); // Avbryt on any name prompt beyond those
        f.a().mnuComputer_Click();
        QCOMPARE(boardOf(f) == before, !started);
        f.a().mnuComputer_Click();
        QList<int> offered;
        for (const ChoiceField& field : f.dialogs.forms[1])
            offered << field.chosen;
        const QList<int> first{0, 0, int(rules::Strength::Medium), int(Pace::Normal)};
        QCOMPARE(offered, offeredAgain ? form : first);
        QCOMPARE(f.dialogs.forms[1][2].options[1],
                 QStringLiteral("Medel: spelar bra men inte felfritt, cirka 222 poäng i snitt"));
        QCOMPARE(f.dialogs.forms[1][3].options,
                 QStringList({"Snabb: en tur på ett par sekunder", "Normal: en halv sekund mellan dragen",
                              "Långsam: en sekund mellan dragen, lätt att följa"}));
        if (!started)
            return;
        QCOMPARE(int(f.s().NumPlayers), 5);
        QCOMPARE(f.a().computer()->pace(), Pace(form[3])); // the pace chosen is the one it plays at
        const QStringList players{"Ann", "Bo", "Datorn 1", "Datorn 2", "Datorn 3"};
        for (int i = 1; i <= 5; ++i) {
            QCOMPARE(f.a().lblPlayer[i]->text(), players[i - 1]);
            QCOMPARE(f.a().table().isComputer(i), i > 2);
        }
        // After Kim's prompt, the question whether to give Kim's game up, and the form.
        QCOMPARE(f.dialogs.shown[1].text, texts::kDiscardForNewGame.toString());
        QCOMPARE(f.dialogs.shown[3].text, QStringLiteral("Vad heter spelare nr 1 ?"));
        QCOMPARE(f.dialogs.shown[5].kind, FakeDialogs::Shown::Choice); // two prompts, none for a computer
        f.newGame({"Kim", "Lo"});                                      // an ordinary game after it has no computer
        QVERIFY(!f.a().table().isComputer(2) && !f.a().computer());
    }

    // What a screen reader hears and where the focus goes, in that order: the game moves the
    // focus only once the roll or the write that moved it has been told, holding it meanwhile
    // on the client area, which is read as nothing; the end's boxes come after the last write.
    void theFocusWaitsForTheWords_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("heard"); // "said …", "focus <control>" and "box <title>", in order
        QTest::newRow("third roll") << "people|roll 1 2 3 4 6|roll 1 2 3 4 6|roll 1 2 3 4 6"
                                    << "said Kast 1|said Kast 2|focus Backdrop|said Kast 3 av 3: 1, 2, 3, 4, 6|"
                                       "focus ScoreVal(1)";
        QTest::newRow("a write, a person next") << "people|roll 6 6 6 5 5|space 15"
                                                << "said Kast 1|focus ScoreVal(15)|focus Backdrop|said Ada skrev "
                                                   "Chans: 28 poäng. Nu kastar Bo.|focus Roller";
        QTest::newRow("a give-up, a computer next")
            << "computer|roll 1 2 3 4 6|space 14|its move"
            << "said Kast 1|focus ScoreVal(14)|box Kolvo|focus Backdrop|said Ada strök Kolvo. Nu kastar Datorn 1.|"
               "focus Roller|said Kast 1 av 3: 2, 2";
        QTest::newRow("the last write")
            << "people|fill|roll 6 6 6 5 5|space 15|roll 1 1 1 1 2|space 15"
            << "said Kast 1|focus ScoreVal(15)|focus Backdrop|said Ada skrev|focus Roller|said Kast 1|"
               "focus ScoreVal(15)|focus Backdrop|said Bo skrev Chans: 6 poäng.|box Segrare|box Högsta poäng|"
               "said Spelet är slut. Ada vann med 28 poäng.";
    }
    void theFocusWaitsForTheWords()
    {
        QFETCH(QString, steps);
        QFETCH(QString, heard);
        QStringList transcript; // outlives the window, which is heard of as it goes
        ArenaFixture f;
        f.a().show();
        QVERIFY(QTest::qWaitForWindowActive(&f.a()));
        connect(&f.a().announcer(), &Announcer::announced, &f.a(),
                [&](const QString& s) { transcript << "said " + s; });
        connect(qApp, &QApplication::focusChanged, &f.a(),
                [&](QWidget*, QWidget* now) { transcript << "focus " + (now ? now->objectName() : QString()); });
        f.dialogs.onMessage = [&](const QString& title) { transcript << "box " + title; };
        for (const QString& step : steps.split(u'|')) {
            const QStringList w = step.split(u' ');
            if (w[0] == u"people") {
                f.newGame({"Ada", "Bo"});
            } else if (w[0] == u"computer") {
                computerGame(f, {"Ada"}, 1, rules::Strength::Medium);
            } else if (w[0] == u"roll") {
                f.roll({w[1].toInt(), w[2].toInt(), w[3].toInt(), w[4].toInt(), w[5].toInt()});
            } else if (w[0] == u"space") {
                f.a().ScoreVal[w[1].toInt()]->setFocus(Qt::TabFocusReason);
                QTest::keyClick(f.a().ScoreVal[w[1].toInt()], Qt::Key_Space);
                if (f.a().computer()) { // the computer waits for the write to be heard
                    f.a().computer()->step();
                    QVERIFY(!f.a().table().rolling());
                }
            } else if (w[0] == u"fill") {
                for (int p = 1; p <= 2; ++p)
                    for (int c = 1; c < 15; ++c)
                        f.s().Points[p][c] = 0;
            } else {
                computerMoves(f);
            }
            bool told = false; // everything the step has to say, and what waits for it
            f.a().announcer().afterTold(this, [&told] { told = true; });
            QTRY_VERIFY(told);
            if (w[0] == u"people" || w[0] == u"computer")
                transcript.clear(); // the game's start
        }
        const QStringList expected = heard.split(u'|');
        QTRY_VERIFY2(transcript.size() == expected.size(), qPrintable(transcript.join(u'|')));
        for (qsizetype k = 0; k < expected.size(); ++k)
            QVERIFY2(transcript[k].startsWith(expected[k]), qPrintable(transcript.join(u'|')));
    }

    // What a computer does not do: it is never asked to give a category up, and the bonus
    // message is not shown to it, though its sounds play; its win is announced and is no record.
    void computersOwnRules_data()
    {
        QTest::addColumn<int>("free"); // the one row left on the computer's sheet
        QTest::addColumn<int>("face"); // every die it rolls shows it
        QTest::addColumn<int>("strength");
        QTest::addColumn<QByteArray>("sound");
        QTest::newRow("scratch, Nybörjare") << 12 << 1 << int(rules::Strength::Beginner) << QByteArray("glass.wav");
        QTest::newRow("scratch, Perfekt") << 12 << 1 << int(rules::Strength::Perfect) << QByteArray("glass.wav");
        QTest::newRow("bonus, Medel") << 6 << 6 << int(rules::Strength::Medium) << QByteArray("claps.wav");
        QTest::newRow("bonus, Perfekt") << 6 << 6 << int(rules::Strength::Perfect) << QByteArray("claps.wav");
    }
    void computersOwnRules()
    {
        QFETCH(int, free);
        QFETCH(int, face);
        QFETCH(int, strength);
        QFETCH(QByteArray, sound);
        ArenaFixture f;
        computerGame(f, {"Ann"}, 1, rules::Strength(strength));
        for (int p = 1; p <= 2; ++p) // full but one row; upper rows 3, 6, 9, 12, 15 and 6
            for (int c = 1; c <= 15; ++c)
                f.s().Points[p][c] = std::int16_t(c <= 5 ? 3 * c : (c == 6 ? 6 : 1));
        f.s().Points[1][1] = f.s().Points[2][free] = GameState::kFree;
        f.s().Points[2][GameState::kTotalRow] = 200;
        f.a().lblSum[2]->setText("200");
        f.roll({1, 1, 2, 3, 4});
        f.pick(1); // the person's last turn
        f.dialogs.shown.clear();
        QStringList heard;
        connect(&f.a().announcer(), &Announcer::announced, this, [&heard](const QString& s) { heard << s; });
        for (int guard = 0; guard < 20 && !rules::allCategoriesUsed(f.s()); ++guard)
            computerMoves(f, face);
        QTRY_VERIFY(f.a().table().ended()); // its last write is seen, then the turn passes and the game ends
        // Heard in the words a person's write is heard in.
        const QString wrote = free == 6 ? QStringLiteral("Datorn 1 skrev Sexor: 30 poäng. Bonus: 50 poäng.")
                                        : QStringLiteral("Datorn 1 strök Storan.");
        QTRY_VERIFY2(heard.join(u' ').contains(wrote), qPrintable(heard.join(u'|')));
        QCOMPARE(countOf(f.soundsPlayed(), QByteArray("Play /opt/kolvo/") + sound), 1);
        const int total = free == 6 ? 200 + 30 + 50 : 200;
        QCOMPARE(f.dialogs.messageTexts(), // the winner box alone
                 std::vector<QString>{QStringLiteral("Vinner gör Datorn 1\r\nmed poängen: %1").arg(total)});
        QCOMPARE(int(f.s().Points[2][free]), free == 6 ? 30 : 0);
        QCOMPARE(f.a().RekordHållareNamn->text(), QStringLiteral("Nobody"));
    }

    // During a computer's turn a person's presses do nothing, and ending the program or
    // starting a new game leaves no move of it behind, whatever the move was waiting for.
    void noComputerMoveOutlivesItsGame_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("phase");
        for (const char* action : {"person's presses", "new game", "game against the computer", "exit"})
            for (const char* phase : {"pause", "rolling", "table"})
                QTest::addRow("%s while %s", action, phase) << QString(action) << QString(phase);
    }
    void noComputerMoveOutlivesItsGame()
    {
        QFETCH(QString, action);
        QFETCH(QString, phase);
        ArenaFixture f;
        computerGame(f, {"Ann"}, 1, rules::Strength::Medium, phase != "table");
        f.roll({1, 2, 3, 4, 6});
        f.pick(15);
        QPointer<ComputerTurn> computer = f.a().computer();
        QVERIFY(computer->pending());                               // its turn began without a press
        QTRY_VERIFY(f.a().announcer().quiet(Announcer::kSettleMs)); // the write is heard before it moves
        if (phase == "rolling")
            f.a().computer()->step();
        if (phase == "table") {
            computerMoves(f);
            f.a().computer()->step(); // its first hold needs the table
            QCOMPARE(f.a().Roller->toolTip(),
                     QStringLiteral("Datorn tänker: dess drag räknas fram, det tar några "
                                    "sekunder första gången."));
            QCOMPARE(f.a().Roller->accessibleDescription(), f.a().Roller->toolTip());
        }
        const QString before = boardOf(f);
        if (action == "person's presses") {
            f.a().Roller->click();
            QTest::mouseClick(f.a().DicePic[0], Qt::LeftButton);
            QTest::keyClick(&f.a(), Qt::Key_2);
            f.pick(3);
            QCOMPARE(boardOf(f), before);
            QVERIFY(computer->pending() || f.a().Timer1->isActive());
            return;
        }
        if (action == "exit")
            f.a().mnuExit_Click();
        else if (action == "new game")
            f.newGame({"Bo"});
        else
            computerGame(f, {"Bo", "Cid"}, 2, rules::Strength::Perfect, false);
        const QString after = boardOf(f);
        QVERIFY(!computer || !computer->pending());
        QVERIFY(!f.a().Roller->accessibleDescription().contains("tänker")); // thinking no more
        QSignalSpy gone(computer.data(), &QObject::destroyed);
        QVERIFY(action == "exit" || computer.isNull() || gone.wait(5000));
        QSignalSpy table(&f.a().sideWindows().solverTable(), &rules::SolverTableProvider::tableReady);
        QVERIFY(phase != "table" || f.a().sideWindows().solverTable().ready() || table.wait(60000));
        QCoreApplication::processEvents();          // the table's arrival moves nothing either
        if (action != "exit" || phase != "rolling") // at the exit the window goes, its animation with it
            QCOMPARE(boardOf(f), after);
        QVERIFY(!computer || !computer->pending());
        f.arena.reset(); // as the end of the program does: the table's worker stops
        QVERIFY(computer.isNull());
    }

    // Names are any text: they show and are stored exactly as typed.
    void namesShowAsPlainText_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("markup") << QStringLiteral("<b>Bo</b> & <i>x</i>");
        QTest::newRow("ampersand") << QStringLiteral("&Kalle & Co");
        QTest::newRow("emoji") << QStringLiteral("Ölänning 🎲🎲");
        QTest::newRow("right to left") << QStringLiteral("שלום سلام");
        QTest::newRow("very long") << QString(5000, QLatin1Char('x'));
        QTest::newRow("newline and comma") << QStringLiteral("Bo,\nKim");
    }
    void namesShowAsPlainText()
    {
        QFETCH(QString, name);
        ArenaFixture f;
        f.newGame({name});
        QCOMPARE(f.a().lblPlayer[1]->text(), name);
        QCOMPARE(f.a().lblPlayer[1]->textFormat(), Qt::PlainText);
        QCOMPARE(f.a().lblSpelareTur->text(), name);
        QCOMPARE(f.a().lblSpelareTur->textFormat(), Qt::PlainText);
        // Finish the game quickly: every category at once is not possible, so fill them.
        for (int c = 1; c <= 15; ++c) {
            f.roll({6, 6, 6, 6, 6});
            f.dialogs.answers.push_back(DialogAnswer::Ok);
            f.pick(c);
        }
        QTRY_VERIFY(f.a().table().ended());
        QVERIFY(f.dialogs.messageTexts()[f.dialogs.messageTexts().size() - 2].startsWith(QStringLiteral("Vinner gör ")
                                                                                         + name + "\r\n"));
        QCOMPARE(f.settings.values.value("Kolvo/KolvoHighscore/Name"), name);
        QCOMPARE(f.a().RekordHållareNamn->text(), name);
        QCOMPARE(f.a().RekordHållareNamn->textFormat(), Qt::PlainText);
    }

    // Fault guarded: the boxes answered every change of their tick, so the board's own
    // painting was taken for a choice and a dance of flags told the two apart. Only a
    // person's click writes; whatever the board paints writes nothing, and a click that
    // writes nothing leaves no tick behind.
    void aPaintedTickIsNoChoice_data()
    {
        QTest::addColumn<QString>("moment");
        QTest::newRow("the program ticks a box") << "program";
        QTest::newRow("a click before the roll") << "before roll";
        QTest::newRow("a click on a used box") << "used";
        QTest::newRow("a click in a computer's turn") << "computer";
        QTest::newRow("a click while a computer's write is seen") << "computer wrote";
    }
    void aPaintedTickIsNoChoice()
    {
        QFETCH(QString, moment);
        ArenaFixture f;
        if (moment.startsWith(u"computer")) {
            computerGame(f, {"Ann"}, 1, rules::Strength::Perfect);
            f.roll({1, 2, 3, 4, 6});
            f.pick(15);
            computerMoves(f);
            while (moment == u"computer wrote" && !f.a().table().turnWritten())
                computerMoves(f);
        } else {
            f.newGame({"Ann"});
            if (moment != u"before roll")
                f.roll({3, 3, 3, 1, 2});
            if (moment == u"used") {
                f.pick(3);
                f.roll({3, 3, 3, 1, 2});
            }
        }
        const QString before = boardOf(f);
        const bool computerWrote = f.a().table().turnWritten();
        QCheckBox* box = f.a().ScoreVal[moment == u"used" ? 3 : 9];
        const bool ticked = box->isChecked();
        if (moment == u"program") {
            box->setChecked(true);                               // as a painter would
            QTest::mouseClick(f.a().DicePic[0], Qt::LeftButton); // and a change that repaints
            QTest::mouseClick(f.a().DicePic[0], Qt::LeftButton);
        } else {
            box->click();
        }
        QCOMPARE(boardOf(f), before);
        QCOMPARE(box->isChecked(), ticked);
        QCOMPARE(f.a().table().turnWritten(), computerWrote);
        QVERIFY(!f.a().IgnoreScoreClick);
    }

    // Fault guarded: a computer's write was marked for one short pause and its tick never
    // shown: the board turned to the next player's sheet at once. Its column, the new tick
    // and points, and the box marked stay for at least a second at every pace.
    void computersWriteIsSeen_data()
    {
        QTest::addColumn<int>("pace");
        QTest::newRow("Snabb") << int(Pace::Fast);
        QTest::newRow("Normal") << int(Pace::Normal);
    }
    void computersWriteIsSeen()
    {
        QFETCH(int, pace);
        ArenaFixture f;
        computerGame(f, {"Ann"}, 1, rules::Strength::Perfect); // and again at the pace of the row
        f.dialogs.choices.push_back(Choices{0, 0, int(rules::Strength::Perfect), pace});
        f.dialogs.inputs.push_back(QStringLiteral("Ann"));
        f.a().mnuComputer_Click();
        f.roll({1, 2, 3, 4, 6});
        f.pick(15);
        while (!f.a().table().turnWritten())
            computerMoves(f, 5);
        QElapsedTimer seen;
        seen.start();
        const int category = f.a().table().justWritten().category;
        QCheckBox* box = f.a().ScoreVal[category];
        const auto* ring = f.a().Backdrop->findChild<QWidget*>(QStringLiteral("choiceMark"));
        QCOMPARE(f.a().lblSpelareTur->text(), QStringLiteral("Datorn 1"));
        QVERIFY(box->isChecked() && !box->isEnabled());
        QCOMPARE(f.a().Score[category]->text(), QString::number(f.s().Points[2][category]));
        QVERIFY(ring && ring->isVisibleTo(f.a().Backdrop) && ring->geometry().contains(box->geometry()));
        QTRY_COMPARE_WITH_TIMEOUT(f.a().table().playerInTurn(), 1, 5000);
        QVERIFY(seen.elapsed() >= 1000); // written a moment before the clock started
        QVERIFY(!ring->isVisibleTo(f.a().Backdrop));
        QVERIFY(!box->isChecked() || category == 15);
    }

    // The review heard a lesson a press of F8: the player's summary, then each costliest choice
    // with its reason, then from the start again.
    void reviewHeardLessonByLesson()
    {
        ArenaFixture f;
        QVERIFY(rules::saveTable(solvedTable(), f.cache.path()));
        f.newGame({"Ann"});
        f.roll({6, 6, 6, 6, 6});
        f.dialogs.answers.push_back(DialogAnswer::Ok);
        f.pick(1); // Ettor given up on a Kolvo
        f.roll({1, 2, 3, 4, 5});
        f.pick(15); // Chans for a Lillan
        rules::SolverTableProvider& solver = f.a().sideWindows().solverTable();
        solver.request();
        QSignalSpy ready(&solver, &rules::SolverTableProvider::tableReady);
        QVERIFY(solver.ready() || ready.wait(30000));
        QStringList heard;
        connect(&f.a().announcer(), &Announcer::announced, this, [&heard](const QString& s) { heard << s; });
        for (int press = 1; press <= 4; ++press) {
            QTest::keyClick(&f.a(), Qt::Key_F8);
            QTRY_COMPARE(heard.size(), press);
        }
        QVERIFY2(heard[0].startsWith(QStringLiteral("Ann: ")), qPrintable(heard[0]));
        QVERIFY2(heard[1].startsWith(QStringLiteral("Ann, lärdom 1 av 2: Tur 1")), qPrintable(heard[1]));
        QVERIFY2(heard[2].startsWith(QStringLiteral("Ann, lärdom 2 av 2: Tur 2")), qPrintable(heard[2]));
        QCOMPARE(heard[3], heard[0]);
    }
};

QTEST_MAIN(GameFlowTest)
#include "game_flow_test.moc"
