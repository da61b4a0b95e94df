// TMidiOutput: device selection, open and close, short and long messages, and the done notifications
// that bring long-message buffers back to the GUI thread.
#include "midi/midi_output.h"

#include "midi/callback_instance.h"
#include "midi/driver_callback.h"
#include "midi/my_midi_hdr.h"
#include "midi/shared_block.h"
#include "platform/notify_window.h"

#include <cstring>
#include <memory>

TMidiOutput::TMidiOutput(QObject* owner) : QObject(owner)
{
    deviceCount_ = static_cast<uint16_t>(midiOutGetNumDevs());
    notifyWindow_ = new NotifyWindow([this](const PostedMessage& message) { HandleNotifyMessage(message); });
}

TMidiOutput::~TMidiOutput()
{
    try {
        if (portState_ == TPortState::Open) Close();
    } catch (const EmidioutputError&) {
        // Nobody is left to report a refused close to; the device is abandoned.
    }
    // Buffers the driver has already handed back must not leak with the window; nobody is
    // listening any more, so no notification fires.
    onMidiOutput_ = nullptr;
    onDestinationConnected_ = nullptr;
    notifyWindow_->drain();
    if (instance_) FreeSharedBlock(instance_->MemoryHandle);
    delete notifyWindow_;
}

void TMidiOutput::SetDeviceID(uint32_t value)
{
    if (portState_ == TPortState::Open) throw EmidioutputError("Change to MIDI out Device ID while device was open");
    if (value >= midiOutGetNumDevs() && value != MIDI_MAPPER) throw EmidioutputError("Invalid MIDI out device ID");
    deviceId_ = value;
    copyCapabilities(queryCapabilities(value));
}

void TMidiOutput::SetProductName(const std::string& name)
{
    if (portState_ == TPortState::Open)
        throw EmidioutputError("Change to ProductName while MIDI out device was open");
    const uint32_t count = midiOutGetNumDevs();
    for (uint32_t id = 0; id < count; ++id) {
        if (productNameOf(queryCapabilities(id)) == name) {
            productName_ = name;
            SetDeviceID(id);
            return;
        }
    }
    if (productNameOf(queryCapabilities(MIDI_MAPPER)) == name) {
        productName_ = name;
        SetDeviceID(MIDI_MAPPER);
        return;
    }
    throw EmidioutputError("MIDI output Device '" + name + "' not installed");
}

bool TMidiOutput::Open()
{
    // Reopening would lose the open device's handle; callers close first.
    if (portState_ == TPortState::Open) return false;
    if (!instance_) {
        const SharedBlock block = AllocSharedBlock(sizeof(CallbackInstance));
        instance_ = static_cast<CallbackInstance*>(block.address);
        if (instance_) instance_->MemoryHandle = block.handle;
    }
    if (instance_) {
        instance_->TargetWindow = notifyWindow_;
        lastResult_ = static_cast<uint16_t>(midiOutOpen(&deviceHandle_, deviceId_, DriverCallback,
                                                        reinterpret_cast<uintptr_t>(instance_), CALLBACK_FUNCTION));
    }
    if (!instance_ || lastResult_ != MMSYSERR_NOERROR) {
        if (instance_) FreeSharedBlock(instance_->MemoryHandle);
        instance_ = nullptr;
        deviceHandle_ = nullptr;
        return false;
    }
    portState_ = TPortState::Open;
    return true;
}

bool TMidiOutput::Close()
{
    bool closed = false;
    if (portState_ == TPortState::Open) {
        lastResult_ = static_cast<uint16_t>(midiOutClose(deviceHandle_));
        if (lastResult_ != MMSYSERR_NOERROR) raiseDriverError();
        closed = true;
    }
    deviceHandle_ = nullptr;
    portState_ = TPortState::Closed;
    return closed;
}

void TMidiOutput::SendEvent(const MidiEvent& event)
{
    if (portState_ != TPortState::Open) throw EmidioutputError("MIDI Output device not open");
    if (!event.LongData) {
        SendShortMessage(event.Status, event.Data1, event.Data2);
    } else {
        SendLongMessage(event.LongData, event.LongLength);
    }
}

void TMidiOutput::SendShortMessage(uint8_t status, uint8_t data1, uint8_t data2)
{
    const uint32_t word = uint32_t{status} | uint32_t{data1} << 8 | uint32_t{data2} << 16;
    lastResult_ = static_cast<uint16_t>(midiOutShortMsg(deviceHandle_, word));
    if (lastResult_ != MMSYSERR_NOERROR) raiseDriverError();
}

void TMidiOutput::SendLongMessage(const uint8_t* bytes, uint16_t length)
{
    if (length == 0) throw EmidioutputError("A long MIDI message needs at least one byte");
    auto buffer = std::make_unique<TMyMidiHdr>(length);
    if (!buffer->complete()) {
        lastResult_ = MMSYSERR_NOMEM;
        raiseDriverError();
    }
    std::memcpy(buffer->Data, bytes, length);
    MIDIHDR* header = buffer->Header;
    header->dwUser = reinterpret_cast<uintptr_t>(buffer.get());

    lastResult_ = static_cast<uint16_t>(midiOutPrepareHeader(deviceHandle_, header, kMidiHdrSize));
    if (lastResult_ != MMSYSERR_NOERROR) raiseDriverError();
    lastResult_ = static_cast<uint16_t>(midiOutLongMsg(deviceHandle_, header, kMidiHdrSize));
    if (lastResult_ != MMSYSERR_NOERROR) {
        midiOutUnprepareHeader(deviceHandle_, header, kMidiHdrSize);
        raiseDriverError();
    }
    buffer.release();   // the driver holds it until its done notification
}

std::string TMidiOutput::DriverErrorText(uint16_t code)
{
    char text[MAXERRORLENGTH] = {};
    if (midiOutGetErrorTextA(code, text, sizeof text) != MMSYSERR_NOERROR)
        return "Specified error number is out of range";
    return std::string(text, strnlen(text, sizeof text));
}

void TMidiOutput::HandleNotifyMessage(const PostedMessage& message)
{
    if (message.message == MOM_CONNECTED && onDestinationConnected_) onDestinationConnected_(this);
    if (message.message != MOM_DONE) return;
    auto* header = reinterpret_cast<MIDIHDR*>(message.lParam);
    if (!header) return;
    midiOutUnprepareHeader(deviceHandle_, header, kMidiHdrSize);
    delete reinterpret_cast<TMyMidiHdr*>(header->dwUser);
    if (onMidiOutput_) onMidiOutput_(this);
}

void TMidiOutput::raiseDriverError() { throw EmidioutputError(DriverErrorText(lastResult_)); }

MIDIOUTCAPSA TMidiOutput::queryCapabilities(uint32_t deviceId)
{
    MIDIOUTCAPSA caps{};
    lastResult_ = static_cast<uint16_t>(midiOutGetDevCapsA(deviceId, &caps, sizeof caps));
    if (lastResult_ != MMSYSERR_NOERROR) raiseDriverError();
    return caps;
}

void TMidiOutput::copyCapabilities(const MIDIOUTCAPSA& caps)
{
    productName_ = productNameOf(caps);
    driverVersion_ = caps.vDriverVersion;
    technology_ = static_cast<uint8_t>(caps.wTechnology & 0xFF);
    voices_ = caps.wVoices;
    notes_ = caps.wNotes;
    channelMask_ = caps.wChannelMask;
    support_ = caps.dwSupport;
}
