// The pad image control: the picture stretched over the whole control, redrawn when it changes,
// no pointer input of its own, and its place on the main window's Pad page.
#include "app/form_main.h"
#include "app/pad_page.h"
#include "app/settings_page.h"
#include "pad/image_pad.h"
#include "pad/pad_image.h"
#include "tests/support/picture_files.h"
#include "tests/support/qt_application.h"

#include <QLineEdit>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

// Left half red, right half blue; top row green across.
QImage halves()
{
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 0));
    for (int x = 2; x < 4; ++x) image.setPixel(x, 1, qRgb(0, 0, 255));
    for (int x = 0; x < 4; ++x) image.setPixel(x, 0, qRgb(0, 255, 0));
    return image;
}

class ImagePad : public testing::Test, public WithQtApplication {
protected:
    ImagePad() { pad.resize(400, 300); }

    QImage shown() { return pad.grab().toImage(); }

    PictureFolder folder;
    TPadImage image;
    TImagePad pad{image};
};

} // namespace

TEST_F(ImagePad, StretchesThePictureOnEachAxis)
{
    image.SetImageFile(folder.write("halves.bmp", bmpBytes(halves())));
    const QImage drawn = shown();
    EXPECT_EQ(drawn.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(drawn.pixel(399, 149), qRgb(0, 255, 0));
    EXPECT_EQ(drawn.pixel(0, 299), qRgb(255, 0, 0));
    EXPECT_EQ(drawn.pixel(199, 150), qRgb(255, 0, 0));
    EXPECT_EQ(drawn.pixel(200, 150), qRgb(0, 0, 255));
    EXPECT_EQ(drawn.pixel(399, 299), qRgb(0, 0, 255));
}

TEST_F(ImagePad, SamplesAtItsOwnSize)
{
    image.SetImageFile(folder.write("halves.bmp", bmpBytes(halves())));
    EXPECT_EQ(pad.SampleColour(250, 200), 255u << 16);  // column 3 of 4
    pad.resize(800, 300);
    EXPECT_EQ(pad.SampleColour(250, 200), 255u);  // column 1: the left half
}

TEST_F(ImagePad, RedrawsEmptyOnceAnIconHasBeenSampled)
{
    image.SetImageFile(folder.write("icon.ico", iconBytes(16, qRgba(0, 255, 0, 255))));
    EXPECT_EQ(shown().pixel(200, 150), qRgb(0, 255, 0));
    pad.SampleColour(10, 10);
    EXPECT_NE(shown().pixel(200, 150), qRgb(0, 255, 0));
}

// Two zones on the 400-pixel pad meet at column 200; the marks darken it, yet the colour read there is
// the picture's, and the default map shows the picture alone again.
TEST_F(ImagePad, ZoneMarksShowOverThePictureButAreNeverSampled)
{
    image.SetImageFile(folder.write("halves.bmp", bmpBytes(halves())));
    TPlayingSettings twoNotes;
    twoNotes.noteLow = 60;
    twoNotes.noteHigh = 61;
    pad.SetZones(TPlayingMap(twoNotes));
    EXPECT_EQ(pad.ZoneStart(1), 200);
    const QImage marked = shown();
    EXPECT_LT(qBlue(marked.pixel(200, 150)), 100);  // the blue half, darkened by the boundary
    EXPECT_EQ(marked.pixel(100, 150), qRgb(255, 0, 0));
    int lettering = 0;  // "C4" near the bottom of the red half
    for (int y = 250; y < 300; ++y)
        for (int x = 0; x < 200; ++x) lettering += marked.pixel(x, y) != qRgb(255, 0, 0);
    EXPECT_GT(lettering, 20);
    EXPECT_EQ(pad.SampleColour(200, 150), 255u << 16);
    pad.SetZones(TPlayingMap());
    EXPECT_EQ(shown().pixel(200, 150), qRgb(0, 0, 255));
}

TEST_F(ImagePad, TakesNoPointerInput)
{
    EXPECT_FALSE(pad.isEnabled());
    EXPECT_TRUE(pad.testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST(PadPage, ImagePadFillsThePageAndTheEditShowsTheFileName)
{
    ensureQtApplication();
    TFormMain form;
    form.show();
    form.PageControl->setCurrentWidget(form.TabSheetPad);
    processEventsUntil([&] { return form.TabSheetPad->ImagePad->isVisible(); });
    EXPECT_EQ(form.TabSheetPad->ImagePad->parentWidget(), form.TabSheetPad);
    EXPECT_EQ(form.TabSheetPad->ImagePad->geometry(), form.TabSheetPad->rect());
    form.resize(form.width() + 50, form.height() + 30);
    processEventsUntil([&] { return form.TabSheetPad->ImagePad->size() == form.TabSheetPad->size(); });
    EXPECT_EQ(form.TabSheetPad->ImagePad->geometry(), form.TabSheetPad->rect());

    PictureFolder folder;
    const QString name = folder.write("pad.bmp", bmpBytes(halves()));
    form.TabSheetPad->PadImage->SetImageFile(name);
    EXPECT_EQ(form.TabSheetSettings->EditImageFile->text(), name);
    form.TabSheetPad->PadImage->SetImageFile(folder.path("gone.bmp"));
    EXPECT_EQ(form.TabSheetSettings->EditImageFile->text(), QString());
}
