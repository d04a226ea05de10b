// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "fakes/ArenaFixture.h"
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
