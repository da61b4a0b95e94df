// SetImageFile: the exact-name no-op, missing and empty names, kinds by extension, the picture
// errors, and broken files that must leave picture, name and shown name as they were.
#include "pad/pad_image.h"
#include "pad/picture.h"
#include "tests/support/picture_files.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

class SetImageFile : public testing::Test {
protected:
    SetImageFile()
    {
        QObject::connect(&image, &TPadImage::ImageFileNameShown, [this](const QString& name) { shown = name; });
        QObject::connect(&image, &TPadImage::PictureChanged, [this] { ++changes; });
    }

    // The message of the picture error that loading `name` raises, or nothing.
    std::optional<std::string> errorOf(const QString& name)
    {
        try {
            image.SetImageFile(name);
        } catch (const EPictureError& error) {
            return error.message();
        }
        return std::nullopt;
    }

    QString goodBitmap() { return folder.write("good.bmp", bmpBytes(indexedImage(8, 4, 16))); }

    PictureFolder folder;
    TPadImage image;
    std::optional<QString> shown;  // last name the edit was given
    int changes = 0;
};

QByteArray withByte(QByteArray bytes, qsizetype at, char value)
{
    bytes[at] = value;
    return bytes;
}

QByteArray with32(QByteArray bytes, qsizetype at, uint32_t value)
{
    putLe32(bytes, at, value);
    return bytes;
}

} // namespace

TEST_F(SetImageFile, LoadsABitmapAndShowsItsName)
{
    const QString name = goodBitmap();
    image.SetImageFile(name);
    EXPECT_EQ(image.ImageFileName(), name);
    EXPECT_EQ(shown, name);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(image.Picture().kind, TGraphicKind::Bitmap);
    EXPECT_EQ(image.Picture().width(), 8);
    EXPECT_EQ(image.Picture().image.colorCount(), 16);  // the file's colour table is kept
}

TEST_F(SetImageFile, TheCurrentNameDoesNothingEvenWhenTheFileHasGone)
{
    const QString name = goodBitmap();
    image.SetImageFile(name);
    QFile::remove(name);
    shown.reset();
    image.SetImageFile(name);
    EXPECT_EQ(image.ImageFileName(), name);
    EXPECT_FALSE(shown);
    EXPECT_EQ(changes, 1);
}

TEST_F(SetImageFile, ANameDifferingOnlyInCaseIsANewName)
{
    const QString name = goodBitmap();
    image.SetImageFile(name);
    image.SetImageFile(name.toUpper());  // no such file here: the name is cleared
    EXPECT_EQ(image.ImageFileName(), QString());
}

TEST_F(SetImageFile, AMissingFileClearsTheNameAndKeepsThePicture)
{
    const QImage builtIn = image.Picture().image;
    image.SetImageFile(folder.path("missing.bmp"));
    EXPECT_EQ(image.ImageFileName(), QString());
    EXPECT_EQ(shown, QString());
    EXPECT_EQ(image.Picture().image, builtIn);
    EXPECT_EQ(changes, 0);
}

TEST_F(SetImageFile, AFolderIsNotAFile)
{
    QDir(folder.path("")).mkdir("pictures.bmp");
    EXPECT_EQ(errorOf(folder.path("pictures.bmp")), std::nullopt);
    EXPECT_EQ(image.ImageFileName(), QString());
}

TEST_F(SetImageFile, AnEmptyNameClearsTheNameAndKeepsTheLoadedPicture)
{
    image.SetImageFile(goodBitmap());
    image.SetImageFile("");
    EXPECT_EQ(image.ImageFileName(), QString());
    EXPECT_EQ(shown, QString());
    EXPECT_EQ(image.Picture().width(), 8);
}

TEST_F(SetImageFile, KindFollowsTheExtensionInAnyCase)
{
    image.SetImageFile(folder.write("upper.BMP", bmpBytes(indexedImage(3, 3, 4))));
    EXPECT_EQ(image.Picture().kind, TGraphicKind::Bitmap);
    image.SetImageFile(folder.write("icon.Ico", iconBytes(32, qRgba(1, 2, 3, 255))));
    EXPECT_EQ(image.Picture().kind, TGraphicKind::Icon);
    EXPECT_EQ(image.Picture().width(), 32);
    image.SetImageFile(folder.write("drawing.EMF", emfBytes(0, 0, 2540, 5080)));
    EXPECT_EQ(image.Picture().kind, TGraphicKind::Metafile);
    EXPECT_EQ(image.Picture().width(), 96);
    EXPECT_EQ(image.Picture().height(), 192);
    image.SetImageFile(folder.write("plain.wmf", standardWmfBytes()));
    EXPECT_EQ(image.Picture().kind, TGraphicKind::Metafile);
    EXPECT_EQ(changes, 4);
}

TEST_F(SetImageFile, UnknownExtensionNamesTheExtension)
{
    EXPECT_EQ(errorOf(folder.write("notes.txt", "hello")), "Unknown picture file extension (.txt)");
    EXPECT_EQ(errorOf(folder.write("picture.Png", "x")), "Unknown picture file extension (.Png)");
    EXPECT_EQ(errorOf(folder.write("noextension", "x")), "Unknown picture file extension (.)");
}

// A broken file raises its kind's error; picture, name and shown name stay as they were.
TEST_F(SetImageFile, BrokenFilesLeaveEverythingAsItWas)
{
    const QString good = goodBitmap();
    image.SetImageFile(good);
    const QImage loaded = image.Picture().image;
    shown.reset();

    const QByteArray bmp = bmpBytes(indexedImage(40, 30, 256));
    const QByteArray rgb = bmpBytes(QImage(40, 30, QImage::Format_RGB32));
    const QByteArray icon = iconBytes(16, qRgba(9, 9, 9, 255));
    const QByteArray wmf = placeableWmfBytes(0, 0, 100, 100, 1440);
    const QByteArray emf = emfBytes(0, 0, 100, 100);
    const struct {
        const char* name;
        QByteArray bytes;
        const char* error;
    } broken[] = {
        {"empty.bmp", "", "Bitmap image is not valid"},
        {"garbage.bmp", QByteArray(5000, 'q'), "Bitmap image is not valid"},
        {"header-only.bmp", bmp.left(54), "Bitmap image is not valid"},
        {"truncated-table.bmp", bmp.left(600), "Bitmap image is not valid"},
        {"truncated-rows.bmp", bmp.left(bmp.size() - 1), "Bitmap image is not valid"},
        {"truncated-rgb.bmp", rgb.left(rgb.size() / 2), "Bitmap image is not valid"},
        {"zero-width.bmp", with32(bmp, 18, 0), "Bitmap image is not valid"},
        {"zero-height.bmp", with32(bmp, 22, 0), "Bitmap image is not valid"},
        {"huge.bmp", with32(with32(bmp, 18, 0x7FFFFFFF), 22, 0x7FFFFFFF), "Bitmap image is not valid"},
        {"huge-rle.bmp", with32(with32(with32(bmp, 30, 1), 18, 200000), 22, 200000), "Bitmap image is not valid"},
        {"bad-depth.bmp", with32(bmp, 28, 7), "Bitmap image is not valid"},
        {"offset-past-end.bmp", with32(bmp, 10, 0x7FFFFFF0), "Bitmap image is not valid"},
        {"bad-header-size.bmp", with32(bmp, 14, 20), "Bitmap image is not valid"},
        {"empty.ico", "", "Icon image is not valid"},
        {"garbage.ico", QByteArray(300, char(0xEE)), "Icon image is not valid"},
        {"cursor.ico", withByte(icon, 2, 2), "Icon image is not valid"},
        {"no-images.ico", withByte(icon, 4, 0), "Icon image is not valid"},
        {"truncated.ico", icon.left(icon.size() - 10), "Icon image is not valid"},
        {"image-outside.ico", with32(icon, 18, 1 << 20), "Icon image is not valid"},
        {"garbage-image.ico", icon.left(22) + QByteArray(icon.size() - 22, char(0x55)), "Icon image is not valid"},
        {"empty.wmf", "", "Metafile is not valid"},
        {"garbage.wmf", QByteArray(100, 'w'), "Metafile is not valid"},
        {"bad-checksum.wmf", withByte(wmf, 20, char(wmf[20] ^ 1)), "Metafile is not valid"},
        {"zero-inch.wmf", withByte(withByte(wmf, 14, 0), 15, 0), "Metafile is not valid"},
        {"truncated.wmf", wmf.left(30), "Metafile is not valid"},
        {"bad-version.wmf", withByte(standardWmfBytes(), 5, 2), "Metafile is not valid"},
        {"no-signature.emf", withByte(emf, 40, 'X'), "Metafile is not valid"},
        {"short-record.emf", with32(emf, 4, 40), "Metafile is not valid"},
        {"truncated.emf", emf.left(60), "Metafile is not valid"},
        {"backwards.emf", emfBytes(100, 0, 0, 100), "Metafile is not valid"},
    };
    for (const auto& file : broken) {
        EXPECT_EQ(errorOf(folder.write(file.name, file.bytes)), file.error) << file.name;
        EXPECT_EQ(image.ImageFileName(), good) << file.name;
        EXPECT_EQ(image.Picture().image, loaded) << file.name;
    }
    EXPECT_FALSE(shown);
    EXPECT_EQ(changes, 1);
}

// Large files are judged by their header and size: refused, or read only as far as the picture goes.
TEST_F(SetImageFile, LargeFilesAreJudgedByTheirHeaderAndSize)
{
    const QByteArray bmp = bmpBytes(indexedImage(8, 4, 16));
    const qint64 pixelOffset = qFromLittleEndian<quint32>(bmp.constData() + 10);
    const qint64 gib = qint64{1} << 30;
    // A file of `size` bytes (the rest sparse zeros) that starts with `start`.
    const auto sparse = [&](const QString& name, const QByteArray& start, qint64 size) {
        const QString path = folder.write(name, start);
        QFile(path).resize(size);
        return path;
    };
    EXPECT_EQ(errorOf(sparse("zeros.bmp", "", gib)), "Bitmap image is not valid");
    EXPECT_EQ(errorOf(sparse("too-large.bmp", with32(with32(bmp, 18, 40000), 22, 40000), pixelOffset + 1600000000)),
              "Bitmap image is not valid");
    EXPECT_EQ(errorOf(sparse("zeros.ico", iconBytes(16, qRgba(1, 2, 3, 255)).left(6), gib)), "Icon image is not valid");

    EXPECT_EQ(errorOf(sparse("tail.bmp", bmp, gib)), std::nullopt);
    EXPECT_EQ(image.Picture().image.size(), QSize(8, 4));
    EXPECT_EQ(errorOf(sparse("large.bmp", with32(with32(bmp, 18, 4096), 22, 4096), pixelOffset + 4096 * 4096)),
              std::nullopt);
    EXPECT_EQ(image.Picture().image.size(), QSize(4096, 4096));
    EXPECT_EQ(errorOf(sparse("tail.wmf", placeableWmfBytes(0, 0, 1440, 720, 1440), gib)), std::nullopt);
    EXPECT_EQ(image.Picture().metafileSize, QSize(96, 48));
}
