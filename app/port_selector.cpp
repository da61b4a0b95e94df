// The port selector: the port list from the MIDI services, the port chosen by name, the start's choice
// of the stored or first port, and the stored port awaited until it is listed.
#include "app/port_selector.h"

#include "app/awaited_port.h"
#include "platform/midi_services.h"
#include "platform/port_name_case.h"

#include <cctype>
#include <cstdio>
#include <string>

namespace {

// "MIDI output port 'X' could not be opened: " and the driver's reason, begun in lower case.
std::string openFailureText(const QString& name, std::string reason)
{
    const bool acronym = reason.size() > 1 && std::isupper(static_cast<unsigned char>(reason[1]));
    if (!reason.empty() && !acronym) reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
    return "MIDI output port '" + name.toStdString() + "' could not be opened: " + reason;
}

// Every device whose description the driver gives now, with its device number.
std::vector<TPortSelector::Entry> installedPorts()
{
    std::vector<TPortSelector::Entry> ports;
    const uint32_t count = midiOutGetNumDevs();
    for (uint32_t device = 0; device < count; ++device) {
        MIDIOUTCAPSA caps{};
        if (midiOutGetDevCapsA(device, &caps, sizeof caps) != MMSYSERR_NOERROR) continue;
        ports.push_back({QString::fromStdString(productNameOf(caps)), device});
    }
    return ports;
}

} // namespace

TPortSelector::TPortSelector(TMidiOutput& output, Tells tells, QObject* parent)
    : QObject(parent), output_(output), tells_(std::move(tells)),
      awaitedPort_(new TAwaitedPort([this] { return OpenAwaitedMidiOutPort(); },
                                    [this] {
                                        tells_.showError(EmidioutputError(
                                            "MIDI output port '" + currentPortName_.toStdString() +
                                            "' is not there yet; Pixono plays on it as soon as it appears"));
                                    },
                                    this))
{
    // A synth that comes back, or a connection others make to our port, starts without our set-up.
    output_.SetOnDestinationConnected([this](TMidiOutput*) {
        try {
            tells_.destinationConnected();
        } catch (const std::exception& error) {
            tells_.showError(error);
        }
    });
}

// Opening a port can take tens of milliseconds (the built-in synthesizer loads and starts its audio);
// the driver is told ahead which port will open.
bool TPortSelector::GetReadyToStart() const
{
    return midiOutWarmUp(storedName_.value_or(QString()).toStdString());
}

void TPortSelector::Start()
{
    if (started_) return;
    started_ = true;
    const QString stored = storedName_.value_or(QString());
    storedName_.reset();
    FillMidiOutPorts();
    if (stored.isEmpty()) OpenFirstMidiOutPort();
    else SetStoredMidiOutPort(stored);
}

void TPortSelector::Show(int32_t index, const QString& text, bool listed)
{
    shownIndex_ = index;
    shownText_ = text;
    emit ViewChanged(listed);
}

void TPortSelector::ListInstalled()
{
    ports_ = installedPorts();
}

void TPortSelector::FillMidiOutPorts()
{
    ListInstalled();
    Show(ports_.empty() ? -1 : 0, QString(), true);
}

// Device numbers stay with their devices across rescans, so the open port is left alone; the entry
// shown stays selected while it is listed, and a port that vanished keeps its text.
void TPortSelector::RefreshMidiOutPorts(const QString& shown)
{
    const QString kept = currentPortName_.isEmpty() ? shown : currentPortName_;
    ListInstalled();
    const int32_t i = IndexOfMidiOutPort(kept);
    if (i != -1 || kept.isEmpty()) Show(i != -1 ? i : ports_.empty() ? -1 : 0, QString(), true);
    else Show(-1, kept, true);
}

int32_t TPortSelector::IndexOfMidiOutPort(const QString& name) const
{
    for (size_t i = 0; i < ports_.size(); ++i) {
        if (samePortName(ports_[i].name, name)) return static_cast<int32_t>(i);
    }
    return -1;
}

void TPortSelector::SetMidiOutPort(const QString& name, bool reopen)
{
    // The same name changes nothing while its port is open and well; chosen again from the list, a
    // port that failed to open or went away is opened anew.
    if (name == currentPortName_ && !(reopen && !IsMidiOutPortWell())) {
        // The default picked from the list becomes a choice, which the settings file keeps.
        if (reopen && portIsFirstListed_) {
            portIsFirstListed_ = false;
            emit ChoiceChanged();
        }
        return;
    }
    const int32_t i = IndexOfMidiOutPort(name);
    if (i == -1) return;
    OpenMidiOutPort(name, i);
}

// Closes the open port and opens the device of list entry i under `name`.
void TPortSelector::OpenMidiOutPort(const QString& name, int32_t i)
{
    tells_.portClosing();
    output_.Close();
    // Named only once the old port is closed: a refusal above leaves it open and still current.
    currentPortName_ = name;
    portIsFirstListed_ = false;
    emit ChoiceChanged();
    awaitedPort_->Stop();
    output_.SetDeviceID(ports_[static_cast<size_t>(i)].device);
    const bool opened = output_.Open();
    Show(i);
    if (opened) tells_.destinationConnected();
    // The name stays current, so the settings file remembers the choice and the next start tries again.
    if (!opened) throw EmidioutputError(openFailureText(name, output_.DriverErrorText(output_.LastResult())));
}

// A stored port that is not listed yet stays the current port, shown as the list's text, so that it is
// saved as it was, and it opens as soon as a port of its name is listed.
void TPortSelector::SetStoredMidiOutPort(const QString& name)
{
    if (name.isEmpty() || IndexOfMidiOutPort(name) != -1) {
        SetMidiOutPort(name);
        return;
    }
    currentPortName_ = name;
    emit ChoiceChanged();
    Show(-1, name);
    awaitedPort_->Start();
}

bool TPortSelector::OpenAwaitedMidiOutPort()
{
    bool listed = false;
    for (const Entry& port : installedPorts()) listed = listed || samePortName(port.name, currentPortName_);
    if (!listed) return false;
    RefreshMidiOutPorts(shownText_);
    // Gone again between the two looks: wait on rather than open whatever entry -1 would give.
    const int32_t i = IndexOfMidiOutPort(currentPortName_);
    if (i == -1) return false;
    try {
        OpenMidiOutPort(currentPortName_, i);
    } catch (const std::exception& error) {
        tells_.showError(error);
    }
    return true;
}

bool TPortSelector::IsMidiOutPortWell() const
{
    return output_.DeviceHandle() != nullptr && output_.LastResult() != MIDIERR_NODEVICE;
}

// The first entry is a default, not a choice: the settings file goes on storing no port. When it
// cannot open, nothing is shown as chosen, and the reason goes to standard error without a box.
void TPortSelector::OpenFirstMidiOutPort()
{
    if (ports_.empty()) return;
    try {
        SetMidiOutPort(ports_.front().name);
        portIsFirstListed_ = true;
    } catch (const std::exception& error) {
        currentPortName_.clear();
        Show(-1);
        std::fprintf(stderr, "pixono: %s\n", error.what());
    }
}

QString TPortSelector::StoredMidiOutPortName() const
{
    if (storedName_) return *storedName_;
    return portIsFirstListed_ ? QString() : currentPortName_;
}
