#include <QHash>
#include <QSet>
#include <QtTest>
#include <cmath>
#include <vector>

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

// Pips are the spots inside the die's edge (pixels 2..29 of a 32-pixel cell, or of as
// many columns as the picture has) whose colour stands clearly apart from the body,
// counted as 8-connected groups.
int countPips(const QImage& cell)
{
    const QRgb body = mostCommon(cell);
    const int right = qMin(cell.width() - 1, 29);
    const int w = cell.width(), h = cell.height();
    std::vector<char> spot(size_t(w * h), 0);
    for (int y = 2; y <= 29; ++y)
        for (int x = 2; x <= right; ++x)
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

const QImage& faces()
{
    static const QImage sheet(QStringLiteral(":/images/faces.png"));
    return sheet;
}

} // namespace

class ArtTest : public QObject {
    Q_OBJECT
private slots:
    void picturesInTheResources_data();
    void picturesInTheResources();
    void faceSheetFormat();
    void everyCellIsAnOpaqueDie();
    void pipsCountTheFaceValue_data();
    void pipsCountTheFaceValue();
    void stylesDifferInColour();
    void windowIcons_data();
    void windowIcons();
    void blankDieHasNoPips();
    void titleHasTwelveRuleLinesThatFit();
    void desktopIcons_data();
    void desktopIcons();
};

void ArtTest::picturesInTheResources_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("face sheet") << QStringLiteral(":/images/faces.png") << QSize(192, 192);
    QTest::newRow("title") << QStringLiteral(":/images/title.png") << QSize(512, 216);
    QTest::newRow("forward") << QStringLiteral(":/images/forward.png") << QSize(73, 20);
    QTest::newRow("intro icon") << QStringLiteral(":/images/icon-intro.png") << QSize(32, 32);
    QTest::newRow("set-up icon") << QStringLiteral(":/images/icon-rul.png") << QSize(32, 32);
    QTest::newRow("main icon") << QStringLiteral(":/images/icon-arena.png") << QSize(32, 32);
}

void ArtTest::picturesInTheResources()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path)); // compiled into the library this test links
    QCOMPARE(image.size(), size);
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
    QVERIFY(opaque(faces()));
    // No cell is blank: each has its edge and body.
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 6; ++r)
            QVERIFY(distinctColours(faces().copy(32 * c, 32 * r, 32, 32)) >= 3);
}

void ArtTest::pipsCountTheFaceValue_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("value");
    for (int c = 1; c <= 6; ++c)
        for (int v = 1; v <= 6; ++v)
            QTest::addRow("style %d, value %d", c, v) << c << v;
}

void ArtTest::pipsCountTheFaceValue()
{
    QFETCH(int, style);
    QFETCH(int, value);
    const QImage cell = faces().copy(32 * (style - 1), 32 * (value - 1), 32, 32);
    QCOMPARE(countPips(cell), value);
    // The face boxes of value 3 show only the left 30 columns: no pip may be lost there.
    QCOMPARE(countPips(cell.copy(0, 0, 30, 32)), value);
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
    QTest::newRow("intro") << QStringLiteral(":/images/icon-intro.png");
    QTest::newRow("set-up") << QStringLiteral(":/images/icon-rul.png");
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
    // The main icon doubles as the die before a turn's first roll.
    const QImage blank(QStringLiteral(":/images/icon-arena.png"));
    QVERIFY(opaque(blank));
    QCOMPARE(countPips(blank), 0);
    QCOMPARE(distinctColours(blank.copy(2, 2, 28, 28)), 1);
}

void ArtTest::titleHasTwelveRuleLinesThatFit()
{
    const QImage title = QImage(QStringLiteral(":/images/title.png")).convertToFormat(QImage::Format_RGB32);
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

void ArtTest::desktopIcons_data()
{
    QTest::addColumn<int>("size");
    for (int s : {48, 64, 128, 256})
        QTest::addRow("%d", s) << s;
}

void ArtTest::desktopIcons()
{
    QFETCH(int, size);
    const QString path = QFINDTESTDATA(QStringLiteral("../assets/icons/kolvo-%1.png").arg(size));
    QVERIFY(!path.isEmpty());
    const QImage icon(path);
    QCOMPARE(icon.size(), QSize(size, size));
    // The blank die's face fills the middle.
    const QRgb middle = icon.pixel(size / 2, size / 2);
    QCOMPARE(qAlpha(middle), 255);
    QCOMPARE(middle, QImage(QStringLiteral(":/images/icon-arena.png")).pixel(16, 16));
}

QTEST_GUILESS_MAIN(ArtTest)
#include "art_test.moc"
