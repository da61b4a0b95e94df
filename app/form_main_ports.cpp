// TFormMain's Settings page operations for the MIDI output: the port list filled from the MIDI
// services, the port chosen by name, and the channel shown as 1..16.
#include "app/form_main.h"

#include "app/spin_edit.h"
#include "platform/midi_services.h"

#include <QComboBox>

void TFormMain::FillMidiOutPorts()
{
    const uint32_t count = midiOutGetNumDevs();
    for (uint32_t device = 0; device < count; ++device) {
        MIDIOUTCAPSA caps{};
        if (midiOutGetDevCapsA(device, &caps, sizeof caps) != MMSYSERR_NOERROR) continue;
        ComboBoxMidiOutPort->addItem(QString::fromStdString(productNameOf(caps)), QVariant::fromValue(device));
    }
    if (ComboBoxMidiOutPort->count() > 0)
        ComboBoxMidiOutPort->setCurrentIndex(0);
    else
        ComboBoxMidiOutPort->setEditText(QString());
}

int32_t TFormMain::IndexOfMidiOutPort(const QString& name) const
{
    for (int i = 0; i < ComboBoxMidiOutPort->count(); ++i) {
        if (ComboBoxMidiOutPort->itemText(i).compare(name, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

void TFormMain::SetMidiOutPort(const QString& name)
{
    if (name == currentPortName_) return;
    const int32_t i = IndexOfMidiOutPort(name);
    if (i == -1) return;
    currentPortName_ = name;
    CancelPointerCapture();
    pad_.EndSoundingNote();
    MidiOutput->Close();
    MidiOutput->SetDeviceID(ComboBoxMidiOutPort->itemData(i).toUInt());
    MidiOutput->Open();  // a device that will not open leaves the port closed, and the pad silent
    ComboBoxMidiOutPort->setCurrentIndex(i);
}

void TFormMain::ComboBoxMidiOutPortChange()
{
    Guarded([this] {
        const int i = ComboBoxMidiOutPort->currentIndex();
        SetMidiOutPort(i == -1 ? QString() : ComboBoxMidiOutPort->itemText(i));
    });
}

int32_t TFormMain::GetMidiOutChannel() const
{
    return pad_.channel() + 1;
}

void TFormMain::SetMidiOutChannel(int32_t value)
{
    // Compared before subtracting, so the most negative value cannot overflow.
    const int32_t k = value < 1 ? 0 : value > 16 ? 15 : value - 1;
    if (k == pad_.channel()) return;
    CancelPointerCapture();  // the note ends on the channel it was started on
    pad_.setChannel(k);
    SpinEditMidiOutChannel->SetValue(k + 1);
}

void TFormMain::SpinEditMidiOutChannelChange()
{
    Guarded([this] { SetMidiOutChannel(SpinEditMidiOutChannel->Value()); });
}
