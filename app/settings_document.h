// TSettingsDocument: everything the settings file keeps, in section "Settings": the window's outer
// bounds, the pad's image file, the MIDI output port and channel, and the playing choices. The file,
// the session and the window all go through it; two documents are equal exactly when saving them
// would store the same values.
#pragma once

#include "pad/playing.h"

#include <cstdint>
#include <string>

struct WindowBounds {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const WindowBounds&) const = default;
};

struct TSettingsDocument {
    WindowBounds bounds;    // as the window has them in its normal state
    std::string imageFile;  // the file name's bytes; empty: the built-in picture
    std::string midiOutPort;
    int32_t midiOutChannel = 1;  // 1..16 as saved; read as stored
    TPlayingSettings playing;

    bool operator==(const TSettingsDocument&) const = default;

    // The document `fileName` holds, each value it lacks or cannot give taken from `current`. A
    // playing value out of its range is clamped, a low note above the high one is taken as the two
    // swapped, and an unknown name of a scale, root or other choice gives its default (Chromatic, C, ...).
    static TSettingsDocument Load(const std::string& fileName, const TSettingsDocument& current);
    // Writes the bounds (only `withBounds`), the port, the channel and, when one is set, the image
    // file; then each playing choice that differs from its default or is already in the file; all in
    // one replacement of the file. A failed write raises "Unable to write to <file name>" and skips the rest.
    void Save(const std::string& fileName, bool withBounds) const;
};
