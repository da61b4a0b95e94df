// The MIDI output services the program is written against: a device table with open, close,
// short and long messages and error texts. Every call returns a result code, 0 meaning success.
// The process has one current driver: the system's (ALSA sequencer, JACK, built-in synthesizer)
// unless a test has installed one of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

using MMRESULT = uint32_t;

// Result codes of the MIDI services. Each has one text, given by midiOutGetErrorTextA.
enum : MMRESULT {
    MMSYSERR_NOERROR = 0,
    MMSYSERR_ERROR = 1,         // unspecified failure of the back end
    MMSYSERR_BADDEVICEID = 2,   // no device of that number
    MMSYSERR_ALLOCATED = 4,     // device already open
    MMSYSERR_INVALHANDLE = 5,   // handle is not an open device
    MMSYSERR_NOMEM = 7,         // out of memory
    MMSYSERR_BADERRNUM = 9,     // result code has no text
    MMSYSERR_INVALPARAM = 11,   // bad pointer, size or flags
    MIDIERR_UNPREPARED = 64,    // header not prepared
    MIDIERR_STILLPLAYING = 65,  // header still queued
    MIDIERR_NOTREADY = 67,      // output queue full: try again
    MIDIERR_NODEVICE = 68,      // device went away while open
    MIDIERR_NOAUDIO = 80,       // built-in synthesizer found no working audio output
    MIDIERR_NOSERVER = 81,      // no JACK server runs
    MIDIERR_LASTERROR = MIDIERR_NOSERVER,
};

constexpr uint32_t MIDI_MAPPER = 4294967295u;        // stands for the first listed device
constexpr uint32_t CALLBACK_FUNCTION = 196608u;      // the callback is a plain function
constexpr uint32_t MOM_DONE = 969u;                  // long message finished: param1 = header address
constexpr uint32_t MOM_CONNECTED = 976u;             // a destination connected to the open output after its open
constexpr uint32_t MAXPNAMELEN = 32;
constexpr uint32_t MAXERRORLENGTH = 128;

// Capability record of one output device (52 bytes).
struct MIDIOUTCAPSA {
    uint16_t wMid;
    uint16_t wPid;
    uint32_t vDriverVersion;
    char szPname[MAXPNAMELEN];   // zero-terminated unless the name fills all 32 bytes
    uint16_t wTechnology;
    uint16_t wVoices;
    uint16_t wNotes;
    uint16_t wChannelMask;
    uint32_t dwSupport;
};
static_assert(sizeof(MIDIOUTCAPSA) == 52);

// The record's device name: up to its first zero byte, or all 32 bytes when it has none.
std::string productNameOf(const MIDIOUTCAPSA& caps);

// Header of one long (system exclusive) message. Address-sized fields are pointer-sized.
struct MIDIHDR {
    char* lpData;
    uint32_t dwBufferLength;
    uint32_t dwBytesRecorded;
    uintptr_t dwUser;
    uint32_t dwFlags;
    MIDIHDR* lpNext;
    uintptr_t reserved;
    uint32_t dwOffset;
    uintptr_t dwReserved[4];
};

constexpr uint32_t MHDR_DONE = 1;
constexpr uint32_t MHDR_PREPARED = 2;
constexpr uint32_t MHDR_INQUEUE = 4;

struct MidiOutDevice;                 // opaque: one open device of a driver
using HMIDIOUT = MidiOutDevice*;

// Called by the driver from a thread of its own: (device, message, instance data, param1, param2).
using MidiOutCallback = void (*)(HMIDIOUT, uint32_t, uintptr_t, uintptr_t, uintptr_t);
// Called by the driver from any thread, without allocating or locking: the devices listed may have changed.
using MidiOutDevicesChanged = void (*)(uintptr_t instance) noexcept;

class MidiServices {
public:
    virtual ~MidiServices() = default;
    virtual uint32_t midiOutGetNumDevs() = 0;
    virtual MMRESULT midiOutGetDevCapsA(uint32_t deviceId, MIDIOUTCAPSA* caps, uint32_t size) = 0;
    virtual MMRESULT midiOutOpen(HMIDIOUT* handle, uint32_t deviceId, MidiOutCallback callback,
                                 uintptr_t instance, uint32_t flags) = 0;
    virtual MMRESULT midiOutShortMsg(HMIDIOUT handle, uint32_t message) = 0;
    virtual MMRESULT midiOutPrepareHeader(HMIDIOUT handle, MIDIHDR* header, uint32_t size) = 0;
    virtual MMRESULT midiOutLongMsg(HMIDIOUT handle, MIDIHDR* header, uint32_t size) = 0;
    virtual MMRESULT midiOutUnprepareHeader(HMIDIOUT handle, MIDIHDR* header, uint32_t size) = 0;
    virtual MMRESULT midiOutClose(HMIDIOUT handle) = 0;
    virtual MMRESULT midiOutGetErrorTextA(MMRESULT code, char* text, uint32_t size) = 0;
    // Beyond the table: from now on `changed(instance)` is called when a device may have come or gone,
    // until the next call (a null `changed` stops it). True when every such change is told; false while
    // some are not (no JACK server to ask), so that the caller looks again now and then.
    virtual bool midiOutWatchDevices(MidiOutDevicesChanged, uintptr_t) { return false; }
    // Beyond the table: the device of this product name, or with an empty name the first one listed,
    // is about to be opened. What takes long to make ready (the built-in synthesizer) starts on a
    // thread of its own, so that the open waits less. True once it is ready, or when nothing needs to
    // be; asked again for the same name, it only answers that.
    virtual bool midiOutWarmUp(const std::string&) { return true; }
};

// The current driver: the system's, created on first use, or the one installed last.
MidiServices& currentMidiServices();

// Makes `driver` the current one (not owned); nullptr returns to the system's driver.
void installMidiServices(MidiServices* driver);

// While held, the system's driver is neither made nor asked for its devices (which would register
// JACK and ALSA clients): midiOutGetNumDevs answers 0 unless a driver is installed. A program under a
// session manager holds them until the session opens. Call on the GUI thread.
void holdSystemMidiServices(bool held);
// Makes the system's driver on a thread of its own: its first look at the sound servers takes tens of
// milliseconds. True once it is made (or a driver is installed); until then the first call that needs
// it waits for it. Call on the GUI thread, once the services are no longer held.
bool prepareSystemMidiServices();

// The services as free functions on the current driver.
uint32_t midiOutGetNumDevs();
MMRESULT midiOutGetDevCapsA(uint32_t deviceId, MIDIOUTCAPSA* caps, uint32_t size);
MMRESULT midiOutOpen(HMIDIOUT* handle, uint32_t deviceId, MidiOutCallback callback, uintptr_t instance,
                     uint32_t flags);
MMRESULT midiOutShortMsg(HMIDIOUT handle, uint32_t message);
MMRESULT midiOutPrepareHeader(HMIDIOUT handle, MIDIHDR* header, uint32_t size);
MMRESULT midiOutLongMsg(HMIDIOUT handle, MIDIHDR* header, uint32_t size);
MMRESULT midiOutUnprepareHeader(HMIDIOUT handle, MIDIHDR* header, uint32_t size);
MMRESULT midiOutClose(HMIDIOUT handle);
MMRESULT midiOutGetErrorTextA(MMRESULT code, char* text, uint32_t size);
bool midiOutWatchDevices(MidiOutDevicesChanged changed, uintptr_t instance);
bool midiOutWarmUp(const std::string& productName);
