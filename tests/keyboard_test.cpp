#include <QtTest>
#include <QAccessible>

#include "fakes/ArenaFixture.h"
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
