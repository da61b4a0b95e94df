// Holds the process's current MIDI driver and forwards the free functions to it.
#include "platform/midi_services.h"

#include "platform/system_midi_driver.h"

#include <atomic>
#include <chrono>
#include <future>
#include <cstring>
#include <memory>

namespace {

std::atomic<MidiServices*> installed{nullptr};
bool systemHeld = false;

// Held and in use: no driver of a test stands in for the system's.
bool systemDriverHeld() { return systemHeld && !installed.load(std::memory_order_acquire); }

// The system's driver being made on a thread of its own; only the GUI thread touches it.
std::future<std::unique_ptr<MidiServices>>& driverBeingMade()
{
    static std::future<std::unique_ptr<MidiServices>> made;
    return made;
}
bool systemDriverMade = false;

MidiServices& systemDriver()
{
    static const std::unique_ptr<MidiServices> driver = [] {
        std::future<std::unique_ptr<MidiServices>>& made = driverBeingMade();
        auto result = made.valid() ? made.get() : createSystemMidiDriver();
        systemDriverMade = true;
        return result;
    }();
    return *driver;
}

} // namespace

std::string productNameOf(const MIDIOUTCAPSA& caps)
{
    return std::string(caps.szPname, strnlen(caps.szPname, sizeof caps.szPname));
}

MidiServices& currentMidiServices()
{
    MidiServices* driver = installed.load(std::memory_order_acquire);
    return driver ? *driver : systemDriver();
}

void installMidiServices(MidiServices* driver) { installed.store(driver, std::memory_order_release); }

void holdSystemMidiServices(bool held) { systemHeld = held; }

bool prepareSystemMidiServices()
{
    if (systemDriverMade || installed.load(std::memory_order_acquire)) return true;
    std::future<std::unique_ptr<MidiServices>>& made = driverBeingMade();
    if (!made.valid()) made = std::async(std::launch::async, &createSystemMidiDriver);
    return made.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

uint32_t midiOutGetNumDevs()
{
    if (systemDriverHeld()) return 0;
    return currentMidiServices().midiOutGetNumDevs();
}

MMRESULT midiOutGetDevCapsA(uint32_t deviceId, MIDIOUTCAPSA* caps, uint32_t size)
{
    return currentMidiServices().midiOutGetDevCapsA(deviceId, caps, size);
}

MMRESULT midiOutOpen(HMIDIOUT* handle, uint32_t deviceId, MidiOutCallback callback, uintptr_t instance,
                     uint32_t flags)
{
    return currentMidiServices().midiOutOpen(handle, deviceId, callback, instance, flags);
}

MMRESULT midiOutShortMsg(HMIDIOUT handle, uint32_t message)
{
    return currentMidiServices().midiOutShortMsg(handle, message);
}

MMRESULT midiOutPrepareHeader(HMIDIOUT handle, MIDIHDR* header, uint32_t size)
{
    return currentMidiServices().midiOutPrepareHeader(handle, header, size);
}

MMRESULT midiOutLongMsg(HMIDIOUT handle, MIDIHDR* header, uint32_t size)
{
    return currentMidiServices().midiOutLongMsg(handle, header, size);
}

MMRESULT midiOutUnprepareHeader(HMIDIOUT handle, MIDIHDR* header, uint32_t size)
{
    return currentMidiServices().midiOutUnprepareHeader(handle, header, size);
}

MMRESULT midiOutClose(HMIDIOUT handle) { return currentMidiServices().midiOutClose(handle); }

MMRESULT midiOutGetErrorTextA(MMRESULT code, char* text, uint32_t size)
{
    return currentMidiServices().midiOutGetErrorTextA(code, text, size);
}

bool midiOutWatchDevices(MidiOutDevicesChanged changed, uintptr_t instance)
{
    // A held system driver is not made for this; the caller asks again once it is released.
    if (systemDriverHeld()) return false;
    return currentMidiServices().midiOutWatchDevices(changed, instance);
}

bool midiOutWarmUp(const std::string& productName)
{
    if (systemDriverHeld()) return true;
    return currentMidiServices().midiOutWarmUp(productName);
}
