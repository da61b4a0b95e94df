// The MIDI services over a list of back ends; see backend_midi_driver.h.
#include "platform/backend_midi_driver.h"

#include "platform/done_notifier.h"
#include "platform/midi_device_table.h"
#include "platform/midi_error_text.h"
#include "platform/midi_message.h"
#include "platform/port_name_case.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>

namespace {

struct OpenDevice {
    uint32_t id = 0;
    std::unique_ptr<MidiConnection> connection;
    MidiOutCallback callback = nullptr;
    uintptr_t instance = 0;
};

class BackendMidiDriver final : public MidiServices {
public:
    explicit BackendMidiDriver(std::vector<std::unique_ptr<MidiBackend>> backends)
        : backends_(std::move(backends))
    {
        rescan();
    }

    uint32_t midiOutGetNumDevs() override
    {
        rescan();
        return table_.count();
    }

    MMRESULT midiOutGetDevCapsA(uint32_t deviceId, MIDIOUTCAPSA* caps, uint32_t size) override
    {
        if (!caps) return MMSYSERR_INVALPARAM;
        MIDIOUTCAPSA full;
        const MMRESULT result = table_.capabilities(deviceId, full);
        if (result != MMSYSERR_NOERROR) return result;
        std::memcpy(caps, &full, std::min<size_t>(size, sizeof full));
        return MMSYSERR_NOERROR;
    }

    MMRESULT midiOutOpen(HMIDIOUT* handle, uint32_t deviceId, MidiOutCallback callback, uintptr_t instance,
                         uint32_t flags) override
    {
        if (!handle) return MMSYSERR_INVALPARAM;
        *handle = nullptr;
        if (flags != 0 && (flags != CALLBACK_FUNCTION || !callback)) return MMSYSERR_INVALPARAM;
        const std::optional<uint32_t> id = table_.resolve(deviceId);
        if (!id) return MMSYSERR_BADDEVICEID;
        const DeviceSlot& slot = table_.slot(*id);
        if (!slot.present) return MIDIERR_NODEVICE;
        if (std::any_of(open_.begin(), open_.end(), [&](const auto& device) { return device->id == *id; }))
            return MMSYSERR_ALLOCATED;
        auto device = std::make_unique<OpenDevice>();
        device->id = *id;
        device->callback = flags == CALLBACK_FUNCTION ? callback : nullptr;
        device->instance = instance;
        const MMRESULT result = openConnection(slot, device->connection);
        if (result != MMSYSERR_NOERROR) return result;
        *handle = reinterpret_cast<HMIDIOUT>(device.get());
        if (device->callback)
            device->connection->setConnectionNotice({&tellConnected, reinterpret_cast<uintptr_t>(device.get())});
        open_.push_back(std::move(device));
        return MMSYSERR_NOERROR;
    }

    MMRESULT midiOutShortMsg(HMIDIOUT handle, uint32_t message) override
    {
        OpenDevice* device = find(handle);
        if (!device) return MMSYSERR_INVALHANDLE;
        const uint8_t bytes[3] = {static_cast<uint8_t>(message), static_cast<uint8_t>(message >> 8),
                                  static_cast<uint8_t>(message >> 16)};
        const size_t length = shortMessageLength(bytes[0]);
        if (length == 0) return MMSYSERR_INVALPARAM;
        if (!present(*device)) return MIDIERR_NODEVICE;
        return device->connection->sendShort(bytes, length);
    }

    MMRESULT midiOutPrepareHeader(HMIDIOUT handle, MIDIHDR* header, uint32_t size) override
    {
        if (!find(handle)) return MMSYSERR_INVALHANDLE;
        if (!header || size < kMinMidiHeaderSize || !header->lpData) return MMSYSERR_INVALPARAM;
        header->dwFlags |= MHDR_PREPARED;
        return MMSYSERR_NOERROR;
    }

    MMRESULT midiOutLongMsg(HMIDIOUT handle, MIDIHDR* header, uint32_t size) override
    {
        OpenDevice* device = find(handle);
        if (!device) return MMSYSERR_INVALHANDLE;
        if (!header || size < kMinMidiHeaderSize) return MMSYSERR_INVALPARAM;
        if (!(header->dwFlags & MHDR_PREPARED)) return MIDIERR_UNPREPARED;
        if (header->dwFlags & MHDR_INQUEUE) return MIDIERR_STILLPLAYING;
        if (!header->lpData || header->dwBufferLength == 0) return MMSYSERR_INVALPARAM;
        if (!present(*device)) return MIDIERR_NODEVICE;
        const MMRESULT result =
            device->connection->sendLong(reinterpret_cast<const uint8_t*>(header->lpData), header->dwBufferLength);
        if (result != MMSYSERR_NOERROR) return result;
        header->dwFlags = (header->dwFlags & ~MHDR_DONE) | MHDR_INQUEUE;
        done_.post({device->callback, handle, device->instance, header});
        return MMSYSERR_NOERROR;
    }

    MMRESULT midiOutUnprepareHeader(HMIDIOUT handle, MIDIHDR* header, uint32_t size) override
    {
        if (!find(handle)) return MMSYSERR_INVALHANDLE;
        if (!header || size < kMinMidiHeaderSize) return MMSYSERR_INVALPARAM;
        if (header->dwFlags & MHDR_INQUEUE) return MIDIERR_STILLPLAYING;
        header->dwFlags &= ~MHDR_PREPARED;
        return MMSYSERR_NOERROR;
    }

    MMRESULT midiOutClose(HMIDIOUT handle) override
    {
        OpenDevice* device = find(handle);
        if (!device) return MMSYSERR_INVALHANDLE;
        // Every done report reaches the owner before the close returns, never after.
        done_.flush();
        std::erase_if(open_, [&](const auto& open) { return open.get() == device; });
        return MMSYSERR_NOERROR;
    }

    MMRESULT midiOutGetErrorTextA(MMRESULT code, char* text, uint32_t size) override
    {
        return midiErrorText(code, text, size);
    }

    bool midiOutWatchDevices(MidiOutDevicesChanged changed, uintptr_t instance) override
    {
        bool everyChangeTold = true;
        for (const auto& backend : backends_) everyChangeTold = backend->watch({changed, instance}) && everyChangeTold;
        return everyChangeTold;
    }

    // Asked back end by back end, so that the destination found gets ready while the later back ends
    // are still being asked for the list. The destination found is kept: asked again for the same
    // name, only its readiness is asked.
    bool midiOutWarmUp(const std::string& productName) override
    {
        if (!warming_ || warming_->name != productName) warming_ = findWarmUp(productName);
        return !warming_->backend || warming_->backend->warmUp(warming_->key);
    }

private:
    struct WarmUp {
        std::string name;
        MidiBackend* backend = nullptr;  // none: no destination of that name is listed
        std::string key;
    };

    WarmUp findWarmUp(const std::string& productName)
    {
        for (const auto& backend : backends_) {
            for (const MidiDestination& destination : scanQuietly(*backend)) {
                if (productName.empty() || samePortName(destination.name, productName))
                    return {productName, backend.get(), destination.key};
            }
        }
        return {productName, nullptr, {}};
    }

    // The connection's thread; the device outlives its connection, which is closed first.
    static void tellConnected(uintptr_t context) noexcept
    {
        const auto* device = reinterpret_cast<const OpenDevice*>(context);
        device->callback(reinterpret_cast<HMIDIOUT>(context), MOM_CONNECTED, device->instance, 0, 0);
    }

    void rescan()
    {
        std::vector<std::vector<MidiDestination>> listed;
        listed.reserve(backends_.size());
        for (const auto& backend : backends_) listed.push_back(scanQuietly(*backend));
        table_.refresh(listed);
    }

    // The back ends report by result; anything they throw after all stays inside the driver.
    static std::vector<MidiDestination> scanQuietly(MidiBackend& backend)
    {
        try {
            return backend.scan();
        } catch (...) {
            return {};
        }
    }

    MMRESULT openConnection(const DeviceSlot& slot, std::unique_ptr<MidiConnection>& connection)
    {
        try {
            return backends_[slot.backend]->open(slot.key, connection);
        } catch (const std::bad_alloc&) {
            return MMSYSERR_NOMEM;
        } catch (...) {
            return MMSYSERR_ERROR;
        }
    }

    bool present(const OpenDevice& device) const
    {
        return device.connection->followsDestination() || table_.slot(device.id).present;
    }

    OpenDevice* find(HMIDIOUT handle) const
    {
        for (const auto& device : open_)
            if (reinterpret_cast<HMIDIOUT>(device.get()) == handle) return device.get();
        return nullptr;
    }

    std::vector<std::unique_ptr<MidiBackend>> backends_;
    DeviceTable table_;
    std::optional<WarmUp> warming_;
    std::vector<std::unique_ptr<OpenDevice>> open_;
    DoneNotifier done_;   // last: its thread ends before anything it reports about goes
};

} // namespace

std::unique_ptr<MidiServices> createBackendMidiDriver(std::vector<std::unique_ptr<MidiBackend>> backends)
{
    return std::make_unique<BackendMidiDriver>(std::move(backends));
}
