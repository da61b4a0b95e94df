// Placeholder system driver: no back end yet, so no devices.
#include "platform/system_midi_driver.h"

#include <cstring>

namespace {

class NoDeviceDriver final : public MidiServices {
public:
    uint32_t midiOutGetNumDevs() override { return 0; }
    MMRESULT midiOutGetDevCapsA(uint32_t, MIDIOUTCAPSA*, uint32_t) override { return MMSYSERR_BADDEVICEID; }
    MMRESULT midiOutOpen(HMIDIOUT*, uint32_t, MidiOutCallback, uintptr_t, uint32_t) override
    {
        return MMSYSERR_BADDEVICEID;
    }
    MMRESULT midiOutShortMsg(HMIDIOUT, uint32_t) override { return MMSYSERR_INVALHANDLE; }
    MMRESULT midiOutPrepareHeader(HMIDIOUT, MIDIHDR*, uint32_t) override { return MMSYSERR_INVALHANDLE; }
    MMRESULT midiOutLongMsg(HMIDIOUT, MIDIHDR*, uint32_t) override { return MMSYSERR_INVALHANDLE; }
    MMRESULT midiOutUnprepareHeader(HMIDIOUT, MIDIHDR*, uint32_t) override { return MMSYSERR_INVALHANDLE; }
    MMRESULT midiOutClose(HMIDIOUT) override { return MMSYSERR_INVALHANDLE; }
    MMRESULT midiOutGetErrorTextA(MMRESULT, char* text, uint32_t size) override
    {
        if (text && size) text[0] = '\0';
        return MMSYSERR_BADDEVICEID;
    }
};

} // namespace

std::unique_ptr<MidiServices> createSystemMidiDriver() { return std::make_unique<NoDeviceDriver>(); }
