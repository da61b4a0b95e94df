// Result-code texts of the MIDI services; see midi_error_text.h.
#include "platform/midi_error_text.h"

#include <algorithm>
#include <cstring>

namespace {

const char* textOf(MMRESULT code)
{
    switch (code) {
    case MMSYSERR_NOERROR: return "The MIDI operation succeeded";
    case MMSYSERR_ERROR: return "The MIDI back end reported a failure";
    case MMSYSERR_BADDEVICEID: return "There is no MIDI output device with that number";
    case MMSYSERR_ALLOCATED: return "The MIDI output device is already in use";
    case MMSYSERR_INVALHANDLE: return "The MIDI output handle does not stand for an open device";
    case MMSYSERR_NOMEM: return "There is not enough memory for the MIDI output";
    case MMSYSERR_BADERRNUM: return "The MIDI result code is unknown";
    case MMSYSERR_INVALPARAM: return "A MIDI output call was given an invalid message, address, size or flag";
    case MIDIERR_UNPREPARED: return "The MIDI message header has not been prepared";
    case MIDIERR_STILLPLAYING: return "The MIDI message header is still queued for output";
    case MIDIERR_NOTREADY: return "The MIDI output device is busy: its queue is full";
    case MIDIERR_NODEVICE: return "The MIDI output device went away";
    case MIDIERR_NOAUDIO: return "No audio output answered; start PipeWire, PulseAudio or JACK, or connect a sound card";
    case MIDIERR_NOSERVER: return "No JACK server is running; start JACK or PipeWire, then choose the port again";
    default: return nullptr;
    }
}

} // namespace

MMRESULT midiErrorText(MMRESULT code, char* text, uint32_t size)
{
    if (!text || size == 0) return MMSYSERR_INVALPARAM;
    const char* source = textOf(code);
    if (!source) {
        text[0] = '\0';
        return MMSYSERR_BADERRNUM;
    }
    const size_t length = std::min<size_t>(std::strlen(source), size - 1);
    std::memcpy(text, source, length);
    text[length] = '\0';
    return MMSYSERR_NOERROR;
}
