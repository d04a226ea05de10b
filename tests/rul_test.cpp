// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "fakes/FakeServices.h"
#include "ui/PictureBox.h"
#include "ui/KolvoRul.h"
#include "ui/Pictures.h"
#include "ui/RulDesign.h"
#include "ui/DesignLook.h"

namespace {

// One control's place as the design gives it, in twips (15 per pixel).
struct Twips {
    const char* name = "";
    int left = 0, top = 0, width = 0, height = 0;
};
constexpr Twips kDesignTwips[] = {
    {"TärningsInfo", 960, 720, 1125, 195}, {"DiceStyle1", 240, 1080, 255, 255},   {"DiceStyle2", 720, 1080, 255, 255},
    {"DiceStyle3", 1200, 1080, 255, 255},  {"DiceStyle4", 1680, 1080, 255, 255},  {"DiceStyle5", 2160, 1080, 255, 255},
    {"DiceStyle6", 2520, 1080, 255, 255},  {"Diceholder", 120, 1440, 2910, 2910}, {"Forward", 840, 4440, 1125, 330},
    {"Pico(0)", 120, 120, 510, 510},       {"Pico(1)", 600, 120, 510, 510},       {"Pico(2)", 1080, 120, 480, 510},
    {"Pico(3)", 1560, 120, 510, 510},      {"Pico(4)", 2040, 120, 510, 510},      {"Pico(5)", 2520, 120, 510, 510},
};

QRect fromTwips(const Twips& t)
{
    return QRect(t.left / 15, t.top / 15, t.width / 15, t.height / 15);
}

QRect tableRect(const QString& name)
{
    if (name == rul::kInfoName)
        return rul::kInfo;
    if (name == rul::kHolderName)
        return rul::kHolder;
    if (name == rul::kForwardName)
        return rul::kForward;
    for (const rul::ButtonDesign& b : rul::kStyleButtons)
        if (name == b.name)
            return b.rect;
    for (int k = 0; k < 6; ++k)
        if (name == rul::kPicoName.toString().arg(k))
            return rul::kPico[k];
    return QRect();
}

// The scale the art is drawn at for this test's screen (QT_SCALE_FACTOR sets it).
int artScale()
{
    return ui::artScale(qApp->devicePixelRatio());
}

QImage sheet()
{
    return ui::loadPicture(rul::kHolderPicture, artScale()).convertToFormat(QImage::Format_ARGB32);
}

// Compares a stored face picture with the sheet block at logical (x, y) of the same
// size, device pixel by device pixel.
bool sameAsSheet(const QImage& face, int x, int y, QString* why)
{
    const int s = artScale();
    if (face.devicePixelRatio() != s) {
        *why = QStringLiteral("device pixel ratio %1, the sheet's is %2").arg(face.devicePixelRatio()).arg(s);
        return false;
    }
    const QImage block = sheet().copy(x * s, y * s, face.width(), face.height());
    const QImage got = face.convertToFormat(QImage::Format_ARGB32);
    for (int j = 0; j < got.height(); ++j)
        for (int i = 0; i < got.width(); ++i)
            if (got.pixel(i, j) != block.pixel(i, j)) {
                *why = QStringLiteral("pixel (%1, %2) is %3, the sheet has %4")
                           .arg(i)
                           .arg(j)
                           .arg(got.pixel(i, j), 8, 16)
                           .arg(block.pixel(i, j), 8, 16);
                return false;
            }
    return true;
}

struct Window : FakeServices {
    std::unique_ptr<KolvoRul> rul = std::make_unique<KolvoRul>(services());
};

} // namespace

class RulTest : public QObject {
    Q_OBJECT
private slots:
    void designTableMatchesTheDesign_data();
    void designTableMatchesTheDesign();
    void windowIsBuiltFromTheTable_data();
    void windowIsBuiltFromTheTable();
    void windowAttributes();
    void drawableAreas();
    void fontAndCaptions();
    void formLoad_data();
    void formLoad();
    void pickingAStyle_data();
    void pickingAStyle();
    void keyboardPicksAStyleAndGoesOn_data();
    void keyboardPicksAStyleAndGoesOn();
    void controlsSayWhatTheyDo_data();
    void controlsSayWhatTheyDo();
    void facesKeepTheScreensDetail();
    void copiesReadTheHiddenSheet();
    void forwardHidesWithoutClosing();
    void facePictureOutsideOneToSix();
};

void RulTest::designTableMatchesTheDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("design");
    for (const Twips& t : kDesignTwips)
        QTest::newRow(t.name) << QString::fromUtf8(t.name) << fromTwips(t);
}

void RulTest::designTableMatchesTheDesign()
{
    QFETCH(QString, name);
    QFETCH(QRect, design);
    QCOMPARE(tableRect(name), design);
}

void RulTest::windowIsBuiltFromTheTable_data()
{
    designTableMatchesTheDesign_data();
}

void RulTest::windowIsBuiltFromTheTable()
{
    QFETCH(QString, name);
    QFETCH(QRect, design);
    Window w;
    auto* control = w.rul->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    if (control == w.rul->TärningsInfo)
        QCOMPARE(control->pos(), design.topLeft()); // it sizes itself to its text
    else
        QCOMPARE(control->geometry(), design);
}

void RulTest::windowAttributes()
{
    Window w;
    const QString caption = QStringLiteral("    ") + QStringLiteral("Tärningsval") + QString(30, u' ')
        + QStringLiteral("KOLVO FÖR SEX SPELARE");
    QCOMPARE(caption.size(), 66);
    QCOMPARE(w.rul->windowTitle(), caption);
    // 3135 x 4845 twips, not resizable.
    QCOMPARE(w.rul->size(), QSize(3135 / 15, 4845 / 15));
    QCOMPARE(w.rul->minimumSize(), w.rul->maximumSize());
    QVERIFY(!w.rul->windowIcon().isNull());
    QCOMPARE(w.rul->windowIcon().availableSizes().value(0), QSize(32, 32));
    // Design state before the load handler.
    QVERIFY(w.rul->Forward->isHidden());
    QCOMPARE(w.rul->Forward->toolTip(), QStringLiteral("Tryck här när all inmatning är klar"));
    for (PictureBox* face : w.rul->Pico)
        QVERIFY(!face->isHidden());
    QCOMPARE(w.rul->TärningsInfo->text(), QStringLiteral(" Välj tärning."));
    QCOMPARE(w.rul->TärningsInfo->textFormat(), Qt::PlainText);
    // Centred on the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(qAbs(w.rul->geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(w.rul->geometry().center().y() - screen.center().y()) <= 1);
}

void RulTest::drawableAreas()
{
    // In logical pixels as designed, with as many device pixels as the screen's scale.
    Window w;
    const int s = artScale();
    auto check = [s](const PictureBox* box, QSize logical) {
        QCOMPARE(box->storedImage().deviceIndependentSize().toSize(), logical);
        QCOMPARE(box->storedImage().size(), logical * s);
        QVERIFY(box->hasBorder());
        QCOMPARE(box->borderWidth(), 1);
    };
    for (int k = 0; k < 6; ++k)
        check(w.rul->Pico[k], k == 2 ? QSize(30, 32) : QSize(32, 32));
    check(w.rul->Diceholder, QSize(192, 192));
    check(w.rul->Forward, QSize(73, 20));
}

void RulTest::fontAndCaptions()
{
    Window w;
    const QFont& font = w.rul->font();
    QVERIFY(font.bold());
    QCOMPARE(font.pointSizeF(), 8.25);
    QCOMPARE(font.families().value(0), QStringLiteral("MS Sans Serif"));
    for (QPushButton* button : w.rul->DiceStyle) {
        QCOMPARE(button->font(), font);
        QVERIFY2(ui::captionFits(*button), qPrintable(button->objectName()));
    }
    QLabel* info = w.rul->TärningsInfo;
    QCOMPARE(info->font(), font);
    QVERIFY(info->width() >= info->fontMetrics().horizontalAdvance(info->text()));
    QVERIFY(info->height() >= info->fontMetrics().height());
}

void RulTest::formLoad_data()
{
    QTest::addColumn<unsigned>("devices");
    QTest::addColumn<QList<QByteArray>>("commands");
    QTest::newRow("with a sound device") << 1u << QList<QByteArray>{"Play I3IK.MID"};
    QTest::newRow("without one") << 0u << QList<QByteArray>{};
}

void RulTest::formLoad()
{
    QFETCH(unsigned, devices);
    QFETCH(QList<QByteArray>, commands);
    Window w;
    w.media.devices = devices;

    w.rul->Form_Load();

    QVERIFY(w.rul->isVisible());
    QVERIFY(w.rul->Diceholder->isVisible());
    QVERIFY(w.rul->TärningsInfo->isVisible());
    for (QPushButton* button : w.rul->DiceStyle)
        QVERIFY(button->isVisible());
    for (PictureBox* face : w.rul->Pico)
        QVERIFY(face->isHidden());
    QVERIFY(w.rul->Forward->isHidden());
    QCOMPARE(QList<QByteArray>(w.media.commands.begin(), w.media.commands.end()), commands);
}

void RulTest::pickingAStyle_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("face"); // the face clicked in the sheet's column of the style; 0: its button
    for (int n = 1; n <= 6; ++n) {
        QTest::addRow("DiceStyle%d", n) << n << 0;
        QTest::addRow("style %d's face %d in the sheet", n, 7 - n) << n << 7 - n;
    }
}

void RulTest::pickingAStyle()
{
    QFETCH(int, style);
    QFETCH(int, face);
    Window w;
    w.rul->Form_Load();

    if (face)
        QTest::mouseClick(w.rul->Diceholder, Qt::LeftButton, {},
                          QPoint(1 + 32 * (style - 1) + 16, 1 + 32 * (face - 1) + 16));
    else
        QTest::mouseClick(w.rul->DiceStyle[style - 1], Qt::LeftButton);

    QCOMPARE(w.rul->ChosenStyle, style - 1);
    for (int k = 0; k < 6; ++k) {
        // Pico(k) holds face k + 1: row k of the chosen column; Pico(2) only its left
        // 30 columns.
        QString why;
        QVERIFY2(sameAsSheet(w.rul->Pico[k]->storedImage(), 32 * (style - 1), 32 * k, &why),
                 qPrintable(QStringLiteral("Pico(%1): ").arg(k) + why));
        QCOMPARE(w.rul->facePicture(k + 1).convertToFormat(QImage::Format_ARGB32),
                 w.rul->Pico[k]->storedImage().convertToFormat(QImage::Format_ARGB32));
        QVERIFY(w.rul->Pico[k]->isVisible());
    }
    for (QPushButton* button : w.rul->DiceStyle)
        QVERIFY(button->isHidden());
    QVERIFY(w.rul->TärningsInfo->isHidden());
    QVERIFY(w.rul->Diceholder->isHidden());
    QVERIFY(w.rul->Forward->isVisible());
    QVERIFY(w.rul->isVisible());
}

void RulTest::keyboardPicksAStyleAndGoesOn_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("space") << int(Qt::Key_Space) << int(Qt::NoModifier);
    QTest::newRow("enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void RulTest::keyboardPicksAStyleAndGoesOn()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    Window w;
    w.rul->Form_Load();
    QSignalSpy asked(w.rul.get(), &KolvoRul::forwardRequested);
    QTest::keyClick(w.rul->DiceStyle[4], Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(w.rul->ChosenStyle, 4);
    QVERIFY(w.rul->Forward->isVisible());

    // Regression: Forward could not be reached or pressed without a mouse.
    QCOMPARE(w.rul->focusWidget(), static_cast<QWidget*>(w.rul->Forward));
    QVERIFY(w.rul->Forward->focusPolicy() & Qt::TabFocus);
    // The key still held from the pick repeats: that must not go on by itself.
    QKeyEvent repeat(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), QString(), true);
    QApplication::sendEvent(w.rul->Forward, &repeat);
    QCOMPARE(asked.count(), 0);
    QTest::keyClick(w.rul->Forward, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(asked.count(), 1);
    QVERIFY(w.rul->isHidden());
}

void RulTest::controlsSayWhatTheyDo_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("does");
    for (int n = 1; n <= 6; ++n)
        QTest::addRow("DiceStyle%d", n) << QStringLiteral("DiceStyle%1").arg(n)
                                        << QStringLiteral("Tärningsstil %1").arg(n)
                                        << QStringLiteral("Väljer tärningar i stil %1.").arg(n);
    QTest::newRow("Forward") << QStringLiteral("Forward") << QStringLiteral("Vidare")
                             << QStringLiteral("Tryck här när all inmatning är klar.");
}

void RulTest::controlsSayWhatTheyDo()
{
    // What a screen reader reads: a name that says what the control does (not "1"),
    // and a description that also tells the keys that press it.
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, does);
    Window w;
    QWidget* widget = w.rul->findChild<QWidget*>(control);
    QVERIFY(widget);
    QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(a11y);
    QCOMPARE(a11y->text(QAccessible::Name), name);
    const QString description = a11y->text(QAccessible::Description);
    QVERIFY2(description.startsWith(does), qPrintable(description));
    QVERIFY2(description.contains(u"mellanslag", Qt::CaseInsensitive) && description.contains(u"Enter"),
             qPrintable(description));
}

void RulTest::facesKeepTheScreensDetail()
{
    // On a screen of scale 2 or 3 the faces are copied from the sheet drawn for it,
    // device pixel by device pixel: more detail than the scale-1 faces enlarged, whose
    // scale x scale blocks would all be uniform. Run at QT_SCALE_FACTOR=2 by ctest.
    const int s = artScale();
    if (s == 1)
        QSKIP("the screen's scale is 1 (rul_test_scale2 runs this at 2)");
    Window w;
    w.rul->Form_Load();
    QTest::mouseClick(w.rul->DiceStyle[0], Qt::LeftButton);
    for (int k = 0; k < 6; ++k) {
        const QImage face = w.rul->facePicture(k + 1).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(face.devicePixelRatio(), qreal(s));
        QCOMPARE(face.deviceIndependentSize().toSize(), k == 2 ? QSize(30, 32) : QSize(32, 32));
        int mixed = 0;
        for (int by = 0; by < face.height() / s; ++by)
            for (int bx = 0; bx < face.width() / s; ++bx) {
                bool uniform = true;
                for (int y = 0; y < s; ++y)
                    for (int x = 0; x < s; ++x)
                        uniform = uniform && face.pixel(s * bx + x, s * by + y) == face.pixel(s * bx, s * by);
                mixed += !uniform;
            }
        QVERIFY2(mixed >= 8, qPrintable(QStringLiteral("Pico(%1): %2 blocks with detail").arg(k).arg(mixed)));
    }
}

void RulTest::copiesReadTheHiddenSheet()
{
    // The faces must come from the sheet's stored image, not from the screen: the
    // sheet is hidden, and the window itself may be, when they are copied.
    Window w;
    w.rul->Diceholder->hide();

    w.rul->ShowDiceStyle(160);

    QString why;
    for (int k = 0; k < 6; ++k)
        QVERIFY2(sameAsSheet(w.rul->Pico[k]->storedImage(), 160, 32 * k, &why), qPrintable(why));
}

void RulTest::forwardHidesWithoutClosing()
{
    Window w;
    w.rul->Form_Load();
    QSignalSpy asked(w.rul.get(), &KolvoRul::forwardRequested);
    QTest::mouseClick(w.rul->DiceStyle[3], Qt::LeftButton);
    const QImage four = w.rul->facePicture(4);

    QTest::mouseClick(w.rul->Forward, Qt::LeftButton);

    QCOMPARE(asked.count(), 1);
    QVERIFY(w.rul->isHidden());
    // Still readable for the main window.
    QCOMPARE(w.rul->facePicture(4), four);
    QString why;
    QVERIFY2(sameAsSheet(w.rul->facePicture(4), 96, 96, &why), qPrintable(why));
}

void RulTest::facePictureOutsideOneToSix()
{
    Window w;
    QVERIFY(w.rul->facePicture(0).isNull());
    QVERIFY(w.rul->facePicture(7).isNull());
    QVERIFY(!w.rul->facePicture(1).isNull());
}

QTEST_MAIN(RulTest)
#include "rul_test.moc"
