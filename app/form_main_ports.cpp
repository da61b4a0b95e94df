// TFormMain's Settings page operations for the MIDI output: the port list filled from the MIDI
// services, the port chosen by name, and the channel shown as 1..16.
#include "app/form_main.h"

#include "app/awaited_port.h"
#include "app/spin_edit.h"
#include "platform/midi_services.h"
#include "platform/port_name_case.h"

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

// Calls `listed(name, device)` for each device whose description the driver gives now.
template <class Listed> void forEachInstalledMidiOutPort(Listed listed)
{
    const uint32_t count = midiOutGetNumDevs();
    for (uint32_t device = 0; device < count; ++device) {
        MIDIOUTCAPSA caps{};
        if (midiOutGetDevCapsA(device, &caps, sizeof caps) != MMSYSERR_NOERROR) continue;
        listed(QString::fromStdString(productNameOf(caps)), device);
    }
}

} // namespace

// One entry per device whose description the driver gives now, tied to its device number.
void TFormMain::AddInstalledMidiOutPorts()
{
    forEachInstalledMidiOutPort([this](const QString& name, uint32_t device) {
        ComboBoxMidiOutPort->addItem(name, QVariant::fromValue(device));
    });
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
    if (!midiOutPortStarted_) return StartMidiOutPort();
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
        if (samePortName(ComboBoxMidiOutPort->itemText(i), name)) return i;
    }
    return -1;
}

void TFormMain::SetMidiOutPort(const QString& name, bool reopen)
{
    // The same name changes nothing while its port is open and well; chosen again from the list, a
    // port that failed to open or went away is opened anew.
    if (name == currentPortName_ && !(reopen && !IsMidiOutPortWell())) {
        // The default picked from the list becomes a choice, which the settings file keeps.
        if (reopen && portIsFirstListed_) {
            portIsFirstListed_ = false;
            SettingsMayHaveChanged();
        }
        return;
    }
    const int32_t i = IndexOfMidiOutPort(name);
    if (i == -1) return;
    OpenMidiOutPort(name, i);
}

// Closes the open port and opens the device of list entry i under `name`.
void TFormMain::OpenMidiOutPort(const QString& name, int32_t i)
{
    CancelPointerCapture();
    pad_.EndSoundingNote();
    MidiOutput->Close();
    // Named only once the old port is closed: a refusal above leaves it open and still current.
    currentPortName_ = name;
    portIsFirstListed_ = false;
    SettingsMayHaveChanged();
    awaitedPort_->Stop();
    MidiOutput->SetDeviceID(ComboBoxMidiOutPort->itemData(i).toUInt());
    const bool opened = MidiOutput->Open();
    ComboBoxMidiOutPort->setCurrentIndex(i);
    if (opened) pad_.SendBendRange();
    // The name stays current, so the settings file remembers the choice and the next start tries again.
    if (!opened) throw EmidioutputError(openFailureText(name, MidiOutput->DriverErrorText(MidiOutput->LastResult())));
}

// A stored port that is not listed yet stays the current port, shown as the list's text, so that it is
// saved as it was, and it opens as soon as a port of its name is listed.
void TFormMain::SetStoredMidiOutPort(const QString& name)
{
    if (name.isEmpty() || IndexOfMidiOutPort(name) != -1) {
        SetMidiOutPort(name);
        return;
    }
    currentPortName_ = name;
    SettingsMayHaveChanged();
    ComboBoxMidiOutPort->setCurrentIndex(-1);
    ComboBoxMidiOutPort->setEditText(name);
    awaitedPort_->Start();
}

bool TFormMain::OpenAwaitedMidiOutPort()
{
    bool listed = false;
    forEachInstalledMidiOutPort([&](const QString& port, uint32_t) {
        listed = listed || samePortName(port, currentPortName_);
    });
    if (!listed) return false;
    RefreshMidiOutPorts();
    // Gone again between the two looks: wait on rather than open whatever entry -1 would give.
    const int32_t i = IndexOfMidiOutPort(currentPortName_);
    if (i == -1) return false;
    Guarded([&] { OpenMidiOutPort(currentPortName_, i); });
    return true;
}

void TFormMain::TellMidiOutPortMissing()
{
    ShowHandlerError(EmidioutputError("MIDI output port '" + currentPortName_.toStdString() +
                                      "' is not there yet; Pixono plays on it as soon as it appears"));
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
