// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "fakes/ArenaFixture.h"
#include "arena/ArenaTexts.h"
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

int questionsAsked(const FakeDialogs& dialogs, QStringView question)
{
    const auto texts = dialogs.messageTexts();
    return int(std::count(texts.begin(), texts.end(), question.toString()));
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
        const int game = f.a().gameId();
        QSignalSpy changed(&f.a(), &KolvoArena::gameChanged);
        f.dialogs.answers = {cancelAt == 0 ? DialogAnswer::Cancel : DialogAnswer::Ok};
        f.dialogs.inputs = {QStringLiteral("Cilla"), QStringLiteral("Dan")};
        if (cancelAt > 0)
            f.dialogs.inputs[cancelAt - 1] = std::nullopt;
        f.a().SpelarNummer_Click(3);
        QCOMPARE(questionsAsked(f.dialogs, texts::kDiscardForNewGame), asked ? 1 : 0);
        QVERIFY(f.s() == before);
        QCOMPARE(tableSeen(f.a()), seen);
        QCOMPARE(f.a().gameId(), game);
        QCOMPARE(changed.count(), 0);
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
            QVERIFY(f.a().gameRunning());
            act(); // answered OK
            QVERIFY(ended());
        }
        f.a().close(); // after the exit, as the chain of windows closes it: nothing more is asked
        QVERIFY(!f.a().isVisible());
        QCOMPARE(questionsAsked(f.dialogs, texts::kDiscardForExit), asked ? 2 : 0);
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
