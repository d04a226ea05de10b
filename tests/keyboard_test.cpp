// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <QAccessible>

#include "fakes/ArenaFixture.h"
#include "game/Solver.h"
#include "game/SolverCache.h"
#include "platform/PictureBox.h"

// Playing without a mouse, and what a screen reader is told.
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
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
