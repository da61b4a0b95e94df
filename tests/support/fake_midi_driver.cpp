// The fake MIDI driver: devices, scripted failures, recorded calls and a thread for done notifications.
#include "tests/support/fake_midi_driver.h"

#include "platform/notify_window.h"
#include "tests/support/qt_application.h"

#include <algorithm>
#include <cstring>

namespace {

struct KnownError {
    MMRESULT code;
    const char* text;
};
constexpr KnownError kErrors[] = {
    {MMSYSERR_ERROR, "Fake driver: unspecified error"},
    {MMSYSERR_BADDEVICEID, "Fake driver: bad device ID"},
    {MMSYSERR_ALLOCATED, "Fake driver: device already in use"},
    {MMSYSERR_INVALHANDLE, "Fake driver: invalid handle"},
    {MMSYSERR_NOMEM, "Fake driver: out of memory"},
    {MMSYSERR_INVALPARAM, "Fake driver: invalid parameter"},
    {MIDIERR_UNPREPARED, "Fake driver: header not prepared"},
    {MIDIERR_STILLPLAYING, "Fake driver: header still queued"},
    {MIDIERR_NOTREADY, "Fake driver: busy"},
    {MIDIERR_NODEVICE, "Fake driver: device went away"},
    {MIDIERR_NOAUDIO, "Fake driver: no audio output"},
};

} // namespace

MIDIOUTCAPSA fakeCaps(std::string_view name)
{
    MIDIOUTCAPSA caps{};
    std::memcpy(caps.szPname, name.data(), std::min(name.size(), sizeof caps.szPname));
    caps.vDriverVersion = 0x0100;
    caps.wTechnology = 1;
    caps.wChannelMask = 0xFFFF;
    return caps;
}

FakeMidiDriver::FakeMidiDriver()
{
    calls_.reserve(kReservedRecords);
    messages_.reserve(kReservedRecords);
}

uint32_t FakeMidiDriver::addDevice(std::string_view name) { return addDevice(fakeCaps(name)); }

uint32_t FakeMidiDriver::addDevice(const MIDIOUTCAPSA& caps)
{
    std::unique_lock lock(mutex_);
    devices_.push_back(caps);
    const auto id = static_cast<uint32_t>(devices_.size() - 1);
    const MidiOutDevicesChanged changed = tellsDeviceChanges_ ? changed_ : nullptr;
    const uintptr_t instance = changedInstance_;
    lock.unlock();
    if (changed) changed(instance);
    return id;
}

void FakeMidiDriver::setTellsDeviceChanges(bool tells)
{
    std::lock_guard lock(mutex_);
    tellsDeviceChanges_ = tells;
}

bool FakeMidiDriver::midiOutWatchDevices(MidiOutDevicesChanged changed, uintptr_t instance)
{
    std::lock_guard lock(mutex_);
    changed_ = changed;
    changedInstance_ = instance;
    return tellsDeviceChanges_;
}

void FakeMidiDriver::setMapper(const MIDIOUTCAPSA& caps)
{
    std::lock_guard lock(mutex_);
    mapper_ = caps;
}

void FakeMidiDriver::fail(MidiCall call, MMRESULT code, std::optional<uint32_t> device, int times)
{
    std::lock_guard lock(mutex_);
    failures_.push_back({call, code, device, times});
}

void FakeMidiDriver::clearFailures()
{
    std::lock_guard lock(mutex_);
    failures_.clear();
}

void FakeMidiDriver::setAutoDone(bool automatic)
{
    std::lock_guard lock(mutex_);
    autoDone_ = automatic;
    if (automatic) releaseHeld();
}

void FakeMidiDriver::deliverDone()
{
    std::lock_guard lock(mutex_);
    releaseHeld();
}

void FakeMidiDriver::releaseHeld(HMIDIOUT handle)
{
    std::erase_if(held_, [&](const DoneNotifier::Report& report) {
        if (handle && report.device != handle) return false;
        done_.post(report);
        return true;
    });
}

void FakeMidiDriver::waitUntilDoneDelivered()
{
    deliverDone();
    done_.flush();
}

bool FakeMidiDriver::awaitDoneNotifications()
{
    waitUntilDoneDelivered();
    ensureQtApplication();
    return processEventsUntil([] { return NotifyPostsInFlight() == 0; });
}

std::vector<MidiCallRecord> FakeMidiDriver::calls() const
{
    std::lock_guard lock(mutex_);
    return calls_;
}

std::vector<SentMidiMessage> FakeMidiDriver::messages() const
{
    std::lock_guard lock(mutex_);
    return messages_;
}

std::size_t FakeMidiDriver::callCount(MidiCall call) const
{
    std::lock_guard lock(mutex_);
    return static_cast<std::size_t>(
        std::count_if(calls_.begin(), calls_.end(), [call](const MidiCallRecord& r) { return r.call == call; }));
}

MidiCallRecord FakeMidiDriver::lastCall(MidiCall call) const
{
    std::lock_guard lock(mutex_);
    const auto found = std::find_if(calls_.rbegin(), calls_.rend(), [call](const MidiCallRecord& r) { return r.call == call; });
    return found == calls_.rend() ? MidiCallRecord{MidiCall::GetNumDevs, 0, nullptr, nullptr, 0, 0} : *found;
}

std::size_t FakeMidiDriver::openDeviceCount() const
{
    std::lock_guard lock(mutex_);
    return open_.size();
}

void FakeMidiDriver::clearRecords()
{
    std::lock_guard lock(mutex_);
    calls_.clear();
    messages_.clear();
}

std::string FakeMidiDriver::errorText(MMRESULT code)
{
    for (const KnownError& known : kErrors)
        if (known.code == code) return known.text;
    return {};
}

std::optional<MIDIOUTCAPSA> FakeMidiDriver::mapperCaps() const
{
    if (mapper_) return mapper_;
    if (devices_.empty()) return std::nullopt;
    MIDIOUTCAPSA caps = devices_.front();
    std::memset(caps.szPname, 0, sizeof caps.szPname);
    std::strcpy(caps.szPname, "MIDI mapper");
    return caps;
}

const FakeMidiDriver::OpenDevice* FakeMidiDriver::findOpen(HMIDIOUT handle) const
{
    for (const OpenDevice& device : open_)
        if (device.handle == handle) return &device;
    return nullptr;
}

MMRESULT FakeMidiDriver::scripted(MidiCall call, uint32_t device)
{
    for (Failure& failure : failures_) {
        if (failure.call != call || failure.times == 0) continue;
        if (failure.device && *failure.device != device) continue;
        if (failure.times > 0) --failure.times;
        return failure.code;
    }
    return MMSYSERR_NOERROR;
}

MMRESULT FakeMidiDriver::record(MidiCall call, uint32_t device, HMIDIOUT handle, MIDIHDR* header, MMRESULT result,
                                uintptr_t instance)
{
    calls_.push_back({call, device, handle, header, result, instance});
    return result;
}

// Looks the handle up and applies scripted failures; on success `device` is the open device.
MMRESULT FakeMidiDriver::checkHandle(MidiCall call, HMIDIOUT handle, MIDIHDR* header, const OpenDevice*& device)
{
    device = findOpen(handle);
    const uint32_t id = device ? device->deviceId : 0;
    if (const MMRESULT code = scripted(call, id)) return record(call, id, handle, header, code);
    if (!device) return record(call, id, handle, header, MMSYSERR_INVALHANDLE);
    return MMSYSERR_NOERROR;
}

uint32_t FakeMidiDriver::midiOutGetNumDevs()
{
    std::lock_guard lock(mutex_);
    const auto count = static_cast<uint32_t>(devices_.size());
    record(MidiCall::GetNumDevs, 0, nullptr, nullptr, count);
    return count;
}

MMRESULT FakeMidiDriver::midiOutGetDevCapsA(uint32_t deviceId, MIDIOUTCAPSA* caps, uint32_t size)
{
    std::lock_guard lock(mutex_);
    if (const MMRESULT code = scripted(MidiCall::GetDevCaps, deviceId))
        return record(MidiCall::GetDevCaps, deviceId, nullptr, nullptr, code);
    if (!caps || size < sizeof(MIDIOUTCAPSA))
        return record(MidiCall::GetDevCaps, deviceId, nullptr, nullptr, MMSYSERR_INVALPARAM);
    std::optional<MIDIOUTCAPSA> found;
    if (deviceId == MIDI_MAPPER) {
        found = mapperCaps();
    } else if (deviceId < devices_.size()) {
        found = devices_[deviceId];
    }
    if (!found) return record(MidiCall::GetDevCaps, deviceId, nullptr, nullptr, MMSYSERR_BADDEVICEID);
    *caps = *found;
    return record(MidiCall::GetDevCaps, deviceId, nullptr, nullptr, MMSYSERR_NOERROR);
}

MMRESULT FakeMidiDriver::midiOutOpen(HMIDIOUT* handle, uint32_t deviceId, MidiOutCallback callback,
                                     uintptr_t instance, uint32_t flags)
{
    std::lock_guard lock(mutex_);
    auto refuse = [&](MMRESULT code) { return record(MidiCall::Open, deviceId, nullptr, nullptr, code, instance); };
    if (const MMRESULT code = scripted(MidiCall::Open, deviceId)) return refuse(code);
    if (!handle || flags != CALLBACK_FUNCTION || !callback) return refuse(MMSYSERR_INVALPARAM);
    const bool listed = deviceId == MIDI_MAPPER ? mapperCaps().has_value() : deviceId < devices_.size();
    if (!listed) return refuse(MMSYSERR_BADDEVICEID);
    for (const OpenDevice& device : open_)
        if (device.deviceId == deviceId) return refuse(MMSYSERR_ALLOCATED);
    *handle = reinterpret_cast<HMIDIOUT>(nextHandle_);
    nextHandle_ += 0x10;
    open_.push_back({*handle, deviceId, callback, instance});
    return record(MidiCall::Open, deviceId, *handle, nullptr, MMSYSERR_NOERROR, instance);
}

MMRESULT FakeMidiDriver::midiOutShortMsg(HMIDIOUT handle, uint32_t message)
{
    std::lock_guard lock(mutex_);
    const OpenDevice* device;
    if (const MMRESULT code = checkHandle(MidiCall::ShortMsg, handle, nullptr, device)) return code;
    messages_.push_back({handle, message, {}});
    return record(MidiCall::ShortMsg, device->deviceId, handle, nullptr, MMSYSERR_NOERROR);
}

MMRESULT FakeMidiDriver::midiOutPrepareHeader(HMIDIOUT handle, MIDIHDR* header, uint32_t size)
{
    std::lock_guard lock(mutex_);
    const OpenDevice* device;
    if (const MMRESULT code = checkHandle(MidiCall::PrepareHeader, handle, header, device)) return code;
    if (!header || size < sizeof(MIDIHDR) || !header->lpData)
        return record(MidiCall::PrepareHeader, device->deviceId, handle, header, MMSYSERR_INVALPARAM);
    header->dwFlags |= MHDR_PREPARED;
    return record(MidiCall::PrepareHeader, device->deviceId, handle, header, MMSYSERR_NOERROR);
}

MMRESULT FakeMidiDriver::midiOutLongMsg(HMIDIOUT handle, MIDIHDR* header, uint32_t size)
{
    std::lock_guard lock(mutex_);
    const OpenDevice* device;
    if (const MMRESULT code = checkHandle(MidiCall::LongMsg, handle, header, device)) return code;
    auto result = [&](MMRESULT code) { return record(MidiCall::LongMsg, device->deviceId, handle, header, code); };
    if (!header || size < sizeof(MIDIHDR)) return result(MMSYSERR_INVALPARAM);
    if (!(header->dwFlags & MHDR_PREPARED)) return result(MIDIERR_UNPREPARED);
    if (header->dwFlags & MHDR_INQUEUE) return result(MIDIERR_STILLPLAYING);
    const auto* bytes = reinterpret_cast<const uint8_t*>(header->lpData);
    messages_.push_back({handle, 0, std::vector<uint8_t>(bytes, bytes + header->dwBufferLength)});
    header->dwFlags = (header->dwFlags & ~MHDR_DONE) | MHDR_INQUEUE;
    const DoneNotifier::Report report{device->callback, handle, device->instance, header};
    if (autoDone_) {
        done_.post(report);
    } else {
        held_.push_back(report);
    }
    return result(MMSYSERR_NOERROR);
}

MMRESULT FakeMidiDriver::midiOutUnprepareHeader(HMIDIOUT handle, MIDIHDR* header, uint32_t size)
{
    std::lock_guard lock(mutex_);
    const OpenDevice* device;
    if (const MMRESULT code = checkHandle(MidiCall::UnprepareHeader, handle, header, device)) return code;
    auto result = [&](MMRESULT code) {
        return record(MidiCall::UnprepareHeader, device->deviceId, handle, header, code);
    };
    if (!header || size < sizeof(MIDIHDR)) return result(MMSYSERR_INVALPARAM);
    if (header->dwFlags & MHDR_INQUEUE) return result(MIDIERR_STILLPLAYING);
    header->dwFlags &= ~MHDR_PREPARED;
    return result(MMSYSERR_NOERROR);
}

MMRESULT FakeMidiDriver::midiOutClose(HMIDIOUT handle)
{
    std::unique_lock lock(mutex_);
    const OpenDevice* device;
    if (const MMRESULT code = checkHandle(MidiCall::Close, handle, nullptr, device)) return code;
    // Like a driver that flushes its queue on close: every header of the device is reported first,
    // and no callback for the handle comes after the close.
    releaseHeld(handle);
    lock.unlock();
    done_.flush();
    lock.lock();
    device = findOpen(handle);
    const uint32_t id = device->deviceId;
    open_.erase(open_.begin() + (device - open_.data()));
    return record(MidiCall::Close, id, handle, nullptr, MMSYSERR_NOERROR);
}

MMRESULT FakeMidiDriver::midiOutGetErrorTextA(MMRESULT code, char* text, uint32_t size)
{
    std::lock_guard lock(mutex_);
    if (const MMRESULT failure = scripted(MidiCall::GetErrorText, 0))
        return record(MidiCall::GetErrorText, 0, nullptr, nullptr, failure);
    const std::string known = errorText(code);
    if (known.empty() || !text || size == 0)
        return record(MidiCall::GetErrorText, 0, nullptr, nullptr, MMSYSERR_INVALPARAM);
    const std::size_t length = std::min<std::size_t>(known.size(), size - 1);
    std::memcpy(text, known.data(), length);
    text[length] = '\0';
    return record(MidiCall::GetErrorText, 0, nullptr, nullptr, MMSYSERR_NOERROR);
}
