// The embedded built-in picture: its file layout, colour table and the areas of its colours.
#include "pad/builtin_picture.h"
#include "pad/pad_image.h"

#include <QFile>
#include <QImage>
#include <QResource>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <utility>

namespace {

uint32_t le(const QByteArray& bytes, int at, int size)
{
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | uint8_t(bytes[at + i]);
    return value;
}

QByteArray embeddedBytes()
{
    BuiltinPicture();  // registers the resource
    QFile file(":/pad/builtin_picture.bmp");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Pixels per colour table entry.
std::array<int, 256> entryCounts(const QImage& picture)
{
    std::array<int, 256> counts{};
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) ++counts[picture.constScanLine(y)[x]];
    }
    return counts;
}

double percent(int pixels)
{
    return 100.0 * pixels / (640 * 480);
}

} // namespace

TEST(BuiltinPicture, IsAnUncompressedBottomUp8BitBmpOf640By480ReadAsQtReadsIt)
{
    const QByteArray bytes = embeddedBytes();
    ASSERT_EQ(bytes.size(), 308278);
    EXPECT_TRUE(bytes.startsWith("BM"));
    EXPECT_EQ(le(bytes, 2, 4), 308278u);
    EXPECT_EQ(le(bytes, 10, 4), 14u + 40u + 1024u);
    EXPECT_EQ(le(bytes, 14, 4), 40u);
    EXPECT_EQ(int32_t(le(bytes, 18, 4)), 640);
    EXPECT_EQ(int32_t(le(bytes, 22, 4)), 480);  // positive: rows bottom-up
    EXPECT_EQ(le(bytes, 26, 2), 1u);
    EXPECT_EQ(le(bytes, 28, 2), 8u);
    EXPECT_EQ(le(bytes, 30, 4), 0u);
    const uint32_t used = le(bytes, 46, 4);
    EXPECT_TRUE(used == 0 || used == 256);
    // Stored as it is, and read into the same picture that Qt's own reader makes of it.
    EXPECT_EQ(QResource(":/pad/builtin_picture.bmp").compressionAlgorithm(), QResource::NoCompression);
    EXPECT_EQ(BuiltinPicture(), QImage::fromData(bytes, "BMP"));
}

TEST(BuiltinPicture, ColourTableHoldsTheCubeAndTheFixedColours)
{
    const QImage picture = BuiltinPicture();
    ASSERT_EQ(picture.format(), QImage::Format_Indexed8);
    ASSERT_EQ(picture.colorCount(), 256);
    // The cube's first and last entries, and the entries where green and blue step up.
    const std::pair<int, QRgb> entries[] = {
        {0, qRgb(0, 0, 0)},       {13, qRgb(0, 0, 128)},      {22, qRgb(92, 60, 60)},
        {27, qRgb(252, 60, 60)},  {28, qRgb(60, 92, 60)},     {69, qRgb(252, 252, 60)},
        {70, qRgb(60, 60, 92)},   {151, qRgb(188, 188, 124)},  {245, qRgb(60, 188, 188)},
        {252, qRgb(0, 0, 255)},   {254, qRgb(0, 255, 255)},
    };
    for (const auto& [entry, colour] : entries) EXPECT_EQ(picture.color(entry), colour) << entry;
}

TEST(BuiltinPicture, PadImageStartsWithIt)
{
    TPadImage image;
    EXPECT_EQ(image.Picture().kind, TGraphicKind::Bitmap);
    EXPECT_EQ(image.Picture().image, BuiltinPicture());
    EXPECT_TRUE(image.ImageFileName().isEmpty());
}

TEST(BuiltinPicture, ColourAreasHaveTheirShares)
{
    const std::array<int, 256> counts = entryCounts(BuiltinPicture());
    int bands = 0, innermost = 0;
    std::array<int, 7> green{};
    for (int i = 23; i <= 151; ++i) {
        bands += counts[i];
        green[(i - 21) / 7 % 7] += counts[i];
        if (i - 21 >= 49) innermost += counts[i];
    }
    EXPECT_NEAR(percent(bands), 86, 2);
    EXPECT_NEAR(percent(counts[0]), 9, 2);
    EXPECT_NEAR(percent(counts[252]), 3.9, 1);
    EXPECT_NEAR(percent(counts[13]), 0.6, 0.5);
    EXPECT_NEAR(percent(counts[254]), 0.6, 0.5);
    EXPECT_LT(percent(innermost), 4);
    const std::array<double, 7> greenShares{14.5, 33, 19, 9, 5, 3, 2};
    for (int level = 0; level < 7; ++level) EXPECT_NEAR(percent(green[level]), greenShares[level], 2.5) << level;
    // Nothing but the bands, black and the three lettering colours.
    EXPECT_EQ(bands + counts[0] + counts[252] + counts[13] + counts[254], 640 * 480);
}

TEST(BuiltinPicture, EdgesUseOnlyTheOuterBandsAndTheBlackRegionSitsWhereExpected)
{
    const QImage picture = BuiltinPicture();
    for (int x = 0; x < 640; ++x) {
        for (int y : {0, 479}) {
            const int entry = picture.constScanLine(y)[x];
            EXPECT_TRUE(entry >= 23 && entry <= 77) << x << "," << y;
        }
    }
    for (int y = 0; y < 480; ++y) {
        for (int x : {0, 639}) {
            const int entry = picture.constScanLine(y)[x];
            EXPECT_TRUE(entry >= 23 && entry <= 77) << x << "," << y;
        }
    }
    // The fractal's solid centre and a band well outside it.
    EXPECT_EQ(picture.constScanLine(300)[300], 0);
    EXPECT_GE(picture.constScanLine(40)[60], 23);
}
