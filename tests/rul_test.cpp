#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "fakes/FakeServices.h"
#include "platform/PictureBox.h"
#include "ui/KolvoRul.h"
#include "ui/RulDesign.h"
#include "ui/DesignLook.h"

namespace {

// One control's place as the design gives it, in twips (15 per pixel).
struct Twips {
    const char* name = "";
    int left = 0, top = 0, width = 0, height = 0;
};
constexpr Twips kDesignTwips[] = {
    {"TärningsInfo", 960, 720, 1125, 195},
    {"DiceStyle1", 240, 1080, 255, 255},
    {"DiceStyle2", 720, 1080, 255, 255},
    {"DiceStyle3", 1200, 1080, 255, 255},
    {"DiceStyle4", 1680, 1080, 255, 255},
    {"DiceStyle5", 2160, 1080, 255, 255},
    {"DiceStyle6", 2520, 1080, 255, 255},
    {"Diceholder", 120, 1440, 2910, 2910},
    {"Forward", 840, 4440, 1125, 330},
    {"Pico(0)", 120, 120, 510, 510},
    {"Pico(1)", 600, 120, 510, 510},
    {"Pico(2)", 1080, 120, 480, 510},
    {"Pico(3)", 1560, 120, 510, 510},
    {"Pico(4)", 2040, 120, 510, 510},
    {"Pico(5)", 2520, 120, 510, 510},
};

QRect fromTwips(const Twips& t)
{
    return QRect(t.left / 15, t.top / 15, t.width / 15, t.height / 15);
}

QRect tableRect(const char* name)
{
    const auto r = [](const rul::Rect& d) { return QRect(d.x, d.y, d.w, d.h); };
    const QString n = QString::fromUtf8(name);
    if (n == QString::fromUtf8(rul::kInfoName))
        return r(rul::kInfo);
    if (n == QString::fromUtf8(rul::kHolderName))
        return r(rul::kHolder);
    if (n == QString::fromUtf8(rul::kForwardName))
        return r(rul::kForward);
    for (const rul::ButtonDesign& b : rul::kStyleButtons)
        if (n == QString::fromUtf8(b.name))
            return r(b.rect);
    for (int k = 0; k < 6; ++k)
        if (n == QString::fromUtf8(rul::kPicoName).arg(k))
            return r(rul::kPico[k]);
    return QRect();
}

QImage sheet()
{
    return QImage(QStringLiteral(":/images/faces.png")).convertToFormat(QImage::Format_ARGB32);
}

// Compares a stored face picture with the sheet block at (x, y) of the same size.
bool sameAsSheet(const QImage& face, int x, int y, QString* why)
{
    const QImage block = sheet().copy(x, y, face.width(), face.height());
    const QImage got = face.convertToFormat(QImage::Format_ARGB32);
    for (int j = 0; j < got.height(); ++j)
        for (int i = 0; i < got.width(); ++i)
            if (got.pixel(i, j) != block.pixel(i, j)) {
                *why = QStringLiteral("pixel (%1, %2) is %3, the sheet has %4")
                           .arg(i).arg(j).arg(got.pixel(i, j), 8, 16).arg(block.pixel(i, j), 8, 16);
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
    void keyboardPicksTheFocusedStyle_data();
    void keyboardPicksTheFocusedStyle();
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
    QCOMPARE(tableRect(name.toUtf8().constData()), design);
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
    const QString caption = QStringLiteral("    ") + QStringLiteral("Tärningsval") + QString(30, u' ') +
                            QStringLiteral("KOLVO FÖR SEX SPELARE");
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
    Window w;
    for (int k = 0; k < 6; ++k) {
        QVERIFY(w.rul->Pico[k]->hasBorder());
        QCOMPARE(w.rul->Pico[k]->storedImage().size(), k == 2 ? QSize(30, 32) : QSize(32, 32));
    }
    QCOMPARE(w.rul->Diceholder->storedImage().size(), QSize(192, 192));
    QCOMPARE(w.rul->Forward->storedImage().size(), QSize(73, 20));
    QVERIFY(w.rul->Diceholder->hasBorder() && w.rul->Forward->hasBorder());
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
    for (int n = 1; n <= 6; ++n)
        QTest::addRow("DiceStyle%d", n) << n;
}

void RulTest::pickingAStyle()
{
    QFETCH(int, style);
    Window w;
    w.rul->Form_Load();

    QTest::mouseClick(w.rul->DiceStyle[style - 1], Qt::LeftButton);

    QCOMPARE(w.rul->ChosenStyle, style - 1);
    for (int k = 0; k < 6; ++k) {
        // Pico(k) holds face k + 1: row k of the chosen column; Pico(2) only its left
        // 30 columns.
        QString why;
        QVERIFY2(sameAsSheet(w.rul->Pico[k]->storedImage(), 32 * (style - 1), 32 * k, &why),
                 qPrintable(QStringLiteral("Pico(%1): ").arg(k) + why));
        QCOMPARE(w.rul->FacePicture(k + 1).convertToFormat(QImage::Format_ARGB32),
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

void RulTest::keyboardPicksTheFocusedStyle_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("space") << int(Qt::Key_Space);
    QTest::newRow("enter") << int(Qt::Key_Return);
}

void RulTest::keyboardPicksTheFocusedStyle()
{
    QFETCH(int, key);
    Window w;
    w.rul->Form_Load();
    QTest::keyClick(w.rul->DiceStyle[4], Qt::Key(key));
    QCOMPARE(w.rul->ChosenStyle, 4);
    QVERIFY(w.rul->Forward->isVisible());
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
    const QImage four = w.rul->FacePicture(4);

    QTest::mouseClick(w.rul->Forward, Qt::LeftButton);

    QCOMPARE(asked.count(), 1);
    QVERIFY(w.rul->isHidden());
    // Still readable for the main window.
    QCOMPARE(w.rul->FacePicture(4), four);
    QString why;
    QVERIFY2(sameAsSheet(w.rul->FacePicture(4), 96, 96, &why), qPrintable(why));
}

void RulTest::facePictureOutsideOneToSix()
{
    Window w;
    QVERIFY(w.rul->FacePicture(0).isNull());
    QVERIFY(w.rul->FacePicture(7).isNull());
    QVERIFY(!w.rul->FacePicture(1).isNull());
}

QTEST_MAIN(RulTest)
#include "rul_test.moc"
