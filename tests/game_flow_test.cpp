// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <random>

#include "arena/ComputerTurn.h"
#include "fakes/ArenaFixture.h"
#include "rules/ScoreSheet.h"
#include "rules/SolverCache.h"
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

// The whole-game table, solved once for the suite and saved where a fixture's coach finds it.
const rules::SolverTable& table()
{
    static const rules::SolverTable t = *rules::SolverTable::solve();
    return t;
}

// A game of the people named, then computers at the strength, started from "Mot datorn…".
void computerGame(ArenaFixture& f, QStringList people, int computers, rules::Strength strength, bool tableSaved = true)
{
    if (tableSaved)
        QVERIFY(rules::saveTable(table(), f.cache.path()));
    f.dialogs.choices.push_back(Choices{int(people.size()) - 1, computers - 1, int(strength)});
    for (const QString& n : people)
        f.dialogs.inputs.push_back(n);
    f.a().mnuComputer_Click();
    if (tableSaved) { // read on the coach's worker: wait for it
        QSignalSpy ready(&f.a().tableProvider(), &rules::TableProvider::tableReady);
        QVERIFY(f.a().tableProvider().ready() || ready.wait(30000));
    }
}

// The computer's next move, made now; an animation it starts runs to its end. Dice come
// from a seeded stream, topped up before every move.
void computerMoves(ArenaFixture& f, std::mt19937& dice)
{
    while (f.random.draws.size() < 40)
        f.random.queueFaces({std::uniform_int_distribution<int>(1, 6)(dice)});
    f.a().computer()->step();
    f.tickUntilRolled();
}

struct Board {
    GameState state;
    QString sums;
    bool operator==(const Board& o) const
    {
        return state.DiceFree == o.state.DiceFree && state.DiceValue == o.state.DiceValue
            && state.RollCount == o.state.RollCount && state.Points == o.state.Points && sums == o.sums;
    }
};
Board boardOf(ArenaFixture& f)
{
    QString sums;
    for (int p = 1; p <= 6; ++p)
        sums += f.a().lblPlayer[p]->text() + '=' + f.a().lblSum[p]->text() + ';';
    return {f.s(), sums};
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
        QVERIFY(!f.s().IgnoreScoreClick);
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

    // The form, the names, and Avbryt anywhere leaving the game on the board as it was.
    void computerGameFromItsForm_data()
    {
        QTest::addColumn<QList<int>>("form"); // empty: Avbryt on the form
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("cancelName");
        QTest::addColumn<int>("players"); // 0: nothing changes
        QTest::newRow("two people, three computers") << QList<int>{1, 2, 2} << QStringList{"Ann", "Bo"} << false << 5;
        QTest::newRow("one person, five computers") << QList<int>{0, 4, 3} << QStringList{"Ann"} << false << 6;
        QTest::newRow("Avbryt on the form") << QList<int>{} << QStringList{} << false << 0;
        QTest::newRow("Avbryt on the second name") << QList<int>{1, 0, 0} << QStringList{"Ann"} << true << 0;
        QTest::newRow("seven seats are not offered") << QList<int>{2, 4, 0} << QStringList{} << false << 0;
    }
    void computerGameFromItsForm()
    {
        QFETCH(QList<int>, form);
        QFETCH(QStringList, names);
        QFETCH(bool, cancelName);
        QFETCH(int, players);
        ArenaFixture f;
        f.newGame({"Kim"});
        f.roll({3, 3, 3, 4, 5});
        const Board before = boardOf(f);
        const int gameBefore = f.a().gameId();
        f.dialogs.shown.clear();
        f.dialogs.choices.push_back(form.isEmpty() ? std::nullopt : std::optional(Choices(form.begin(), form.end())));
        for (const QString& n : names)
            f.dialogs.inputs.push_back(n);
        if (cancelName)
            f.dialogs.inputs.push_back(std::nullopt);
        f.a().mnuComputer_Click();
        QCOMPARE(f.dialogs.forms.size(), size_t(1));
        QCOMPARE(f.dialogs.forms[0][2].options, QStringList({"Nybörjare", "Medel", "Svår", "Perfekt"}));
        if (players == 0) {
            QVERIFY(boardOf(f) == before);
            QCOMPARE(f.a().gameId(), gameBefore);
            QVERIFY(!f.a().computer());
            // What the form offers next time is what it offered this time.
            f.a().mnuComputer_Click();
            QCOMPARE(f.dialogs.forms[1][0].chosen, 0);
            QCOMPARE(f.dialogs.forms[1][2].chosen, int(rules::Strength::Medium));
            return;
        }
        QCOMPARE(int(f.s().NumPlayers), players);
        for (int i = 1; i <= names.size(); ++i) {
            QCOMPARE(f.dialogs.shown[size_t(i)].text, QStringLiteral("Vad heter spelare nr %1 ?").arg(i));
            QCOMPARE(f.a().lblPlayer[i]->text(), names[i - 1]);
            QVERIFY(!f.a().isComputer(i));
        }
        for (int i = int(names.size()) + 1; i <= players; ++i) {
            QCOMPARE(f.a().lblPlayer[i]->text(), QStringLiteral("Datorn %1").arg(i - names.size()));
            QVERIFY(f.a().isComputer(i));
        }
        QCOMPARE(f.dialogs.shown.size(), size_t(1 + names.size())); // no prompt for a computer
        QCOMPARE(int(f.a().computer()->strength()), form[2]);
        QCOMPARE(f.a().lblSpelareTur->text(), names[0]);
        QCOMPARE(f.a().Roller->text(), QStringLiteral("Kasta"));
        f.a().mnuComputer_Click(); // the last choices are offered again
        for (int k = 0; k < 3; ++k)
            QCOMPARE(f.dialogs.forms[1][size_t(k)].chosen, form[k]);
        // An ordinary game after it has no computer.
        f.newGame({"Kim", "Lo"});
        QVERIFY(!f.a().isComputer(2));
    }

    // A person and a perfect computer through a whole game: every move the computer makes
    // is the solver's best, made through the handlers; a person's input waits its turn.
    void perfectComputerPlaysAWholeGame()
    {
        ArenaFixture f;
        computerGame(f, {"Ann"}, 1, rules::Strength::Perfect);
        std::mt19937 dice(11);
        bool personTried = false;
        while (!rules::allCategoriesUsed(f.s())) {
            if (f.s().CurrentPlayer == 0) {
                f.roll({2, 3, 4, 5, 6});
                for (int c = 1; c <= 15; ++c)
                    if (f.s().Points[1][c] == GameState::kFree) {
                        f.pick(c);
                        break;
                    }
                continue;
            }
            QVERIFY(f.a().computer()->pending()); // its turn is under way without a person's press
            if (f.s().HasRolled) {
                const int done = rules::rollsDoneOf(f.s());
                std::vector<rules::HoldChoice> holds;
                if (done < 3)
                    holds = rules::rankHolds(table(), f.s(), 2, 3 - done);
                const auto categories = rules::rankCategories(table(), f.s(), 2);
                const bool scoreNow = holds.empty() || holds.front().keptCount == 5;
                if (!personTried) {
                    personTried = true;
                    const Board before = boardOf(f);
                    f.a().Roller->click();
                    QTest::mouseClick(f.a().DicePic[0], Qt::LeftButton);
                    QTest::keyClick(&f.a(), Qt::Key_2);
                    f.pick(categories.back().category);
                    QVERIFY(boardOf(f) == before);
                    QVERIFY(!f.a().ScoreVal[categories.back().category]->isChecked());
                }
                const auto points = f.s().Points[2];
                const rules::Dice dice0 = rules::diceOf(f.s());
                do
                    computerMoves(f, dice);
                while (f.s().HasRolled && f.s().RollCount == done % 3 && f.s().Points[2] == points);
                if (scoreNow) {
                    int written = 0;
                    for (int c = 1; c <= 15; ++c)
                        written = points[c] != f.s().Points[2][c] ? c : written;
                    QCOMPARE(written, categories.front().category);
                } else {
                    std::array<int, 7> kept{}, best{};
                    for (int i = 0; i < 5; ++i) {
                        kept[f.s().DiceValue[i]] += f.s().DiceFree[i] ? 0 : 1;
                        best[dice0[i]] += holds.front().kept & (1u << i) ? 1 : 0;
                    }
                    QCOMPARE(kept, best);
                    QCOMPARE(int(f.s().RollCount), (done + 1) % 3);
                }
            } else {
                computerMoves(f, dice);
            }
        }
        // The winner box names the winner; a computer's win is no record.
        const int computerTotal = f.s().Points[2][GameState::kTotalRow];
        const int personTotal = f.s().Points[1][GameState::kTotalRow];
        QVERIFY(computerTotal > personTotal);
        const auto messages = f.dialogs.messageTexts();
        QCOMPARE(messages.back(), QStringLiteral("Vinner gör Datorn 1\r\nmed poängen: %1").arg(computerTotal));
        QCOMPARE(f.a().Rekordhållare->text(), QStringLiteral("0"));
        QVERIFY(f.settings.values.isEmpty());
        QVERIFY(!f.a().computer()->pending());
        QVERIFY(!f.a().Roller->isEnabled());
    }

    // What a computer does not do: it is never asked to give a category up, and the bonus
    // message is not shown to it, though its sounds play as for a person.
    void computersOwnRules_data()
    {
        QTest::addColumn<int>("free"); // the one category left on the computer's sheet
        QTest::addColumn<int>("face"); // every die shows it
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
        // Both sheets full but one row; the computer's upper rows hold 45 (3 of 1 to 5).
        for (int p = 1; p <= 2; ++p)
            for (int c = 1; c <= 15; ++c)
                f.s().Points[p][c] = std::int16_t(c <= 5 ? 3 * c : (c == 6 ? 6 : 1));
        f.s().Points[1][1] = GameState::kFree;
        f.s().Points[2][free] = GameState::kFree;
        f.s().Points[2][GameState::kTotalRow] = 200;
        f.a().lblSum[2]->setText("200");
        f.roll({1, 1, 2, 3, 4});
        f.pick(1); // the person's last turn: 2 points
        f.dialogs.shown.clear();
        for (int guard = 0; guard < 20 && !rules::allCategoriesUsed(f.s()); ++guard) {
            f.random.draws.clear();
            for (int i = 0; i < 40; ++i)
                f.random.queueFaces({face});
            f.a().computer()->step();
            f.tickUntilRolled();
        }
        QVERIFY(rules::allCategoriesUsed(f.s()));
        QCOMPARE(countOf(f.soundsPlayed(), QByteArray("Play /opt/kolvo/") + sound), 1);
        const auto messages = f.dialogs.messageTexts();
        QCOMPARE(messages.size(), size_t(1)); // the winner box alone: no question, no bonus message
        const int total = free == 6 ? 200 + 30 + 50 : 200;
        QCOMPARE(messages[0], QStringLiteral("Vinner gör Datorn 1\r\nmed poängen: %1").arg(total));
        QCOMPARE(int(f.s().Points[2][free]), free == 6 ? 30 : 0);
        QCOMPARE(f.a().RekordHållareNamn->text(), QStringLiteral("Nobody")); // no record for a computer
    }

    // Ending the program or starting a new game in the middle of a computer's turn leaves
    // no move of it behind, whatever it was waiting for.
    void noComputerMoveOutlivesItsGame_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("phase");
        for (const char* action : {"new game", "game against the computer", "exit"})
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
        QVERIFY(computer->pending());
        std::mt19937 dice(3);
        if (phase == "rolling") {
            f.a().computer()->step(); // its first roll begins
            QVERIFY(f.a().Timer1->isActive());
        }
        if (phase == "table") {
            computerMoves(f, dice); // its first roll, then its first hold needs the table
            f.a().computer()->step();
            QVERIFY(computer->pending());
            QCOMPARE(f.a().Roller->toolTip(),
                     QStringLiteral("Datorn tänker: dess drag räknas fram, det tar några "
                                    "sekunder första gången."));
            QCOMPARE(f.a().Roller->accessibleDescription(), f.a().Roller->toolTip());
        }
        if (action == "exit") {
            f.a().mnuExit_Click();
        } else if (action == "new game") {
            f.newGame({"Bo"});
        } else {
            computerGame(f, {"Bo", "Cid"}, 2, rules::Strength::Perfect, false);
        }
        const Board after = boardOf(f);
        QVERIFY(!computer || !computer->pending());
        if (action != "exit") {
            QSignalSpy gone(computer.data(), &QObject::destroyed);
            QVERIFY(computer.isNull() || gone.wait(5000));
            QVERIFY(!f.a().Timer1->isActive());
        }
        QVERIFY(f.a().Roller->accessibleDescription().startsWith("Kastar")); // thinking no more
        if (phase == "table") {
            // The table arriving later moves nothing either.
            QSignalSpy table(&f.a().tableProvider(), &rules::TableProvider::tableReady);
            QVERIFY(f.a().tableProvider().ready() || table.wait(60000));
            QCoreApplication::processEvents();
        }
        QVERIFY(boardOf(f) == after);
        QVERIFY(!computer || !computer->pending());
        if (action == "game against the computer")
            QVERIFY(f.a().computer() != computer.data() && f.a().computer());
        f.arena.reset(); // as the program's end destroys the window: the table's worker stops
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
        QVERIFY(f.dialogs.messageTexts()[f.dialogs.messageTexts().size() - 2].startsWith(QStringLiteral("Vinner gör ")
                                                                                         + name + "\r\n"));
        QCOMPARE(f.settings.values.value("Kolvo/KolvoHighscore/Name"), name);
        QCOMPARE(f.a().RekordHållareNamn->text(), name);
        QCOMPARE(f.a().RekordHållareNamn->textFormat(), Qt::PlainText);
    }
};

QTEST_MAIN(GameFlowTest)
#include "game_flow_test.moc"
