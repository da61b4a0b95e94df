// SampleColour: pad points to picture pixels, the colour value's layout, reads past the picture,
// pictures that are not bitmaps, and the one-pixel read on a very large picture.
#include "pad/pad_image.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/picture_files.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// Each pixel tells where it is: red = x % 256, green = y % 256, blue = x / 256 * 16 + y / 256.
QImage positionImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x % 256, y % 256, x / 256 * 16 + y / 256));
    }
    return image;
}

uint32_t valueAt(int x, int y)
{
    return uint32_t(x % 256) | uint32_t(y % 256) << 8 | uint32_t(x / 256 * 16 + y / 256) << 16;
}

class SampleColour : public testing::Test {
protected:
    // Loads `bytes` as the picture file `name`.
    void load(const QString& name, const QByteArray& bytes) { image.SetImageFile(folder.write(name, bytes)); }

    PictureFolder folder;
    TPadImage image;
};

} // namespace

TEST_F(SampleColour, MapsPadPointsOntoPicturePixelsRoundingHalfUp)
{
    load("position.bmp", bmpBytes(positionImage(640, 480)));
    EXPECT_EQ(image.SampleColour(0, 0, 400, 399), valueAt(0, 0));
    EXPECT_EQ(image.SampleColour(399, 398, 400, 399), valueAt(638, 479));
    EXPECT_EQ(image.SampleColour(200, 200, 400, 399), valueAt(320, 241));
    EXPECT_EQ(image.SampleColour(1, 1, 400, 399), valueAt(2, 1));  // 1.6 and 1.2 round to 2 and 1
}

TEST_F(SampleColour, PointsAtOrPastThePadEdgeReadOnePastThePicture)
{
    load("position.bmp", bmpBytes(positionImage(640, 480)));
    EXPECT_EQ(image.SampleColour(400, 10, 400, 399), kInvalidColour);   // column 640
    EXPECT_EQ(image.SampleColour(-20, 500, 400, 399), kInvalidColour);  // clamped to (0, 399): row 480
    EXPECT_EQ(image.SampleColour(-20, -7, 400, 399), valueAt(0, 0));    // clamped to (0, 0)
    EXPECT_EQ(image.SampleColour(INT32_MIN, INT32_MAX, 400, 399), kInvalidColour);
}

TEST_F(SampleColour, HalfAPixelIsRoundedUpAndTheLastHalfLeavesThePicture)
{
    load("narrow.bmp", bmpBytes(positionImage(100, 1)));
    EXPECT_EQ(image.SampleColour(1, 0, 400, 1), valueAt(0, 0));
    EXPECT_EQ(image.SampleColour(2, 0, 400, 1), valueAt(1, 0));
    EXPECT_EQ(image.SampleColour(397, 0, 400, 1), valueAt(99, 0));
    EXPECT_EQ(image.SampleColour(398, 0, 400, 1), kInvalidColour);
}

TEST_F(SampleColour, LargePadsAndPicturesDoNotOverflowTheScaling)
{
    load("wide.bmp", bmpBytes(positionImage(3000, 1)));
    // 1073741823 * 3000 needs a 64-bit product.
    EXPECT_EQ(image.SampleColour(1073741823, 0, 2147483647, 1), valueAt(1500, 0));
}

TEST_F(SampleColour, ZeroSizedPadReadsNothing)
{
    EXPECT_EQ(image.SampleColour(0, 0, 0, 399), kInvalidColour);
    EXPECT_EQ(image.SampleColour(0, 0, 400, 0), kInvalidColour);
}

TEST_F(SampleColour, ValueHoldsRedGreenBlueInTheLowThreeBytes)
{
    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(qRgb(188, 60, 60));
    load("one.bmp", bmpBytes(one));
    EXPECT_EQ(image.SampleColour(0, 0, 400, 399), 188u + 60u * 256u + 60u * 65536u);
}

TEST_F(SampleColour, IndexedPixelsReadTheirColourTableEntry)
{
    load("indexed.bmp", bmpBytes(indexedImage(16, 16, 200)));
    ASSERT_EQ(image.Picture().image.format(), QImage::Format_Indexed8);
    // Pixel (5, 3) holds index 8: colour (8, 16, 24).
    EXPECT_EQ(image.SampleColour(5, 3, 16, 16), 8u | 16u << 8 | 24u << 16);
}

TEST_F(SampleColour, BuiltInPictureReadsTheCubeColourOfItsCorner)
{
    const QImage& picture = image.Picture().image;
    const QRgb corner = picture.color(picture.constScanLine(0)[0]);
    EXPECT_EQ(image.SampleColour(0, 0, 400, 399), uint32_t(qRed(corner)) | uint32_t(qGreen(corner)) << 8 | uint32_t(qBlue(corner)) << 16);
}

TEST_F(SampleColour, AnIconIsReplacedByAnEmptyBitmapAtTheFirstSample)
{
    load("icon.ico", iconBytes(16, qRgba(10, 20, 30, 255)));
    ASSERT_EQ(image.Picture().kind, TGraphicKind::Icon);
    int changes = 0;
    QObject::connect(&image, &TPadImage::PictureChanged, [&] { ++changes; });
    EXPECT_EQ(image.SampleColour(0, 0, 16, 16), kInvalidColour);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(image.Picture().kind, TGraphicKind::Bitmap);
    EXPECT_EQ(image.Picture().width(), 0);
    EXPECT_EQ(image.SampleColour(0, 0, 16, 16), kInvalidColour);
    EXPECT_EQ(changes, 1);
}

TEST_F(SampleColour, AMetafileIsReplacedByAnEmptyBitmapAtTheFirstSample)
{
    load("blank.wmf", placeableWmfBytes(0, 0, 1440, 720, 1440));
    ASSERT_EQ(image.Picture().kind, TGraphicKind::Metafile);
    EXPECT_EQ(image.Picture().width(), 96);
    EXPECT_EQ(image.Picture().height(), 48);
    EXPECT_EQ(image.SampleColour(10, 10, 400, 399), kInvalidColour);
    EXPECT_EQ(image.Picture().kind, TGraphicKind::Bitmap);
    EXPECT_EQ(image.Picture().height(), 0);
}

TEST_F(SampleColour, ReadsOnePixelWithoutAllocating)
{
    load("position.bmp", bmpBytes(positionImage(64, 48)));
    uint32_t sum = 0;
    AllocationScope scope;
    for (int i = 0; i < 1000; ++i) sum += image.SampleColour(i % 400, i % 399, 400, 399);
    EXPECT_EQ(scope.count(), 0u);
    EXPECT_NE(sum, 0u);
}

TEST_F(SampleColour, VeryLargePictureLoadsAndSamples)
{
    QImage large(8000, 8000, QImage::Format_Indexed8);
    large.setColorCount(3);
    large.setColor(0, qRgb(1, 2, 3));
    large.setColor(1, qRgb(200, 100, 50));
    large.setColor(2, qRgb(7, 8, 9));
    large.fill(0);
    large.scanLine(7999)[7999] = 1;
    large.scanLine(4000)[0] = 2;
    load("large.bmp", bmpBytes(large));
    large = QImage();
    ASSERT_EQ(image.Picture().width(), 8000);
    EXPECT_EQ(image.SampleColour(7999, 7999, 8000, 8000), 200u | 100u << 8 | 50u << 16);
    EXPECT_EQ(image.SampleColour(0, 200, 400, 400), 7u | 8u << 8 | 9u << 16);  // row 4000
    EXPECT_EQ(image.SampleColour(10, 10, 400, 400), 1u | 2u << 8 | 3u << 16);
}
