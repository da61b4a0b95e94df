// The built-in synthesizer device: FluidSynth with a General MIDI SoundFont from the system,
// played through the first audio output that works. Nothing is created before open().
#pragma once

#include "platform/midi_services.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class BuiltinSynth {
public:
    static constexpr const char* kDeviceName = "Built-in synthesizer";

    // The SoundFont the synthesizer would load, or empty when none is installed (then it is not listed).
    static std::string soundFontPath();

    BuiltinSynth();
    ~BuiltinSynth();
    BuiltinSynth(const BuiltinSynth&) = delete;
    BuiltinSynth& operator=(const BuiltinSynth&) = delete;

    // The synthesizer made and the SoundFont's header checked: the part of an open that may be made
    // ahead on any thread. Each is opened at most once.
    struct Parts;
    // `audioAhead`: also starts the system's audio driver for it (not the installed test output), so
    // that the open only adopts it.
    static std::shared_ptr<Parts> makeParts(bool audioAhead = false);

    // Makes the parts (unless given) and starts audio output; the SoundFont loads meanwhile on a
    // thread of its own, and what is played before it is in sounds once it is. MMSYSERR_ALLOCATED
    // when already open, MMSYSERR_ERROR when the file found is no SoundFont, MIDIERR_NOAUDIO when no
    // audio output works; nothing is printed either way.
    MMRESULT open();
    MMRESULT open(std::shared_ptr<Parts> parts);
    // Plays one packed short message; called on one thread (the GUI thread), never allocates or waits
    // for a load: while one runs, the message queues behind it. Otherwise it plays at once through
    // FluidSynth's thread-safe API, whose lock the audio thread also holds while it renders a block.
    // MMSYSERR_INVALPARAM when the low byte is not a status byte, MMSYSERR_ERROR when the SoundFont
    // could not be loaded, MIDIERR_NOTREADY when the queue is full (never for a note off).
    MMRESULT shortMessage(uint32_t message);
    // Passes one system exclusive message (with its F0 ... F7 framing) to the synthesizer, as above;
    // MMSYSERR_INVALPARAM when the framing is missing or it is longer than the queue takes.
    MMRESULT longMessage(const uint8_t* bytes, size_t length);
    // Stops audio and frees the synthesizer and the SoundFont; harmless when not open.
    // Short and long messages on a closed device give MMSYSERR_INVALHANDLE.
    void close();
    bool isOpen() const;

private:
    MMRESULT send(const uint8_t* bytes, size_t length);

    struct Impl;
    std::unique_ptr<Impl> impl_;
};
