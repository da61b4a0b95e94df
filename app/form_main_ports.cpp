// TFormMain's Settings page operations for the MIDI output: the port list filled from the MIDI
// services, the port chosen by name, and the channel shown as 1..16.
#include "app/form_main.h"

#include "app/spin_edit.h"
#include "platform/midi_services.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <cctype>
#include <string>

namespace {

// "MIDI output port 'X' could not be opened: " and the driver's reason, begun in lower case.
std::string openFailureText(const QString& name, std::string reason)
{
    const bool acronym = reason.size() > 1 && std::isupper(static_cast<unsigned char>(reason[1]));
    if (!reason.empty() && !acronym) reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
    return "MIDI output port '" + name.toStdString() + "' could not be opened: " + reason;
}

} // namespace

// One entry per device whose description the driver gives now, tied to its device number.
void TFormMain::AddInstalledMidiOutPorts()
{
    const uint32_t count = midiOutGetNumDevs();
    for (uint32_t device = 0; device < count; ++device) {
        MIDIOUTCAPSA caps{};
        if (midiOutGetDevCapsA(device, &caps, sizeof caps) != MMSYSERR_NOERROR) continue;
        ComboBoxMidiOutPort->addItem(QString::fromStdString(productNameOf(caps)), QVariant::fromValue(device));
    }
}

void TFormMain::FillMidiOutPorts()
{
    AddInstalledMidiOutPorts();
    if (ComboBoxMidiOutPort->count() > 0)
        ComboBoxMidiOutPort->setCurrentIndex(0);
    else
        ComboBoxMidiOutPort->setEditText(QString());
}

// Device numbers stay with their devices across rescans, so the open port is left alone; the entry
// shown stays selected while it is listed, and a port that vanished keeps its text.
void TFormMain::RefreshMidiOutPorts()
{
    const QString shown = currentPortName_.isEmpty() ? ComboBoxMidiOutPort->currentText() : currentPortName_;
    const QSignalBlocker quiet(ComboBoxMidiOutPort);
    ComboBoxMidiOutPort->clear();
    AddInstalledMidiOutPorts();
    const int32_t i = IndexOfMidiOutPort(shown);
    if (i != -1 || shown.isEmpty()) {
        ComboBoxMidiOutPort->setCurrentIndex(i != -1 ? i : 0);
    } else {
        ComboBoxMidiOutPort->setCurrentIndex(-1);
        ComboBoxMidiOutPort->setEditText(shown);
    }
}

int32_t TFormMain::IndexOfMidiOutPort(const QString& name) const
{
    for (int i = 0; i < ComboBoxMidiOutPort->count(); ++i) {
        if (ComboBoxMidiOutPort->itemText(i).compare(name, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

void TFormMain::SetMidiOutPort(const QString& name, bool reopen)
{
    // The same name changes nothing while its port is open and well; chosen again from the list, a
    // port that failed to open or went away is opened anew.
    if (name == currentPortName_ && !(reopen && !IsMidiOutPortWell())) return;
    const int32_t i = IndexOfMidiOutPort(name);
    if (i == -1) return;
    currentPortName_ = name;
    SettingsMayHaveChanged();
    CancelPointerCapture();
    pad_.EndSoundingNote();
    MidiOutput->Close();
    MidiOutput->SetDeviceID(ComboBoxMidiOutPort->itemData(i).toUInt());
    const bool opened = MidiOutput->Open();
    ComboBoxMidiOutPort->setCurrentIndex(i);
    // The name stays current, so the settings file remembers the choice and the next start tries again.
    if (!opened) throw EmidioutputError(openFailureText(name, MidiOutput->DriverErrorText(MidiOutput->LastResult())));
}

bool TFormMain::IsMidiOutPortWell() const
{
    return MidiOutput->DeviceHandle() != nullptr && MidiOutput->LastResult() != MIDIERR_NODEVICE;
}

void TFormMain::ComboBoxMidiOutPortChange(bool chosen)
{
    Guarded([this, chosen] {
        const int i = ComboBoxMidiOutPort->currentIndex();
        SetMidiOutPort(i == -1 ? QString() : ComboBoxMidiOutPort->itemText(i), chosen);
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
    SettingsMayHaveChanged();
}

void TFormMain::SpinEditMidiOutChannelChange()
{
    Guarded([this] { SetMidiOutChannel(SpinEditMidiOutChannel->Value()); });
}
