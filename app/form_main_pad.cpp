// TFormMain's pad handlers: pointer and wheel events handed to the pad controller, and the record of
// the pointer capture that a left press on the pad holds until the left release.
#include "app/form_main.h"

#include "pad/image_pad.h"
#include "pad/pad_image.h"

void TFormMain::ImagePadMouseDown(TShiftState shift, int32_t x, int32_t y)
{
    StartMidiOutPort();
    if (shift.left) leftCaptured_ = true;
    Guarded([&] { pad_.ImagePadMouseDown(shift, x, y); });
}

void TFormMain::ImagePadMouseUp(TShiftState shift, int32_t x, int32_t y)
{
    // The release itself ends the capture, so an error it raises has no drag left to cancel.
    if (!shift.left) leftCaptured_ = false;
    Guarded([&] { pad_.ImagePadMouseUp(shift, x, y); });
}

void TFormMain::ImagePadMouseMove(int32_t x, int32_t y)
{
    Guarded([&] { pad_.ImagePadMouseMove(x, y); });
}

void TFormMain::FormMouseWheel(int32_t wheelDelta)
{
    StartMidiOutPort();
    Guarded([&] { pad_.FormMouseWheel(wheelDelta); });
}

uint32_t TFormMain::sampleColour(int32_t x, int32_t y)
{
    return ImagePad->SampleColour(x, y);
}

QString TFormMain::currentImageFileName() const
{
    return PadImage->ImageFileName();
}

void TFormMain::setImageFile(const QString& name)
{
    PadImage->SetImageFile(name);
    SettingsMayHaveChanged();
}
