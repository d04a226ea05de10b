// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "fakes/ArenaFixture.h"
#include "ui/PictureBox.h"

// Rolling, holding and the animation, tick by tick.
class RollingTest : public QObject {
    Q_OBJECT
private slots:
    void aRollIsFourTicksThenEvaluated()
    {
        ArenaFixture f;
        f.newGame({"Anna"});
        f.a().Roller_Click();
        QCOMPARE(f.media.commands.back(), QByteArray("Play /opt/kolvo/Roll.wav"));
        QVERIFY(f.a().Timer1->isActive());
        QCOMPARE(f.a().Roller->text(), QStringLiteral("Kast 1 av 3"));
        f.random.queueFaces({1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 5, 5});
        for (int t = 1; t <= 3; ++t) {
            f.a().Timer1_Timer();
            QCOMPARE(f.a().table().tickCount(), t);
            QVERIFY(f.a().Timer1->isActive());
        }
        f.a().Timer1_Timer();
        QVERIFY(!f.a().Timer1->isActive());
        QCOMPARE(f.a().table().tickCount(), 0);
        QVERIFY(f.s().HasRolled);
        QCOMPARE(int(f.s().valKak), 19);
        QCOMPARE(f.a().ScoreVal[8]->toolTip(), QStringLiteral("Två Par = 16"));
        // Each die shows the face picture of its value.
        QCOMPARE(QColor(f.a().DicePic[4]->storedImage().pixel(5, 5)), ArenaFixture::faceColour(5));
        QCOMPARE(QColor(f.a().DicePic[0]->storedImage().pixel(5, 5)), ArenaFixture::faceColour(3));
    }

    void hintsForAFullHouseAndFiveSixes()
    {
        ArenaFixture f;
        f.newGame({"Anna"});
        f.roll({3, 3, 3, 5, 5});
        const int expected[] = {0, 0, 9, 0, 10, 0, 10, 16, 9, 0, 0, 0, 19, 0, 19};
        const QStringList labels
            = {"Ettor = ", "Tvåor = ",  "Treor = ",  "Fyror = ",  "Femmor = ", "Sexor = ", "Par = ",  "Två Par = ",
               "Triss = ", "Fyrtal = ", "Lillan = ", "Storan = ", "Kåk = ",    "Kolvo = ", "Chans = "};
        for (int n = 1; n <= 15; ++n)
            QCOMPARE(f.a().ScoreVal[n]->toolTip(), labels[n - 1] + QString::number(expected[n - 1]));
        f.roll({6, 6, 6, 6, 6});
        QCOMPARE(f.a().ScoreVal[14]->toolTip(), QStringLiteral("Kolvo = 50"));
        QCOMPARE(f.a().ScoreVal[8]->toolTip(), QStringLiteral("Två Par = 0"));
        // Without a finished roll the hints stay as they were.
        f.s().HasRolled = false;
        f.s().valKolvo = 0;
        f.a().ShowScoreHints();
        QCOMPARE(f.a().ScoreVal[14]->toolTip(), QStringLiteral("Kolvo = 50"));
    }

    void theThirdPressEndsTheRolling()
    {
        ArenaFixture f;
        f.newGame({"Anna"});
        f.roll({1, 2, 3, 4, 6});
        f.roll({1, 2, 3, 4, 6});
        QCOMPARE(f.a().Roller->text(), QStringLiteral("Kast 2 av 3"));
        f.a().Roller_Click();
        QCOMPARE(f.a().Roller->text(), QStringLiteral("Kast 3 av 3"));
        QVERIFY(!f.a().Roller->isEnabled());
        QCOMPARE(int(f.s().RollCount), 0);
        QVERIFY(!f.s().HasRolled);
        // While the third roll tumbles nothing can be held or scored.
        f.a().DicePic_Click(0);
        QVERIFY(f.s().DiceFree[0]);
        f.pick(15);
        QCOMPARE(int(f.s().Points[1][15]), 100);
        f.a().ScoreVal[15]->setChecked(false);
        f.random.queueFaces({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 3, 4, 5, 5});
        f.tickUntilRolled();
        QVERIFY(f.s().HasRolled);
        QCOMPARE(f.media.commands.size(), size_t(3));
        f.pick(15);
        QCOMPARE(int(f.s().Points[1][15]), 19);
        QCOMPARE(f.a().Roller->text(), QStringLiteral("Tryck"));
        QVERIFY(f.a().Roller->isEnabled());
    }

    void aSecondPressWhileTumblingDoesNotRestart()
    {
        ArenaFixture f;
        f.newGame({"Anna"});
        f.roll({1, 1, 2, 3, 4});
        f.a().Roller_Click(); // second roll
        f.a().Timer1_Timer();
        f.a().Timer1_Timer();
        f.a().Roller_Click(); // third press while the second roll still tumbles
        QCOMPARE(f.a().Roller->text(), QStringLiteral("Kast 3 av 3"));
        QCOMPARE(f.a().table().tickCount(), 2);
        f.a().Timer1_Timer();
        f.a().Timer1_Timer();
        QVERIFY(!f.a().Timer1->isActive()); // four ticks from the first of the two presses
        QVERIFY(f.s().HasRolled);
    }

    void holdsDuringATumbleKeepTheirFace()
    {
        ArenaFixture f;
        f.newGame({"Anna"});
        f.roll({6, 6, 1, 2, 3});
        f.a().DicePic_Click(0);
        QVERIFY(!f.s().DiceFree[0]);
        QVERIFY(f.a().DicePic[0]->hasBorder());
        QCOMPARE(f.a().DicePic[0]->toolTip(), QStringLiteral("Tärningen hålls"));
        QCOMPARE(f.a().DicePic[0]->geometry(), QRect(128, 280, 38, 38));
        f.a().Roller_Click();
        f.random.queueFaces({4, 4, 4, 4});
        f.a().Timer1_Timer();
        f.a().DicePic_Click(1); // held at the face it shows now
        QCOMPARE(int(f.s().DiceValue[1]), 4);
        f.random.queueFaces({5, 5, 5, 5, 5, 5, 2, 2, 2});
        f.tickUntilRolled();
        QCOMPARE(int(f.s().DiceValue[0]), 6);
        QCOMPARE(int(f.s().DiceValue[1]), 4);
        QCOMPARE(int(f.s().DiceValue[4]), 2);
        // Clicking again releases.
        f.a().DicePic_Click(0);
        QVERIFY(f.s().DiceFree[0]);
        QVERIFY(!f.a().DicePic[0]->hasBorder());
        QCOMPARE(f.a().DicePic[0]->toolTip(), QStringLiteral("Håll/släpp tärning med musklick"));
        QCOMPARE(f.a().DicePic[0]->geometry(), QRect(128, 280, 32, 32));
    }

    void allFiveHeld()
    {
        ArenaFixture f;
        f.newGame({"Anna"});
        f.roll({2, 2, 3, 3, 3});
        for (int i = 0; i < 5; ++i)
            f.a().DicePic_Click(i);
        f.s().valKak = 0;
        f.a().Roller_Click();
        QCOMPARE(f.media.commands.size(), size_t(2));
        f.tickUntilRolled();
        QVERIFY(f.random.draws.empty());
        QCOMPARE(int(f.s().valKak), 13); // evaluated again from the same dice
        QCOMPARE(f.a().Roller->text(), QStringLiteral("Kast 2 av 3"));
    }

    // Fault guarded: the first press of a turn used to allow holding and scoring while
    // the first roll tumbled, with the previous player's dice and candidates.
    void nothingIsHeldOrScoredDuringTheFirstRoll()
    {
        ArenaFixture f;
        f.newGame({"Anna", "Bo"});
        f.roll({6, 6, 6, 6, 6});
        f.pick(14); // Anna scores 50; Bo's turn
        f.a().Roller_Click();
        f.random.queueFaces({1, 2, 3, 4, 5});
        f.a().Timer1_Timer();
        QVERIFY(!f.s().HasRolled);
        f.a().DicePic_Click(2);
        QVERIFY(f.s().DiceFree[2]);
        f.pick(14); // would record the 50 left from Anna's dice
        QCOMPARE(int(f.s().Points[2][14]), 100);
        QVERIFY(f.a().lblSum[2]->text().isEmpty());
        f.a().ScoreVal[14]->setChecked(false);
        f.random.queueFaces({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 3, 3, 4});
        f.tickUntilRolled();
        QVERIFY(f.s().HasRolled);
        QCOMPARE(int(f.s().valKolvo), 0);
    }

    // Before any roll of a turn the dice cannot be held, and a category cannot be chosen.
    // Fault guarded: the clicked box stayed ticked, showing a choice never made, and a
    // later click on it asked to give up that category.
    void clicksBeforeTheFirstRollChangeNothing()
    {
        ArenaFixture f;
        f.newGame({"Anna"});
        for (int i = 0; i < 5; ++i)
            f.a().DicePic_Click(i);
        QVERIFY(f.s().DiceFree == (std::array<bool, 5>{true, true, true, true, true}));
        f.pick(1);
        QCOMPARE(int(f.s().Points[1][1]), 100);
        QVERIFY(!f.a().ScoreVal[1]->isChecked());
        f.pick(1);
        QVERIFY(!f.a().ScoreVal[1]->isChecked());
        QVERIFY(f.dialogs.shown.size() == 1); // the name prompt only
        // Indices outside the category range are refused, not followed into the arrays.
        f.roll({2, 2, 3, 4, 5});
        for (std::int16_t outside : {0, -1, 16, 300})
            f.a().ScoreVal_Click(outside);
        QVERIFY(f.s().HasRolled);
        f.pick(2);
        QCOMPARE(int(f.s().Points[1][2]), 4);
        QVERIFY(f.a().ScoreVal[2]->isChecked());
    }

    // Fault guarded: picking a category while the second roll tumbled left the animation
    // running, so it rolled and scored for the next player and gave an extra roll.
    void aPickWhileTumblingHandsOverACleanTurn()
    {
        ArenaFixture f;
        f.newGame({"Anna", "Bo"});
        f.roll({5, 5, 5, 2, 2});
        f.a().Roller_Click();
        f.random.queueFaces({1, 1, 1, 1, 1});
        f.a().Timer1_Timer();
        f.pick(13); // the first roll's full house
        QCOMPARE(int(f.s().Points[1][13]), 19);
        QCOMPARE(int(f.s().CurrentPlayer), 1);
        QVERIFY(!f.a().Timer1->isActive());
        QCOMPARE(f.a().table().tickCount(), 0);
        QVERIFY(!f.s().HasRolled);
        QCOMPARE(int(f.s().RollCount), 0);
        QVERIFY(f.s().DiceValue == (std::array<std::int16_t, 5>{}));
        QCOMPARE(f.a().DicePic[0]->storedImage(),
                 f.a().blankDie().convertToFormat(QImage::Format_ARGB32_Premultiplied));
        QCOMPARE(f.a().Roller->text(), QStringLiteral("Tryck"));
        // Bo's first roll is a full animation of its own.
        f.roll({2, 3, 4, 5, 6});
        QCOMPARE(int(f.s().valStoran), 20);
        QCOMPARE(f.a().Roller->text(), QStringLiteral("Kast 1 av 3"));
    }

    // Fault guarded: a new game chosen while the dice tumbled let the old animation roll on.
    void aNewGameStopsTheAnimation()
    {
        ArenaFixture f;
        f.newGame({"Anna"});
        f.a().Roller_Click();
        f.a().Timer1_Timer();
        f.newGame({"Bo"});
        QVERIFY(!f.a().Timer1->isActive());
        QCOMPARE(f.a().table().tickCount(), 0);
        QVERIFY(!f.s().HasRolled);
        QCOMPARE(f.a().Roller->text(), QStringLiteral("Kasta"));
    }

    void aNewGameAfterARollRecordsNothing()
    {
        ArenaFixture f;
        f.newGame({"Anna"});
        f.roll({6, 6, 6, 6, 6});
        f.a().DicePic_Click(3);
        f.newGame({"Bo"});
        for (int c = 1; c <= 15; ++c)
            QCOMPARE(int(f.s().Points[1][c]), 100);
        QVERIFY(f.s().DiceFree[3]);
        QVERIFY(!f.a().DicePic[3]->hasBorder());
        QCOMPARE(int(f.s().DiceValue[3]), 0);
        // The running game was given up after the question; while the name prompt is open
        // the button shows the roll count with 0.
        QCOMPARE(f.dialogs.shown.size(), size_t(3));
    }

    void helpLeavesTheTurnAsItWas()
    {
        ArenaFixture f;
        f.newGame({"Anna"});
        f.roll({1, 2, 3, 4, 5});
        f.a().DicePic_Click(1);
        const GameState before = f.s();
        f.a().mnuHelp_Click();
        const auto& box = f.dialogs.shown.back();
        QCOMPARE(box.title, QStringLiteral("Kolvo Hjälp"));
        QCOMPARE(box.buttons, DialogButtons::Ok);
        QCOMPARE(box.text,
                 QStringLiteral("Välj antalet spelare i menyn Nytt Spel !\r\n"
                                "Välj poäng genom att markera aktuell checkbox.\r\n"
                                "Håll/släpp tärning genom att klicka på aktuell tärning.\r\n"
                                "Du kan slå tärningen 3 gånger, men Du kan sätta poängen när Du vill.\r\n"
                                "Tips ! Om Du tar 3 av varje av nummer 1-6 kan Du få en bonus på 50 poäng."));
        QVERIFY(f.s().DiceFree == before.DiceFree);
        QVERIFY(f.s().DiceValue == before.DiceValue);
        QCOMPARE(f.s().RollCount, before.RollCount);
        QVERIFY(f.s().Points == before.Points);
    }

    void noSoundWithoutADevice()
    {
        ArenaFixture f;
        f.media.devices = 0;
        f.newGame({"Anna"});
        f.roll({1, 2, 3, 4, 6});
        f.pick(7);
        QVERIFY(f.media.commands.empty());
    }

    void exitAsksTheOwnerToCloseEverything()
    {
        ArenaFixture f;
        QSignalSpy spy(&f.a(), &KolvoArena::exitRequested);
        f.a().mnuExit->trigger();
        QCOMPARE(spy.count(), 1);
    }

    void loadSetsProgramDirectoryAndSeed()
    {
        ArenaFixture f;
        QCOMPARE(f.a().AppDir, QStringLiteral("/opt/kolvo/"));
        QCOMPARE(f.random.seeds, 1);
        QVERIFY(f.random.lastSeed >= 0.0f && f.random.lastSeed < 86400.0f);
    }
};

QTEST_MAIN(RollingTest)
#include "rolling_test.moc"
