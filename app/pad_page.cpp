// The Pad page and its side of the pad controller.
#include "app/pad_page.h"

#include "app/page_building.h"
#include "pad/image_pad.h"
#include "pad/pad_image.h"

#include <QVBoxLayout>

TPadPage::TPadPage(QWidget& window) : titleWriter_(window)
{
    setObjectName("TabSheetPad");
    // Owned by the window, so that it outlives the pad that draws it.
    PadImage = new TPadImage(&window);
    ImagePad = named(new TImagePad(*PadImage, this), "ImagePad");
    ImagePad->setAccessibleName(tr("Pad"));
    fillingLayout(this)->addWidget(ImagePad);
}

int32_t TPadPage::padWidth() const
{
    return ImagePad->width();
}

int32_t TPadPage::padHeight() const
{
    return ImagePad->height();
}

void TPadPage::setCaption(const QString& caption)
{
    titleWriter_.write(caption);
}

uint32_t TPadPage::sampleColour(int32_t x, int32_t y)
{
    return ImagePad->SampleColour(x, y);
}
