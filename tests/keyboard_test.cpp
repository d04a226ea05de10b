// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <QAccessible>

#include "fakes/ArenaFixture.h"
#include "rules/Solver.h"
#include "rules/SolverCache.h"
#include "arena/AdviceText.h"
#include "ui/PictureBox.h"

// Playing without a mouse, and what a screen reader is told.
Q_DECLARE_METATYPE(rules::Dice)

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
        // Keys 1..5 hold and release dice.
        QTest::keyClick(&f.a(), Qt::Key_2);
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
        f.newGame({"Anna", "Bo"});
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
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.a().Roller)); // Bo's turn
        QVERIFY(f.a().Roller->accessibleDescription().contains(QStringLiteral("F1")));
        QTest::keyClick(&f.a(), Qt::Key_F1);
        QCOMPARE(f.dialogs.shown.back().title, QStringLiteral("Kolvo Hjälp"));
        // Each player's sheet is told by the name and total rows.
        QCOMPARE(f.a().lblPlayer[1]->accessibleDescription(),
                 QStringLiteral("Sexor 24\nÖvre 24/63\nBonus 0\nSumma 24"));
        QCOMPARE(f.a().lblSum[2]->toolTip(), QStringLiteral("Övre 0/63\nBonus 0\nSumma 0"));
    }

    // F2 asks the coach about the current player's sheet; asking changes nothing.
    // Fault guarded: a held Return spent all three rolls after one tumble, and a held
    // digit held a die and let it go again. A held key acts once.
    void heldKeysActOnce()
    {
        ArenaFixture f;
        f.newGame({"Anna"});
        f.a().show();
        QVERIFY(QTest::qWaitForWindowActive(&f.a()));
        f.a().Roller->setFocus();
        f.random.queueFaces({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 4, 4, 4, 1, 2});
        auto press = [](QWidget* to, Qt::Key key, bool repeat) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(), repeat);
            QApplication::sendEvent(to, &event);
        };
        press(f.a().Roller, Qt::Key_Return, false);
        f.tickUntilRolled();
        for (int i = 0; i < 2; ++i) {
            press(f.a().Roller, Qt::Key_Return, true);
            press(f.a().Roller, Qt::Key_3, true);
        }
        QCOMPARE(int(f.s().RollCount), 1);
        QVERIFY(f.a().Roller->isEnabled());
        QVERIFY(f.s().DiceFree[2]);
        press(f.a().Roller, Qt::Key_3, false);
        press(f.a().Roller, Qt::Key_3, true);
        QVERIFY(!f.s().DiceFree[2]);
    }

    void coachNamesTheBestHoldWithoutChangingTheGame()
    {
        ArenaFixture f;
        f.newGame({"Anna"});
        // Only Kolvo and Chans are left.
        const int points[] = {0, 3, 6, 9, 12, 15, 18, 12, 22, 18, 16, 15, 20, 28};
        for (int c = 1; c <= 13; ++c)
            f.s().Points[1][c] = std::int16_t(points[c]);
        f.s().Points[1][GameState::kBonusRow] = 50;
        f.s().Points[1][GameState::kTotalRow] = 244;
        f.a().ShowPlayerSheet();

        // The first time the table is made in the background; the box says so, then answers.
        QTest::keyClick(&f.a(), Qt::Key_F2);
        QCOMPARE(f.dialogs.shown.back().kind, FakeDialogs::Shown::Notice);
        QCOMPARE(f.dialogs.shown.back().title, QStringLiteral("Kolvo Tips"));
        QVERIFY(f.dialogs.shown.back().text.startsWith(QStringLiteral("Tipsen räknas fram")));
        QTRY_COMPARE_WITH_TIMEOUT(f.dialogs.shown.back().text, QStringLiteral("Kasta tärningarna först."), 120000);
        QVERIFY(QFile::exists(rules::tableFilePath(f.cache.path()))); // kept for the next run
        f.roll({1, 2, 3, 4, 6});
        f.roll({5, 5, 5, 2, 1});
        const GameState before = f.s();
        const auto shownBefore = f.dialogs.shown.size();
        QTest::keyClick(&f.a(), Qt::Key_F2);
        QCOMPARE(f.dialogs.shown.size(), shownBefore + 1);
        QCOMPARE(f.dialogs.shown.back().kind, FakeDialogs::Shown::Message);
        const QStringList advice = f.dialogs.shown.back().text.split(QLatin1Char('\n'));
        QCOMPARE(advice.front(),
                 QStringLiteral("Bästa val: håll 5 5 5 (tärning 1, 2 och 3) och kasta om två "
                                "tärningar. Förväntat slutresultat: 270,1"));
        QCOMPARE(advice.size(), 3);
        QCOMPARE(f.s().Points, before.Points);
        QCOMPARE(f.s().DiceValue, before.DiceValue);
        QCOMPARE(f.s().DiceFree, before.DiceFree);
        QCOMPARE(f.s().RollCount, before.RollCount);
        QVERIFY(f.s().HasRolled);
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

    // Player 2 has used everything but "Sexor" and has 45 in the upper section, 230 in all.
    void adviceText_data()
    {
        QTest::addColumn<int>("rollsDone");
        QTest::addColumn<rules::Dice>("dice");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<int>("lines");
        QTest::newRow("first roll") << 1 << rules::Dice{6, 2, 6, 5, 6}
                                    << QStringLiteral("Bästa val: håll 6 6 6 (tärning 1, 3 och 5) och kasta om två "
                                                      "tärningar. Förväntat slutresultat: 301,7")
                                    << 3;
        QTest::newRow("second roll") << 2 << rules::Dice{6, 2, 6, 5, 6}
                                     << QStringLiteral("Bästa val: håll 6 6 6 (tärning 1, 3 och 5) och kasta om två "
                                                       "tärningar. Förväntat slutresultat: 300,0")
                                     << 3;
        QTest::newRow("nothing worth keeping")
            << 2 << rules::Dice{1, 2, 3, 4, 5}
            << QStringLiteral("Bästa val: kasta om alla fem tärningar. Förväntat slutresultat: 236,8") << 3;
        QTest::newRow("five sixes")
            << 1 << rules::Dice{6, 6, 6, 6, 6}
            << QStringLiteral(
                   "Bästa val: behåll alla tärningar och välj kategori Sexor (30 poäng). Förväntat slutresultat: 310,0")
            << 3;
        QTest::newRow("last roll") << 3 << rules::Dice{6, 2, 6, 5, 6}
                                   << QStringLiteral("Bästa val: Sexor ger 18 poäng nu. Förväntat slutresultat: 298,0")
                                   << 1;
        QTest::newRow("not rolled yet") << 0 << rules::Dice{0, 0, 0, 0, 0} << QStringLiteral("Kasta tärningarna först.")
                                        << 1;
    }
    void adviceText()
    {
        QFETCH(int, rollsDone);
        QFETCH(rules::Dice, dice);
        QFETCH(QString, firstLine);
        QFETCH(int, lines);
        GameState s;
        s.NumPlayers = 2;
        s.Points[2] = {0, 3, 6, 9, 12, 15, GameState::kFree, 12, 22, 18, 16, 15, 0, 28, 50, 24, 0, 230};
        for (int i = 0; i < 5; ++i)
            s.DiceValue[i] = std::int16_t(dice[i]);
        const auto table = rules::SolverTable::solve(rules::kAllCategories & ~rules::CategoryMask(1u << 5));
        const QStringList text = texts::adviceText(*table, s, 2, rollsDone).split(u'\n');
        QCOMPARE(text.front(), firstLine);
        QCOMPARE(text.size(), lines);
        static const QRegularExpression expectation(
            QStringLiteral("^(Näst|Tredje) bäst: .*\\. Förväntat slutresultat: \\d+,\\d$"));
        for (qsizetype k = 1; k < text.size(); ++k)
            QVERIFY2(expectation.match(text[k]).hasMatch(), qPrintable(text[k]));
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
