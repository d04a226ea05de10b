// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "Contrast.h"
#include "fakes/FakeServices.h"
#include "ui/FocusRing.h"
#include "ui/Intro.h"
#include "ui/IntroDesign.h"
#include "ui/Pictures.h"
#include "ui/DesignLook.h"

namespace {

struct Window : FakeServices {
    std::unique_ptr<Intro> intro = std::make_unique<Intro>(services());
};

} // namespace

class IntroTest : public QObject {
    Q_OBJECT
private slots:
    void designTableMatchesTheDesign();
    void windowIsBuiltFromTheTable();
    void buttonFontAndCaption_data();
    void buttonFontAndCaption();
    void titlePictureFromTheTopLeft();
    void formLoadShowsThenSeedsOnce();
    void orderIsFramedAndDescribed();
    void orderHidesWithoutClosing_data();
    void orderHidesWithoutClosing();
};

void IntroTest::designTableMatchesTheDesign()
{
    // Twips of the design, 15 per pixel.
    QCOMPARE(intro::kOrder, QRect(120 / 15, 2400 / 15, 1095 / 15, 495 / 15));
    QCOMPARE(QSize(intro::kClientWidth, intro::kClientHeight), QSize(7680 / 15, 3255 / 15));
    QCOMPARE(intro::kCaption.toString(), u"    Kolvo Introduktion");
    QCOMPARE(intro::kOrderCaption.toString(), u"Till inmatningar");
}

void IntroTest::windowIsBuiltFromTheTable()
{
    Window w;
    QCOMPARE(w.intro->windowTitle(), QStringLiteral("    Kolvo Introduktion"));
    QCOMPARE(w.intro->size(), QSize(512, 217));
    QCOMPARE(w.intro->minimumSize(), w.intro->maximumSize());
    QVERIFY(!w.intro->windowIcon().isNull());
    auto* order = w.intro->findChild<QPushButton*>(QStringLiteral("Order"));
    QCOMPARE(order, w.intro->Order);
    QCOMPARE(order->geometry(), QRect(8, 160, 73, 33));
    QCOMPARE(order->text(), QStringLiteral("Till inmatningar"));
    QVERIFY(order->isEnabled());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(qAbs(w.intro->geometry().center().x() - screen.center().x()) <= 1);
}

void IntroTest::buttonFontAndCaption_data()
{
    QTest::addColumn<QString>("defaultFamily");
    QTest::addColumn<int>("defaultPixels");
    QTest::newRow("narrow default face") << QStringLiteral("Liberation Sans") << 9;
    // Regression: a wide default face at its usual size cut the caption at both sides.
    QTest::newRow("wide default face") << QStringLiteral("DejaVu Sans") << 12;
    QTest::newRow("large default size") << QStringLiteral("DejaVu Sans") << 16;
}

void IntroTest::buttonFontAndCaption()
{
    QFETCH(QString, defaultFamily);
    QFETCH(int, defaultPixels);
    const QFont saved = QApplication::font();
    QFont standard(defaultFamily);
    standard.setPixelSize(defaultPixels);
    QApplication::setFont(standard);
    Window w;
    QApplication::setFont(saved);

    const QPushButton* order = w.intro->Order;
    QCOMPARE(order->font().weight(), QFont::Normal);
    // The caption lies wholly inside the bevel, with room to spare.
    const QRect area = ui::buttonCaptionArea(*order);
    const QFontMetrics metrics(order->font());
    QVERIFY2(metrics.horizontalAdvance(order->text()) + 4 <= area.width(),
             qPrintable(QStringLiteral("%1 px in %2").arg(metrics.horizontalAdvance(order->text())).arg(area.width())));
    QVERIFY(QFontInfo(order->font()).pixelSize() >= 8);
    QVERIFY(QFontInfo(order->font()).pixelSize() <= defaultPixels);
}

void IntroTest::titlePictureFromTheTopLeft()
{
    // At the screen's scale (QT_SCALE_FACTOR=2 in intro_test_scale2), pixel for pixel
    // the picture drawn for it.
    Window w;
    w.intro->Order->hide(); // only the picture under it is looked at
    const int s = ui::artScale(w.intro->devicePixelRatioF());
    const QImage shown = w.intro->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage title = ui::loadPicture(intro::kPicture, s).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(title.deviceIndependentSize().toSize(), QSize(512, 216));
    QCOMPARE(shown.deviceIndependentSize().toSize(), QSize(512, 217));
    QCOMPARE(shown.size(), QSize(512, 217) * s);
    QCOMPARE(shown.copy(0, 0, 512 * s, 216 * s), title.copy());
    const QRgb window = w.intro->palette().color(QPalette::Window).rgb();
    for (int x = 0; x < 512 * s; ++x)
        QCOMPARE(shown.pixel(x, 217 * s - 1), window);
}

void IntroTest::formLoadShowsThenSeedsOnce()
{
    Window w;
    w.intro->Form_Load();
    QVERIFY(w.intro->isVisible());
    QCOMPARE(w.random.seeds, 1);
    // Seconds since midnight.
    QVERIFY(w.random.lastSeed >= 0.0f && w.random.lastSeed < 86400.0f);
    QCOMPARE(w.intro->focusWidget(), w.intro->Order);
}

void IntroTest::orderIsFramedAndDescribed()
{
    Window w;
    w.intro->Form_Load();
    w.intro->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.intro.get()));
    // The ring around the focused button stands out on the white title picture.
    const QImage ringed = w.intro->grab().toImage().convertToFormat(QImage::Format_RGB32);
    w.intro->Order->clearFocus();
    const QImage plain = w.intro->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRegion band = contrast::bandAround(w.intro->Order->geometry(), ui::kFocusRingWidth);
    const double share = contrast::shareContrasting(ringed, plain, band, 3.0);
    QVERIFY2(share >= 0.4, qPrintable(QStringLiteral("%1 of the ring contrasts").arg(share)));
    // A screen reader hears the caption and the keys that press it.
    QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(w.intro->Order);
    QCOMPARE(a11y->text(QAccessible::Name), QStringLiteral("Till inmatningar"));
    QVERIFY(a11y->text(QAccessible::Description).contains(u"Enter eller mellanslag"));
}

void IntroTest::orderHidesWithoutClosing_data()
{
    QTest::addColumn<int>("key"); // 0: a mouse click
    QTest::newRow("mouse") << 0;
    QTest::newRow("space") << int(Qt::Key_Space);
    QTest::newRow("enter") << int(Qt::Key_Return);
}

void IntroTest::orderHidesWithoutClosing()
{
    QFETCH(int, key);
    Window w;
    w.intro->Form_Load();
    QSignalSpy asked(w.intro.get(), &Intro::setupRequested);
    QPointer<Intro> alive(w.intro.get());

    if (key == 0)
        QTest::mouseClick(w.intro->Order, Qt::LeftButton);
    else
        QTest::keyClick(w.intro->Order, Qt::Key(key));

    QCOMPARE(asked.count(), 1);
    QVERIFY(w.intro->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive);
    QCOMPARE(w.random.seeds, 1);
}

QTEST_MAIN(IntroTest)
#include "intro_test.moc"
