// SPDX-License-Identifier: GPL-3.0-or-later
#include <climits>
#include <QtTest>

#include "ui/RasterCopy.h"

namespace {

constexpr QRgb kUntouched = qRgb(1, 2, 3);

// Every pixel different, so a copy from the wrong place shows.
QImage numberedSource(int w, int h, QImage::Format format = QImage::Format_ARGB32_Premultiplied)
{
    QImage src(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            src.setPixel(x, y, qRgb(x, y, 200));
    return src.convertToFormat(format);
}

QImage blankDest(int w, int h)
{
    QImage dest(w, h, QImage::Format_ARGB32_Premultiplied);
    dest.fill(kUntouched);
    return dest;
}

// What the copy must leave at dest (i, j): the source pixel when both it and the
// target lie in their images and the target lies in the block, else the old pixel.
// Everything in device pixels: the logical block times the ratio.
QRgb expected(const QImage& src, int i, int j, qint64 x, qint64 y, qint64 w, qint64 h, qint64 xSrc, qint64 ySrc)
{
    const qint64 si = i - x + xSrc, sj = j - y + ySrc;
    const bool inBlock = i >= x && j >= y && i < x + w && j < y + h;
    const bool inSrc = si >= 0 && sj >= 0 && si < src.width() && sj < src.height();
    return inBlock && inSrc ? src.pixel(int(si), int(sj)) : kUntouched;
}

} // namespace

class RasterCopyTest : public QObject {
    Q_OBJECT
private slots:
    void clipping_data();
    void clipping();
    void indexedSource();
    void indexedDestinationKeepsItsPalette();
    void refusedOperations_data();
    void refusedOperations();
    void copyWithinOneImage();
};

void RasterCopyTest::clipping_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("xSrc");
    QTest::addColumn<int>("ySrc");
    QTest::addColumn<int>("ratio"); // device pixels per logical pixel of both images
    // Destination 10 x 8, source 12 x 9, in logical pixels.
    QTest::newRow("inside") << 2 << 1 << 4 << 3 << 5 << 4 << 1;
    QTest::newRow("past the right edge") << 7 << 0 << 6 << 2 << 0 << 0 << 1;
    QTest::newRow("past the bottom edge") << 0 << 6 << 3 << 5 << 1 << 1 << 1;
    QTest::newRow("left of the left edge") << -3 << 2 << 6 << 2 << 0 << 0 << 1;
    QTest::newRow("above the top edge") << 1 << -4 << 3 << 7 << 2 << 0 << 1;
    QTest::newRow("negative source x") << 2 << 2 << 5 << 3 << -2 << 0 << 1;
    QTest::newRow("negative source y") << 0 << 0 << 4 << 5 << 3 << -3 << 1;
    QTest::newRow("past the source's right edge") << 0 << 0 << 10 << 3 << 8 << 0 << 1;
    QTest::newRow("past the source's bottom edge") << 0 << 0 << 3 << 8 << 0 << 6 << 1;
    QTest::newRow("larger than both") << -1 << -1 << 40 << 40 << 0 << 0 << 1;
    QTest::newRow("outer size of a face box") << 0 << 0 << 34 << 34 << 0 << 0 << 1;
    QTest::newRow("wholly outside the destination") << 10 << 0 << 5 << 5 << 0 << 0 << 1;
    QTest::newRow("wholly outside the source") << 0 << 0 << 5 << 5 << 12 << 0 << 1;
    QTest::newRow("zero width") << 1 << 1 << 0 << 4 << 0 << 0 << 1;
    QTest::newRow("negative height") << 1 << 1 << 4 << -3 << 0 << 0 << 1;
    // Regression: with int arithmetic x + width wrapped and copied into the image.
    QTest::newRow("extents near the int limits") << INT_MAX - 2 << 0 << INT_MAX << 4 << INT_MIN << 0 << 1;
    QTest::newRow("offset far left, huge width") << INT_MIN + 1 << 0 << INT_MAX << 3 << 0 << 0 << 1;
    // High-density pictures: every logical pixel is ratio x ratio device pixels.
    QTest::newRow("inside, twice the pixels") << 2 << 1 << 4 << 3 << 5 << 4 << 2;
    QTest::newRow("outer size of a face box, twice the pixels") << 0 << 0 << 34 << 34 << 0 << 0 << 2;
    QTest::newRow("past the right edge, twice the pixels") << 7 << 0 << 6 << 2 << 0 << 0 << 2;
    QTest::newRow("negative source x, three times the pixels") << 2 << 2 << 5 << 3 << -2 << 0 << 3;
    QTest::newRow("extents near the int limits, twice the pixels")
        << INT_MAX - 2 << 0 << INT_MAX << 4 << INT_MIN << 0 << 2;
}

void RasterCopyTest::clipping()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(int, xSrc);
    QFETCH(int, ySrc);
    QFETCH(int, ratio);
    QImage src = numberedSource(12 * ratio, 9 * ratio);
    QImage dest = blankDest(10 * ratio, 8 * ratio);
    src.setDevicePixelRatio(ratio);
    dest.setDevicePixelRatio(ratio);

    QVERIFY(BitBlt(dest, x, y, w, h, src, xSrc, ySrc, SRCCOPY));

    const qint64 r = ratio;
    for (int j = 0; j < dest.height(); ++j)
        for (int i = 0; i < dest.width(); ++i)
            QCOMPARE(dest.pixel(i, j), expected(src, i, j, r * x, r * y, r * w, r * h, r * xSrc, r * ySrc));
}

void RasterCopyTest::indexedSource()
{
    // The face sheet arrives as an 8-bit palette picture.
    QImage src(4, 3, QImage::Format_Indexed8);
    src.setColorTable({qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(0, 0, 255), qRgb(250, 250, 250)});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            src.setPixel(x, y, uint((x + y) % 4));
    QImage dest = blankDest(3, 3);

    QVERIFY(BitBlt(dest, 1, 0, 5, 5, src, 1, 1, SRCCOPY));

    for (int j = 0; j < 3; ++j) {
        QCOMPARE(dest.pixel(0, j), kUntouched);
        for (int i = 1; i < 3; ++i) {
            const bool inSrc = j + 1 < 3;
            QCOMPARE(dest.pixel(i, j), inSrc ? src.pixel(i, j + 1) : kUntouched);
        }
    }
    QCOMPARE(dest.format(), QImage::Format_ARGB32_Premultiplied);
}

void RasterCopyTest::indexedDestinationKeepsItsPalette()
{
    const QList<QRgb> palette = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(200, 0, 0)};
    QImage dest(4, 1, QImage::Format_Indexed8);
    dest.setColorTable(palette);
    dest.fill(0);
    QImage src(2, 1, QImage::Format_RGB32);
    src.setPixel(0, 0, qRgb(200, 0, 0));
    src.setPixel(1, 0, qRgb(255, 255, 255));

    QVERIFY(BitBlt(dest, 1, 0, 2, 1, src, 0, 0, SRCCOPY));

    QCOMPARE(dest.colorTable(), palette);
    QCOMPARE(dest.pixelIndex(0, 0), 0);
    QCOMPARE(dest.pixelIndex(1, 0), 2);
    QCOMPARE(dest.pixelIndex(2, 0), 1);
    QCOMPARE(dest.pixelIndex(3, 0), 0);
}

void RasterCopyTest::refusedOperations_data()
{
    QTest::addColumn<quint32>("rop");
    QTest::addColumn<bool>("nullDest");
    QTest::addColumn<bool>("nullSrc");
    QTest::addColumn<bool>("monoDest");
    QTest::addColumn<int>("srcRatio");
    QTest::newRow("SRCPAINT") << quint32(0x00EE0086) << false << false << false << 1;
    QTest::newRow("SRCAND") << quint32(0x008800C6) << false << false << false << 1;
    QTest::newRow("BLACKNESS") << quint32(0x00000042) << false << false << false << 1;
    QTest::newRow("zero") << quint32(0) << false << false << false << 1;
    QTest::newRow("null destination") << SRCCOPY << true << false << false << 1;
    QTest::newRow("null source") << SRCCOPY << false << true << false << 1;
    QTest::newRow("one-bit destination") << SRCCOPY << false << false << true << 1;
    // The copy would have to resample: a raster copy never does.
    QTest::newRow("source of another pixel density") << SRCCOPY << false << false << false << 2;
}

void RasterCopyTest::refusedOperations()
{
    QFETCH(quint32, rop);
    QFETCH(bool, nullDest);
    QFETCH(bool, nullSrc);
    QFETCH(bool, monoDest);
    QFETCH(int, srcRatio);
    QImage src = nullSrc ? QImage() : numberedSource(6, 6);
    if (!src.isNull())
        src.setDevicePixelRatio(srcRatio);
    QImage dest = nullDest ? QImage() : blankDest(6, 6);
    if (monoDest) {
        dest = QImage(6, 6, QImage::Format_Mono);
        dest.fill(0);
    }
    const QImage before = dest;

    QVERIFY(!BitBlt(dest, 0, 0, 6, 6, src, 0, 0, rop));

    QCOMPARE(dest, before);
}

void RasterCopyTest::copyWithinOneImage()
{
    // Overlapping source and target: the copy must read the pixels as they were.
    QImage image = numberedSource(8, 4);
    const QImage before = image;

    QVERIFY(BitBlt(image, 1, 0, 8, 4, image, 0, 0, SRCCOPY));

    for (int y = 0; y < 4; ++y) {
        QCOMPARE(image.pixel(0, y), before.pixel(0, y));
        for (int x = 1; x < 8; ++x)
            QCOMPARE(image.pixel(x, y), before.pixel(x - 1, y));
    }
}

QTEST_GUILESS_MAIN(RasterCopyTest)
#include "rastercopy_test.moc"
