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

    // Creates the synthesizer, loads the SoundFont and starts audio output. MMSYSERR_ALLOCATED when
    // already open, MIDIERR_NOAUDIO when no audio output works; nothing is printed either way.
    MMRESULT open();
    // Plays one packed short message at once; called on the GUI thread, never allocates. FluidSynth's
    // thread-safe API takes the synthesizer's lock, which the audio thread also holds while it renders
    // a block, so a call may wait that long.
    // MMSYSERR_INVALPARAM when the low byte is not a status byte.
    MMRESULT shortMessage(uint32_t message);
    // Passes one system exclusive message (with its F0 ... F7 framing) to the synthesizer;
    // MMSYSERR_INVALPARAM when the framing is missing.
    MMRESULT longMessage(const uint8_t* bytes, size_t length);
    // Stops audio and frees the synthesizer and the SoundFont; harmless when not open.
    // Short and long messages on a closed device give MMSYSERR_INVALHANDLE.
    void close();
    bool isOpen() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
