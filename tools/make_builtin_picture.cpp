// Generates the pad's built-in picture, pad/builtin_picture.bmp: an escape-time fractal with two words
// of serif lettering over it, as a 640 x 480 BMP with 8 bits per pixel and a 256-entry colour table.
// The output is deterministic: the fractal is plain arithmetic, the lettering is drawn without
// antialiasing from a font file loaded by path, and the BMP bytes are written here, field by field.
//
// Usage: cmake --build build --target make_builtin_picture && build/tools/make_builtin_picture pad/builtin_picture.bmp
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

// Colour table entries the picture uses.
constexpr uint8_t kBlack = 0;
constexpr uint8_t kDarkBlue = 13;
constexpr uint8_t kFirstBand = 23;  // band k is entry 23 + k
constexpr int kLastBand = 128;      // entry 151
constexpr uint8_t kPureBlue = 252;
constexpr uint8_t kCyan = 254;

using Palette = std::array<QRgb, 256>;
using Indices = std::vector<uint8_t>;  // one entry per pixel, top row first

// Entries 22..245 are a colour cube with seven levels per component; the rest are fixed colours.
Palette makePalette()
{
    Palette palette{};
    const QRgb low[22] = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),     qRgb(0, 128, 0),     qRgb(128, 128, 0),
        qRgb(128, 0, 128),   qRgb(0, 128, 128),   qRgb(192, 192, 192), qRgb(192, 220, 192),
        qRgb(166, 202, 240), qRgb(32, 32, 32),    qRgb(64, 64, 64),    qRgb(96, 96, 96),
        qRgb(128, 0, 64),    qRgb(0, 0, 128),     qRgb(64, 0, 128),    qRgb(0, 64, 128),
        qRgb(128, 64, 0),    qRgb(64, 128, 0),    qRgb(0, 128, 64),    qRgb(224, 224, 224),
        qRgb(240, 240, 240), qRgb(16, 16, 16),
    };
    for (int i = 0; i < 22; ++i) palette[i] = low[i];
    for (int i = 22; i <= 245; ++i) {
        const int n = i - 21;
        palette[i] = qRgb(60 + 32 * (n % 7), 60 + 32 * ((n / 7) % 7), 60 + 32 * (n / 49));
    }
    const QRgb high[10] = {
        qRgb(255, 251, 240), qRgb(160, 160, 164), qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),
        qRgb(255, 255, 0),   qRgb(0, 0, 255),     qRgb(255, 0, 255),   qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    for (int i = 0; i < 10; ++i) palette[246 + i] = high[i];
    return palette;
}

// The Mandelbrot set turned a quarter: the real axis runs down the picture, the imaginary axis to the
// right. The set's main body sits a little left of and below the centre.
constexpr double kCentreRe = -0.895, kCentreIm = 0.077;
constexpr double kStepX = 0.00807, kStepY = 0.00807;
constexpr int kMaxIterations = 1000;
constexpr double kEscapeRadius = 1e6;

// Band of a point that escaped: the smooth escape count, compressed by a fourth root so that the bands
// widen away from the set, then shifted so that the far corners get the first few bands.
constexpr double kBandScale = 60.16, kBandOffset = -56.5;

// The entry for one point: black where the orbit never escapes (or escapes only past the last band).
uint8_t fractalEntry(double re, double im)
{
    double zr = 0, zi = 0;
    for (int n = 0; n < kMaxIterations; ++n) {
        const double t = zr * zr - zi * zi + re;
        zi = 2 * zr * zi + im;
        zr = t;
        const double size2 = zr * zr + zi * zi;
        if (size2 > kEscapeRadius * kEscapeRadius) {
            const double smooth = n + 1 - std::log2(0.5 * std::log(size2));
            const int band = static_cast<int>(std::floor(kBandScale * std::pow(smooth, 0.25) + kBandOffset));
            if (band > kLastBand) return kBlack;
            return static_cast<uint8_t>(kFirstBand + (band < 0 ? 0 : band));
        }
    }
    return kBlack;
}

Indices drawFractal()
{
    Indices pixels(kWidth * kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const double re = kCentreRe + (y + 0.5 - kHeight / 2) * kStepY;
            const double im = kCentreIm + (x + 0.5 - kWidth / 2) * kStepX;
            pixels[y * kWidth + x] = fractalEntry(re, im);
        }
    }
    return pixels;
}

// One word's outline, stretched to fill its box exactly.
QPainterPath wordPath(const QFont& font, const QString& word, const QRectF& box)
{
    QPainterPath path;
    path.addText(0, 0, font, word);
    const QRectF bounds = path.boundingRect();
    QTransform fit;
    fit.translate(box.left(), box.top());
    fit.scale(box.width() / bounds.width(), box.height() / bounds.height());
    fit.translate(-bounds.left(), -bounds.top());
    return fit.map(path);
}

// The pixels a path covers, drawn without antialiasing: nonzero where covered.
QImage coverage(const QPainterPath& path)
{
    QImage mask(kWidth, kHeight, QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(path, Qt::white);
    return mask;
}

void paint(Indices& pixels, const QPainterPath& path, uint8_t entry)
{
    const QImage mask = coverage(path);
    for (int y = 0; y < kHeight; ++y) {
        const uchar* row = mask.constScanLine(y);
        for (int x = 0; x < kWidth; ++x) {
            if (row[x]) pixels[y * kWidth + x] = entry;
        }
    }
}

// Letter shapes: a dark-blue shadow to the lower right, a black outline, a pure blue face and a cyan
// rim where the face meets its upper left edge.
constexpr double kShadowOffset = 1.6, kOutlineWidth = 3.0, kHighlightDepth = 1.2;

void drawLettering(Indices& pixels, const QPainterPath& letters)
{
    QPainterPathStroker stroker;
    stroker.setWidth(kOutlineWidth);
    stroker.setJoinStyle(Qt::MiterJoin);
    const QPainterPath outlined = letters.united(stroker.createStroke(letters));

    paint(pixels, outlined.translated(kShadowOffset, kShadowOffset), kDarkBlue);
    paint(pixels, outlined, kBlack);
    const QPainterPath face = letters.subtracted(stroker.createStroke(letters));
    paint(pixels, face, kPureBlue);
    paint(pixels, face.subtracted(face.translated(kHighlightDepth, kHighlightDepth)), kCyan);
}

QPainterPath letteringPath(const QFont& font)
{
    QPainterPath letters = wordPath(font, "Mouse", QRectF(112, 152, 307, 78));
    letters.addPath(wordPath(font, "Music", QRectF(211, 327, 302, 78)));
    return letters;
}

void put16(QByteArray& out, uint32_t v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

void put32(QByteArray& out, uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// A standard uncompressed BMP: 14-byte file header, 40-byte information header, colour table of
// 256 blue-green-red-zero quads, then the rows from the bottom up (640 bytes each, no padding needed).
QByteArray bmpBytes(const Indices& pixels, const Palette& palette)
{
    constexpr uint32_t kTableBytes = 256 * 4;
    constexpr uint32_t kPixelOffset = 14 + 40 + kTableBytes;
    constexpr uint32_t kImageBytes = kWidth * kHeight;
    QByteArray out;
    out.append("BM");
    put32(out, kPixelOffset + kImageBytes);
    put32(out, 0);  // reserved
    put32(out, kPixelOffset);
    put32(out, 40);
    put32(out, kWidth);
    put32(out, kHeight);  // positive: bottom-up
    put16(out, 1);        // planes
    put16(out, 8);        // bits per pixel
    put32(out, 0);        // uncompressed
    put32(out, kImageBytes);
    put32(out, 3780);  // 96 pixels per inch, in pixels per metre
    put32(out, 3780);
    put32(out, 256);  // colours used
    put32(out, 0);    // all important
    for (const QRgb c : palette) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }
    for (int y = kHeight - 1; y >= 0; --y) out.append(reinterpret_cast<const char*>(&pixels[y * kWidth]), kWidth);
    return out;
}

QFont letteringFont()
{
    const int id = QFontDatabase::addApplicationFont("/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf");
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) return QFont();
    QFont font(families.first());
    font.setBold(true);
    font.setPixelSize(100);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.bmp\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QFont font = letteringFont();
    if (font.family().isEmpty() || QFontInfo(font).family() != font.family()) {
        std::fprintf(stderr, "the serif font file is missing (Debian package fonts-dejavu-core)\n");
        return 1;
    }

    Indices pixels = drawFractal();
    drawLettering(pixels, letteringPath(font));

    QFile file(QString::fromLocal8Bit(argv[1]));
    const QByteArray bytes = bmpBytes(pixels, makePalette());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
