// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <QMenuBar>

#include "Contrast.h"
#include "fakes/ArenaFixture.h"
#include "ui/PictureBox.h"

// The main window against its design. Figures are the design's, in twips (15 per pixel),
// typed here independently of the design table the window is built from.
namespace {
QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}
} // namespace

class ArenaLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void window()
    {
        ArenaFixture f;
        f.a().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.a()));
        QCOMPARE(f.a().windowTitle(), QStringLiteral("Kolvo 2003"));
        QCOMPARE(f.a().centralWidget()->size(), QSize(6480 / 15, 4830 / 15));
        // The client area lies directly below the menu bar and fills the rest.
        QCOMPARE(f.a().centralWidget()->y(), f.a().menuBar()->height());
        QCOMPARE(f.a().height(), f.a().menuBar()->height() + 322);
        QCOMPARE(f.a().width(), 432);
        const QImage background = f.a().Backdrop->storedImage();
        QCOMPARE(QColor(background.pixel(5, 100)), QColor(0, 0, 255));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Roller") << "Roller" << twips(5160, 4200, 1215, 495) << "Kasta";
        QTest::newRow("Label2") << "Label2" << twips(2520, 120, 1215, 255) << "Spelare";
        QTest::newRow("Label3") << "Label3" << twips(5040, 120, 915, 255) << "Poäng";
        QTest::newRow("Label1") << "Label1" << twips(1920, 3120, 1695, 375) << "Nu kastar";
        QTest::newRow("lblSpelareTur") << "lblSpelareTur" << twips(1920, 3480, 1695, 615) << "";
        QTest::newRow("lblHighscoreHolder") << "lblHighscoreHolder" << twips(3840, 3120, 2055, 255) << "Högsta poäng";
        QTest::newRow("RekordHållareNamn") << "RekordHållareNamn" << twips(3840, 3420, 1575, 255) << "";
        QTest::newRow("Rekordhållare") << "Rekordhållare" << twips(5460, 3420, 435, 255) << "";
        const char* categories[] = {"Ettor", "Tvåor",  "Treor",  "Fyror",  "Femmor", "Sexor", "Par",  "Två par",
                                    "Triss", "Fyrtal", "Lillan", "Storan", "Kåk",    "Kolvo", "Chans"};
        for (int i = 1; i <= 15; ++i) {
            // Chans (15) is on the 14th row, Kolvo (14) on the 15th.
            const int row = i == 14 ? 15 : i == 15 ? 14 : i;
            const int top = 120 + 240 * (row - 1);
            QTest::addRow("ScoreVal(%d)", i) << QStringLiteral("ScoreVal(%1)").arg(i) << twips(180, top, 1050, 255)
                                             << QString::fromUtf8(categories[i - 1]);
            QTest::addRow("Score(%d)", i) << QStringLiteral("Score(%1)").arg(i) << twips(1320, top, 495, 255) << "";
        }
        const int playerTops[] = {480, 840, 1200, 1560, 1920, 2310};
        for (int i = 1; i <= 6; ++i) {
            QTest::addRow("lblPlayer(%d)", i)
                << QStringLiteral("lblPlayer(%1)").arg(i) << twips(2520, playerTops[i - 1], 2295, 255) << "";
            QTest::addRow("lblSum(%d)", i)
                << QStringLiteral("lblSum(%1)").arg(i) << twips(5040, playerTops[i - 1], 915, 255) << "";
        }
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(QString, caption);
        ArenaFixture f;
        f.a().show();
        auto* w = f.a().findChild<QWidget*>(name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->geometry(), rect);
        QString text;
        if (auto* l = qobject_cast<QLabel*>(w))
            text = l->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            text = b->text();
        // Before the load the record labels are empty; after it they hold the record.
        if (name.startsWith(QStringLiteral("Rekord")))
            QVERIFY(!text.isEmpty());
        else
            QCOMPARE(text, caption);
        QVERIFY2(w->sizeHint().width() <= rect.width() || text.isEmpty() || !qobject_cast<QAbstractButton*>(w),
                 qPrintable(name + " is clipped"));
    }

    // The longest texts the controls will ever show must fit their rectangles.
    void captionsAreNotClipped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("roll count") << "Roller"
                                    << "Kast 3 av 3";
        QTest::newRow("Femmor") << "ScoreVal(5)"
                                << "Femmor";
        QTest::newRow("Två par") << "ScoreVal(8)"
                                 << "Två par";
        QTest::newRow("Fyrtal") << "ScoreVal(10)"
                                << "Fyrtal";
        QTest::newRow("Storan") << "ScoreVal(12)"
                                << "Storan";
        QTest::newRow("Högsta poäng") << "lblHighscoreHolder"
                                      << "Högsta poäng";
        QTest::newRow("Nu kastar") << "Label1"
                                   << "Nu kastar";
        QTest::newRow("Spelare") << "Label2"
                                 << "Spelare";
        QTest::newRow("Poäng") << "Label3"
                               << "Poäng";
        QTest::newRow("Spelet är slut") << "lblSpelareTur"
                                        << "Spelet är slut";
        QTest::newRow("a total") << "lblSum(1)"
                                 << "374";
        QTest::newRow("a score") << "Score(14)"
                                 << "50";
        QTest::newRow("a record") << "Rekordhållare"
                                  << "374";
    }
    void captionsAreNotClipped()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        ArenaFixture f;
        auto* w = f.a().findChild<QWidget*>(name);
        QVERIFY(w);
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            b->setText(text);
            QVERIFY2(
                b->sizeHint().width() <= w->width(),
                qPrintable(
                    QStringLiteral("%1 needs %2 px, has %3").arg(name).arg(b->sizeHint().width()).arg(w->width())));
        } else {
            auto* l = qobject_cast<QLabel*>(w);
            l->setText(text);
            const QFontMetrics fm(l->font());
            QVERIFY2(fm.horizontalAdvance(text) <= w->width() && fm.height() <= w->height(),
                     qPrintable(QStringLiteral("%1 needs %2 px, has %3")
                                    .arg(name)
                                    .arg(fm.horizontalAdvance(text))
                                    .arg(w->width())));
        }
    }

    void fontsAndColours()
    {
        ArenaFixture f;
        QCOMPARE(f.a().Roller->font().pointSizeF(), 8.25);
        QVERIFY(f.a().Roller->font().bold());
        QCOMPARE(f.a().ScoreVal[3]->font().pointSizeF(), 8.25);
        QCOMPARE(f.a().ScoreVal[3]->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(f.a().ScoreVal[3]->palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(f.a().Score[3]->font().pointSizeF(), 9.75);
        QVERIFY(f.a().Score[3]->font().bold());
        QCOMPARE(f.a().lblPlayer[2]->palette().color(QPalette::Window), QColor(255, 255, 0));
        QCOMPARE(f.a().lblSpelareTur->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(f.a().lblSpelareTur->toolTip(), QStringLiteral("Visar vilken spelare som är i tur att kasta"));
        QCOMPARE(f.a().RekordHållareNamn->toolTip(), QStringLiteral("Rekordhållarens namn"));
        QCOMPARE(f.a().Rekordhållare->toolTip(), QStringLiteral("Rekordhållarens poäng"));
        QCOMPARE(f.a().lblSpelareTur->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(f.a().lblPlayer[1]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        // Long names: the player in turn wraps onto its second line; the one-line name
        // labels never show a cut-off second line.
        QVERIFY(f.a().lblSpelareTur->wordWrap());
        QVERIFY(!f.a().lblPlayer[1]->wordWrap());
        f.a().lblPlayer[1]->setText(QStringLiteral("Anna-Karin Svensson Lindqvist från Öland"));
        QVERIFY(f.a().lblPlayer[1]->heightForWidth(153) <= 17); // one line, however long
    }

    void designState()
    {
        ArenaFixture f;
        QVERIFY(!f.a().Roller->isEnabled());
        QVERIFY(!f.a().Timer1->isActive());
        QCOMPARE(f.a().Timer1->interval(), 100);
        QCOMPARE(f.a().Timer1->objectName(), QStringLiteral("Timer1"));
        for (int c = 1; c <= 15; ++c) {
            QVERIFY(f.a().ScoreVal[c]->isEnabled());
            QVERIFY(!f.a().ScoreVal[c]->isChecked());
            QVERIFY(f.a().ScoreVal[c]->toolTip().isEmpty());
        }
        auto* line = f.a().findChild<QWidget*>(QStringLiteral("Line1"));
        QVERIFY(line);
        QCOMPARE(line->geometry(), QRect(0, 0, 404, 1));
        // Roller comes first in the focus order among the window's controls.
        QWidget* first = f.a().Backdrop->nextInFocusChain();
        QCOMPARE(first, static_cast<QWidget*>(f.a().Roller));
    }

    void dice()
    {
        ArenaFixture f;
        const int lefts[] = {1920, 2520, 3120, 3720, 4320};
        for (int i = 0; i < 5; ++i) {
            auto* die = f.a().findChild<PictureBox*>(QStringLiteral("DicePic(%1)").arg(i));
            QVERIFY(die);
            QCOMPARE(die, f.a().DicePic[i]);
            // After the load the die shows the 32 x 32 icon without a border.
            QCOMPARE(die->geometry(), QRect(lefts[i] / 15, 4200 / 15, 32, 32));
            QCOMPARE(die->storedImage(), f.a().blankDie().convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
        // With its border on a die grows by the border on every side, keeping its corner.
        f.a().DicePic[2]->setBorder(true);
        QCOMPARE(f.a().DicePic[2]->geometry(), QRect(208, 280, 38, 38));
        f.a().DicePic[2]->setBorder(false);
        QCOMPARE(f.a().DicePic[2]->geometry(), QRect(208, 280, 32, 32));
    }

    void heldBandStaysInsideTheDiceFrame()
    {
        // The first and last die held, at scales 1 and 2: the line of the frame around
        // the dice is as with every die free, and the band's yellow lies just inside it.
        const QRect frame(QPoint(126, 278), QPoint(323, 315));
        const QRegion line = QRegion(frame).subtracted(QRegion(frame.adjusted(1, 1, -1, -1)));
        for (int scale : {1, 2}) {
            ArenaFixture f;
            QImage free(f.a().centralWidget()->size() * scale, QImage::Format_RGB32), held = free;
            free.setDevicePixelRatio(scale);
            held.setDevicePixelRatio(scale);
            f.a().centralWidget()->render(&free);
            f.a().DicePic[0]->setBorder(true);
            f.a().DicePic[4]->setBorder(true);
            f.a().centralWidget()->render(&held);
            contrast::forEachPixel(held, line, [&](int x, int y) { QCOMPARE(held.pixel(x, y), free.pixel(x, y)); });
            for (const QPoint& inside : {QPoint(129, 313), QPoint(160, 312), QPoint(320, 313), QPoint(321, 290)})
                QCOMPARE(QColor(held.pixel(inside * scale)), QColor(255, 255, 0));
        }
    }

    void menus()
    {
        ArenaFixture f;
        const QList<QAction*> bar = f.a().menuBar()->actions();
        QCOMPARE(bar.size(), 3);
        QCOMPARE(bar[0]->text(), QStringLiteral("&Fil"));
        QCOMPARE(bar[0]->menu()->objectName(), QStringLiteral("mnuFile"));
        // Above the design's Exit: the coach's panel and the score sheet with their keys and
        // ticks, the sound, the window of keys and additions.
        const QList<QAction*> file = bar[0]->menu()->actions();
        QStringList captions;
        for (const QAction* item : file)
            captions << item->text() + (item->isCheckable() ? "[x]" : "") + '\t' + item->shortcut().toString();
        QCOMPARE(captions,
                 QStringList({"&Tips[x]\tF2", "&Protokoll[x]\tF3", "&Ljud[x]\t", "Tangenter &och tillägg…\t",
                              "Sp&råk / Language\t", "&Exit\t"}));
        QVERIFY(file[2]->isChecked()); // the sound is on at first
        QCOMPARE(file[5]->objectName(), QStringLiteral("mnuExit"));
        QCOMPARE(bar[1]->text(), QStringLiteral("&Nytt spel"));
        const QStringList players
            = {"&En spelare", "&Två spelare", "T&re spelare", "&Fyra spelare", "Fe&m spelare", "Se&x spelare"};
        const QList<QAction*> items = bar[1]->menu()->actions();
        QCOMPARE(items.size(), 8); // below the player counts, apart: a game against the computer
        QVERIFY(items[6]->isSeparator());
        QCOMPARE(items[7]->text(), QStringLiteral("Mot &datorn…"));
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(items[i]->text(), players[i]);
            QCOMPARE(items[i]->objectName(), QStringLiteral("Spelarnummer(%1)").arg(i + 1));
            QVERIFY(!items[i]->isCheckable());
            QVERIFY(items[i]->shortcut().isEmpty());
        }
        // "&Hjälp" is a command on the bar itself.
        QCOMPARE(bar[2]->text(), QStringLiteral("&Hjälp"));
        QCOMPARE(bar[2]->objectName(), QStringLiteral("mnuHelp"));
        QVERIFY(!bar[2]->menu());
    }

    void framesAreDrawnBeforeTheFirstShowing()
    {
        ArenaFixture f; // loaded, never shown
        const QImage bg = f.a().Backdrop->storedImage();
        const QColor yellow(255, 255, 0);
        struct Corner {
            int x, y;
        } corners[] = {{10, 6},    {123, 251}, {166, 6},   {399, 173}, {126, 206},
                       {243, 275}, {254, 206}, {395, 247}, {126, 278}, {323, 315}};
        for (auto c : corners)
            QVERIFY2(QColor(bg.pixel(c.x, c.y)) == yellow, qPrintable(QStringLiteral("%1,%2").arg(c.x).arg(c.y)));
        QCOMPARE(QColor(bg.pixel(124, 251)), QColor(0, 0, 255)); // just outside frame 1
        QCOMPARE(QColor(bg.pixel(60, 100)), QColor(0, 0, 255));  // inside, not filled
        // The frames survive a repaint of the shown window.
        f.a().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.a()));
        const QImage shown = f.a().centralWidget()->grab().toImage();
        QCOMPARE(QColor(shown.pixel(399, 100)), yellow);
    }
};

QTEST_MAIN(ArenaLayoutTest)
#include "arena_layout_test.moc"
