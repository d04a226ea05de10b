// SPDX-License-Identifier: GPL-3.0-or-later
#include <QHash>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>
#include <cmath>
#include <vector>

#include "Contrast.h"
#include "ui/PictureBox.h"
#include "ui/Pictures.h"

namespace {

double distance(QRgb a, QRgb b)
{
    const double dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return std::sqrt(dr * dr + dg * dg + db * db);
}

QRgb mostCommon(const QImage& image)
{
    QHash<QRgb, int> count;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++count[image.pixel(x, y)];
    QRgb best = 0;
    int most = -1;
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    return best;
}

// Pips are the spots well inside the die's bevel (pixels 3..26 of a 30-pixel die at
// scale 1, or of as many columns as the picture has) whose colour stands clearly apart
// from the body, counted as 8-connected groups.
int countPips(const QImage& cell, int scale = 1)
{
    const QRgb body = mostCommon(cell);
    const int first = 3 * scale, last = 27 * scale - 1;
    const int right = qMin(cell.width() - 1, last);
    const int w = cell.width(), h = cell.height();
    std::vector<char> spot(size_t(w * h), 0);
    for (int y = first; y <= last; ++y)
        for (int x = first; x <= right; ++x)
            spot[size_t(y * w + x)] = distance(cell.pixel(x, y), body) > 100.0;
    int groups = 0;
    for (int start = 0; start < w * h; ++start) {
        if (!spot[size_t(start)])
            continue;
        ++groups;
        std::vector<int> todo{start};
        spot[size_t(start)] = 0;
        while (!todo.empty()) {
            const int p = todo.back();
            todo.pop_back();
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int x = p % w + dx, y = p / w + dy;
                    if (x >= 0 && y >= 0 && x < w && y < h && spot[size_t(y * w + x)]) {
                        spot[size_t(y * w + x)] = 0;
                        todo.push_back(y * w + x);
                    }
                }
        }
    }
    return groups;
}

int distinctColours(const QImage& image)
{
    QSet<QRgb> seen;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            seen.insert(argb.pixel(x, y));
    return int(seen.size());
}

bool opaque(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) != 255)
                return false;
    return true;
}

const QImage& faces(int scale = 1)
{
    static const QImage sheets[]
        = {ui::loadPicture(u":/images/faces.png", 1), ui::loadPicture(u":/images/faces.png", 2),
           ui::loadPicture(u":/images/faces.png", 3)};
    return sheets[scale - 1];
}

// Cell (style, value) of the sheet at a scale, in device pixels.
QImage cell(int style, int value, int scale = 1)
{
    const int side = 32 * scale;
    return faces(scale).copy(side * (style - 1), side * (value - 1), side, side);
}

// How far colour is from the closest pixel of image within one pixel of (x, y).
double nearest(QRgb colour, const QImage& image, int x, int y)
{
    double least = 1e9;
    for (int j = qMax(0, y - 1); j <= qMin(image.height() - 1, y + 1); ++j)
        for (int i = qMax(0, x - 1); i <= qMin(image.width() - 1, x + 1); ++i)
            least = qMin(least, distance(colour, image.pixel(i, j)));
    return least;
}

void addScaleRows()
{
    QTest::addColumn<int>("scale");
    for (int s : {1, 2, 3})
        QTest::addRow("scale %d", s) << s;
}

// Share of the picture's opaque pixels whose hue lies within 25 degrees of hue, with
// the strong saturation and value of a die's body.
double shareOfHue(const QImage& image, int hue)
{
    int all = 0, match = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = QColor::fromRgba(image.pixel(x, y));
            if (c.alpha() < 255)
                continue;
            ++all;
            const int d = qAbs(c.hsvHue() - hue);
            match += c.hsvHue() >= 0 && qMin(d, 360 - d) <= 25 && c.hsvSaturation() > 140 && c.value() > 120;
        }
    return all == 0 ? 0.0 : double(match) / all;
}

} // namespace

class ArtTest : public QObject {
    Q_OBJECT
private slots:
    void picturesInTheResources_data();
    void picturesInTheResources();
    void faceSheetFormat();
    void everyCellIsAnOpaqueDie_data() { addScaleRows(); }
    void everyCellIsAnOpaqueDie();
    void pipsCountTheFaceValue_data();
    void pipsCountTheFaceValue();
    void theFaceBoxOfThreeLosesNothing_data() { addScaleRows(); }
    void theFaceBoxOfThreeLosesNothing();
    void stylesDifferInColour();
    void windowIcons_data();
    void windowIcons();
    void blankDieHasNoPips();
    void titleHasTwelveRuleLinesThatFit_data();
    void titleHasTwelveRuleLinesThatFit();
    void programIconIsColourfulDice_data();
    void programIconIsColourfulDice();
    void programIconSvg();
    void heldDieStandsOut_data();
    void heldDieStandsOut();
    void finerPicturesAreTheSameDrawing_data();
    void finerPicturesAreTheSameDrawing();
};

void ArtTest::picturesInTheResources_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("scale");
    const std::pair<const char*, QSize> pictures[] = {
        {":/images/faces.png", QSize(192, 192)},    {":/images/title.png", QSize(512, 216)},
        {":/images/forward.png", QSize(73, 20)},    {":/images/icon-kolvo.png", QSize(32, 32)},
        {":/images/icon-arena.png", QSize(32, 32)}, {":/images/title_en.png", QSize(512, 216)},
        {":/images/forward_en.png", QSize(73, 20)},
    };
    for (const auto& [path, size] : pictures)
        for (int s : {1, 2, 3})
            QTest::addRow("%s at scale %d", path, s) << QString::fromLatin1(path) << size << s;
}

void ArtTest::picturesInTheResources()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(int, scale);
    const QImage image = ui::loadPicture(path, scale);
    QVERIFY2(!image.isNull(), qPrintable(path)); // compiled into the library this test links
    // The same logical size at every scale, with as many more pixels as the scale says.
    QCOMPARE(image.size(), size * scale);
    QCOMPARE(image.devicePixelRatio(), qreal(scale));
    QCOMPARE(image.deviceIndependentSize().toSize(), size);
}

void ArtTest::faceSheetFormat()
{
    QCOMPARE(faces().format(), QImage::Format_Indexed8);
    QCOMPARE(faces().colorCount(), 256);
    const QImage title(QStringLiteral(":/images/title.png"));
    QVERIFY(!title.hasAlphaChannel());
    QVERIFY(!title.isGrayscale());
}

void ArtTest::everyCellIsAnOpaqueDie()
{
    QFETCH(int, scale);
    QVERIFY(opaque(faces(scale)));
    // No cell is blank: each has its edge and body.
    for (int c = 1; c <= 6; ++c)
        for (int v = 1; v <= 6; ++v)
            QVERIFY(distinctColours(cell(c, v, scale)) >= 3);
}

void ArtTest::pipsCountTheFaceValue_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("scale");
    for (int s : {1, 2, 3})
        for (int c = 1; c <= 6; ++c)
            for (int v = 1; v <= 6; ++v)
                QTest::addRow("style %d, value %d, scale %d", c, v, s) << c << v << s;
}

void ArtTest::pipsCountTheFaceValue()
{
    QFETCH(int, style);
    QFETCH(int, value);
    QFETCH(int, scale);
    const QImage face = cell(style, value, scale);
    QCOMPARE(countPips(face, scale), value);
    // The face box of value 3 shows only the left 30 columns: no pip may be lost there.
    QCOMPARE(countPips(face.copy(0, 0, 30 * scale, 32 * scale), scale), value);
}

void ArtTest::theFaceBoxOfThreeLosesNothing()
{
    // Pico(2) is 30 pixels wide: the two right columns of every cell must hold only the
    // blue ground and the die's shadow, nothing of the die itself (whose darkest
    // outline, black, and bluest body, the blue style's, both differ from them).
    QFETCH(int, scale);
    const auto ground = [](QRgb p) { return qRed(p) == 0 && qGreen(p) == 0 && qBlue(p) >= 120; };
    for (int c = 1; c <= 6; ++c)
        for (int v = 1; v <= 6; ++v) {
            const QImage face = cell(c, v, scale);
            for (int y = 0; y < face.height(); ++y)
                for (int x = 30 * scale; x < 32 * scale; ++x) {
                    const QRgb p = face.pixel(x, y);
                    QVERIFY2(ground(p),
                             qPrintable(QStringLiteral("style %1 value %2: (%3, %4) is #%5")
                                            .arg(c)
                                            .arg(v)
                                            .arg(x)
                                            .arg(y)
                                            .arg(p, 8, 16, QLatin1Char('0'))));
                }
            // The die's own right outline lies in the 30 columns.
            QVERIFY(!ground(face.pixel(30 * scale - 1, 15 * scale)));
        }
}

void ArtTest::stylesDifferInColour()
{
    std::vector<QRgb> bodies;
    for (int c = 0; c < 6; ++c)
        bodies.push_back(mostCommon(faces().copy(32 * c, 0, 32, 192)));
    for (int a = 0; a < 6; ++a)
        for (int b = a + 1; b < 6; ++b)
            QVERIFY2(distance(bodies[size_t(a)], bodies[size_t(b)]) > 80.0,
                     qPrintable(QStringLiteral("styles %1 and %2").arg(a + 1).arg(b + 1)));
}

void ArtTest::windowIcons_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("intro and set-up") << QStringLiteral(":/images/icon-kolvo.png");
    QTest::newRow("main") << QStringLiteral(":/images/icon-arena.png");
}

void ArtTest::windowIcons()
{
    QFETCH(QString, path);
    const QImage icon(path);
    QCOMPARE(icon.size(), QSize(32, 32));
    QVERIFY(distinctColours(icon) <= 16);
    QVERIFY(icon.colorCount() <= 16);
}

void ArtTest::blankDieHasNoPips()
{
    // The main icon doubles as the die before a turn's first roll: drawn as the faces
    // are, so the dice keep their size and place when the first roll shows a face.
    const QImage blank(QStringLiteral(":/images/icon-arena.png"));
    QVERIFY(opaque(blank));
    QCOMPARE(countPips(blank), 0);
    QCOMPARE(distinctColours(blank.copy(2, 2, 26, 26)), 1);
    const QImage face = cell(1, 2).convertToFormat(QImage::Format_ARGB32);
    const QImage blankArgb = blank.convertToFormat(QImage::Format_ARGB32);
    for (int i = 0; i < 32; ++i) {
        QCOMPARE(blankArgb.pixel(31, i), face.pixel(31, i));
        QCOMPARE(blankArgb.pixel(i, 31), face.pixel(i, 31));
        QCOMPARE(blankArgb.pixel(0, i), face.pixel(0, i));
    }
}

void ArtTest::titleHasTwelveRuleLinesThatFit_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("Swedish") << QStringLiteral(":/images/title.png");
    QTest::newRow("English") << QStringLiteral(":/images/title_en.png");
}

void ArtTest::titleHasTwelveRuleLinesThatFit()
{
    QFETCH(QString, path);
    const QImage title = QImage(path).convertToFormat(QImage::Format_RGB32);
    auto dark = [&](int x, int y) { return qGray(title.pixel(x, y)) < 180; };
    // Text rows right of the divider: twelve separate bands.
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < title.height(); ++y) {
        bool any = false;
        for (int x = 232; x < title.width() && !any; ++x)
            any = dark(x, y);
        bands += any && !inBand;
        inBand = any;
    }
    QCOMPARE(bands, 12);
    // Nothing runs into the right edge, and the ground is white.
    for (int y = 0; y < title.height(); ++y)
        for (int x = 508; x < 512; ++x)
            QCOMPARE(title.pixel(x, y), qRgb(255, 255, 255));
    QCOMPARE(title.pixel(0, 215), qRgb(255, 255, 255));
    // The window's button lies over this corner; the picture leaves it empty.
    for (int y = 160; y < 193; ++y)
        for (int x = 8; x < 81; ++x)
            QVERIFY(!dark(x, y));
}

void ArtTest::programIconIsColourfulDice_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");
    for (int s : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::addRow("desktop %d", s) << QStringLiteral("../assets/icons/kolvo-%1.png").arg(s) << s;
}

void ArtTest::programIconIsColourfulDice()
{
    QFETCH(QString, path);
    QFETCH(int, size);
    const QImage icon = QImage(QFINDTESTDATA(path)).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.size(), QSize(size, size));
    // A red, a blue and a yellow die, each a good part of the picture (not the blank
    // off-white die it used to be), standing free: the bottom corners are clear.
    for (int hue : {355, 222, 47})
        QVERIFY2(shareOfHue(icon, hue) > 0.08,
                 qPrintable(QStringLiteral("hue %1: %2").arg(hue).arg(shareOfHue(icon, hue))));
    QCOMPARE(qAlpha(icon.pixel(0, size - 1)) + qAlpha(icon.pixel(size - 1, size - 1)), 0);
}

void ArtTest::programIconSvg()
{
    // Well-formed, on the 32-unit layout of the pixel icons, three dice showing 5, 3 and 4.
    QFile file(QFINDTESTDATA("../assets/icons/kolvo.svg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QSet<QString> dieFills;
    int pips = 0;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            const QString fill = xml.attributes().value(QStringLiteral("fill")).toString();
            if (xml.name() == u"rect" && fill.startsWith(u"url("))
                dieFills.insert(fill);
            pips += xml.name() == u"circle";
            QVERIFY(xml.name() != u"svg" || xml.attributes().value(QStringLiteral("viewBox")) == u"0 0 32 32");
        }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(dieFills.size(), 3);
    QCOMPARE(pips, 5 + 3 + 4);
}

void ArtTest::heldDieStandsOut_data()
{
    QTest::addColumn<int>("style");
    for (int c = 1; c <= 6; ++c)
        QTest::addRow("style %d", c) << c;
}

void ArtTest::heldDieStandsOut()
{
    // A die on the blue main window, free and then held: the hold border must stand
    // out from the window around it, from the die inside it and from the free die.
    QFETCH(int, style);
    constexpr QRgb kBlue = qRgb(0, 0, 255);
    QWidget window;
    window.setFixedSize(60, 60);
    QPalette blue = window.palette();
    blue.setColor(QPalette::Window, QColor(kBlue));
    window.setPalette(blue);
    window.setAutoFillBackground(true);
    auto* die = new PictureBox(&window);
    die->setBorderStyle(PictureBox::Border::Hold);
    die->setAutoSize(true);
    die->setPicture(cell(style, 5));
    // The free die where the held one's picture will be, so that the band compares
    // the window around a free die with the border around a held one.
    die->move(13, 13);
    const QImage free = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    die->move(10, 10);
    die->setBorder(true);
    const QImage held = window.grab().toImage().convertToFormat(QImage::Format_RGB32);

    // Constant width on every side, the top-left corner kept.
    QCOMPARE(die->borderWidth(), 3);
    QCOMPARE(die->geometry(), QRect(10, 10, 38, 38));
    const QRegion band = contrast::bandAround(QRect(13, 13, 32, 32), 3);

    // Held against free: what surrounds the die, measured as a whole.
    const double change = contrast::ratio(contrast::meanLuminance(held, band), contrast::meanLuminance(free, band));
    QVERIFY2(change >= 4.5, qPrintable(QStringLiteral("held/free contrast %1").arg(change)));
    // The band's bright part against the window, its own dark edge and the die's edge.
    const int k = int(held.devicePixelRatio());
    const QRgb bright = held.pixel(12 * k, 30 * k);
    QVERIFY(contrast::ratio(bright, kBlue) >= 4.5 && contrast::ratio(bright, held.pixel(10 * k, 30 * k)) >= 4.5);
    double least = 21.0;
    contrast::forEachPixel(held, contrast::bandAround(QRect(14, 14, 30, 30), 1),
                           [&](int x, int y) { least = qMin(least, contrast::ratio(bright, held.pixel(x, y))); });
    QVERIFY2(least >= 3.0, qPrintable(QStringLiteral("die edge contrast %1").arg(least)));
}

void ArtTest::finerPicturesAreTheSameDrawing_data()
{
    QTest::addColumn<QString>("path");
    for (const char* path :
         {":/images/faces.png", ":/images/title.png", ":/images/forward.png", ":/images/icon-kolvo.png",
          ":/images/icon-arena.png", ":/images/title_en.png", ":/images/forward_en.png"})
        QTest::newRow(path) << QString::fromLatin1(path);
}

void ArtTest::finerPicturesAreTheSameDrawing()
{
    // Brought down to the design's pixels, the finer picture is the design's: smoothing
    // and hinting shift a stroke by a pixel at most, so each pixel is matched within a
    // pixel of its place, both ways, over 8 x 8 squares, where a misplaced stroke shows.
    QFETCH(QString, path);
    const QImage design = ui::loadPicture(path, 1).convertToFormat(QImage::Format_RGB32);
    for (int scale : {2, 3}) {
        const QImage finer = ui::loadPicture(path, scale)
                                 .convertToFormat(QImage::Format_RGB32)
                                 .scaled(design.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        for (int top = 0; top < design.height(); top += 8)
            for (int left = 0; left < design.width(); left += 8) {
                const QRect square = QRect(left, top, 8, 8) & design.rect();
                double sum = 0;
                for (int y = square.top(); y <= square.bottom(); ++y)
                    for (int x = square.left(); x <= square.right(); ++x)
                        sum += qMax(nearest(design.pixel(x, y), finer, x, y), nearest(finer.pixel(x, y), design, x, y));
                QVERIFY2(sum / (square.width() * square.height()) < 50.0,
                         qPrintable(QStringLiteral("scale %1 at (%2, %3)").arg(scale).arg(left).arg(top)));
            }
    }
}

QTEST_MAIN(ArtTest)
#include "art_test.moc"
