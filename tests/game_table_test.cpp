// SPDX-License-Identifier: GPL-3.0-or-later
// The game table without a window: each player's moves as short scripts, every refusal made
// at the table, whoever asks.
#include <QtTest>

#include "arena/GameTable.h"
#include "fakes/FakeMedia.h"
#include "fakes/FakeRandom.h"

namespace {

// A script of moves, one a word, each expected to be made, or refused where it starts
// with '!':
//   new:N[:cK…]  a game of N whose seats K a computer plays, its names in
//   roll:W  hold:W:i  write:W:c  pass:W  mark:W:c   by W: P the person, C the computer,
//                                                   S a computer seated in the game before
//   settle  the tumble's ticks run out       fill  every box of player 1 but Ettor used
//   end     the game's end told
struct Run {
    FakeMedia media;
    FakeRandom random;
    GameTable table{media, random};
    int staleGame = -1;

    Mover mover(QStringView who) const
    {
        if (who == u"P")
            return Mover::person();
        return Mover::computerOf(who == u"S" ? staleGame : table.gameId());
    }

    // Returns whether the move was made; fails the test on a word it does not know.
    bool play(const QStringList& w)
    {
        const QString& verb = w[0];
        const auto n = [&w](int i) { return w.value(i).toInt(); };
        if (verb == u"new") {
            staleGame = table.gameId();
            std::bitset<GameState::kMaxPlayers + 1> seats;
            for (int i = 2; i < w.size(); ++i)
                seats.set(std::size_t(w[i].mid(1).toInt()));
            table.newGame(n(1), seats);
            table.seat(false);
            return true;
        }
        if (verb == u"settle") {
            for (int guard = 0; table.rolling() && guard < 10; ++guard)
                table.tick();
            return !table.rolling();
        }
        if (verb == u"fill") {
            for (int c = 2; c <= GameState::kCategories; ++c)
                table.arrange().Points[1][c] = 0;
            return true;
        }
        if (verb == u"end") {
            table.endGame();
            return table.ended();
        }
        const Mover who = mover(w.value(1));
        if (verb == u"roll")
            return table.roll(who);
        if (verb == u"hold")
            return table.hold(who, n(2));
        if (verb == u"write")
            return table.write(who, n(2)).has_value();
        if (verb == u"pass")
            return table.passTurn(who);
        if (verb == u"mark")
            return table.mark(who, n(2));
        qFatal("unknown move %s", qPrintable(verb));
    }
};

} // namespace

class GameTableTest : public QObject {
    Q_OBJECT
private slots:
    // Faults guarded: a direct roll after the third began a fourth; a hold or a write came
    // from a player not in turn; a computer's step planned in a game that was replaced acted
    // in the new one.
    void refusedAtTheTable_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("a fourth roll") << "new:1 roll:P settle roll:P settle roll:P settle !roll:P";
        QTest::newRow("presses while tumbling count") << "new:1 roll:P roll:P roll:P !roll:P settle !roll:P";
        QTest::newRow("no hold before the first roll settles") << "new:1 !hold:P:0 roll:P !hold:P:0 settle hold:P:0";
        QTest::newRow("a hold while a second roll tumbles") << "new:1 roll:P settle roll:P hold:P:1 settle hold:P:1";
        QTest::newRow("no hold while the third roll tumbles")
            << "new:1 roll:P settle roll:P settle roll:P !hold:P:0 settle hold:P:0";
        QTest::newRow("a write on a used box") << "new:1 roll:P settle write:P:3 pass:P roll:P settle !write:P:3 "
                                                  "write:P:4";
        QTest::newRow("one write a turn") << "new:2 roll:P settle write:P:1 !write:P:2 !roll:P !hold:P:0 pass:P";
        QTest::newRow("no write before the dice settle") << "new:1 !write:P:1 roll:P !write:P:1 settle write:P:1";
        QTest::newRow("a person in a computer's turn")
            << "new:2:c2 roll:P settle write:P:1 pass:P !roll:P roll:C settle !hold:P:0 !write:P:2 "
               "hold:C:0 write:C:2 !pass:P pass:C roll:P";
        QTest::newRow("a computer in a person's turn") << "new:2:c2 !roll:C roll:P settle !hold:C:0 !mark:C:1 "
                                                          "!write:C:1 write:P:1 !pass:C pass:P";
        QTest::newRow("a stale computer step after a new game")
            << "new:1:c1 roll:C settle new:1:c1 !roll:S !mark:S:1 roll:C settle !write:S:1 write:C:1";
        QTest::newRow("a mark is a computer's, on a free box")
            << "new:1:c1 roll:C settle mark:C:2 write:C:2 pass:C roll:C settle !mark:C:2 !mark:P:3 mark:C:3";
        QTest::newRow("nothing after the end")
            << "new:1 fill roll:P settle !end write:P:1 pass:P end !roll:P !hold:P:0 !write:P:2";
    }
    void refusedAtTheTable()
    {
        QFETCH(QString, script);
        Run run;
        for (const QString& word : script.split(u' ')) {
            const bool refused = word.startsWith(u'!');
            const QStringList w = word.mid(refused ? 1 : 0).split(u':');
            QVERIFY2(run.play(w) != refused, qPrintable(word));
        }
    }

    // A refused move changes nothing and says nothing; a made one says what changed once.
    void aRefusalChangesNothing()
    {
        Run run;
        run.play({"new", "2", "c2"});
        run.play({"roll", "P"});
        run.play({"settle"});
        const GameState before = run.table.state();
        const std::size_t logged = run.table.decisions().size();
        QSignalSpy changed(&run.table, &GameTable::changed);
        QSignalSpy told(&run.table, &GameTable::told);
        QVERIFY(!run.table.roll(Mover::computerOf(run.table.gameId())));
        QVERIFY(!run.table.write(Mover::person(), 0));
        QVERIFY(!run.table.hold(Mover::person(), 5));
        QVERIFY(run.table.state() == before && run.table.decisions().size() == logged);
        QVERIFY(changed.isEmpty() && told.isEmpty());
        QVERIFY(run.table.hold(Mover::person(), 0));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().value<GameTable::Changes>(), GameTable::Changes(GameTable::Held));
        QCOMPARE(told.count(), 1);
    }
};

QTEST_MAIN(GameTableTest)
#include "game_table_test.moc"
