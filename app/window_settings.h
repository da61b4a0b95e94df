// Loading and saving the main window's settings: its outer bounds, the MIDI output port, the channel,
// the pad's image file and its playing choices, in section "Settings" of the settings file. The window provides the
// operations through SettingsHost, so the steps run the same for the real window and in tests.
#pragma once

#include "pad/playing.h"

#include <cstdint>
#include <exception>
#include <string>

struct WindowBounds {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

class SettingsHost {
public:
    virtual ~SettingsHost() = default;
    virtual WindowBounds outerBounds() const = 0;
    virtual bool isWindowStateNormal() const = 0;  // neither minimised, maximised nor full screen
    virtual void setOuterBounds(const WindowBounds& bounds) = 0;  // in one call; the minimum size applies
    virtual WindowBounds minimumSize() const = 0;                 // width and height only
    virtual std::string imageFileName() const = 0;
    virtual void SetImageFile(const std::string& name) = 0;
    virtual std::string midiOutPortName() const = 0;
    virtual void SetMidiOutPort(const std::string& name) = 0;
    virtual int32_t GetMidiOutChannel() const = 0;
    virtual void SetMidiOutChannel(int32_t value) = 0;
    virtual TPlayingSettings GetPlaying() const = 0;
    virtual void SetPlaying(const TPlayingSettings& settings) = 0;
    virtual void showError(const std::exception& error) = 0;  // the application's error display
};

// Reads the file and applies it: the bounds (only in the normal window state), then the image file,
// the port, the channel and the playing choices. A playing value out of its range is clamped, a low
// note above the high one is taken as the two swapped, and an unknown name of a scale, root or other choice gives its default (Chromatic, C, ...). Each value is applied on its own: an error while applying one is shown
// and the others are still applied, so no stored value is lost by the next save.
void loadWindowSettings(SettingsHost& window, const std::string& fileName);

// Writes the bounds (only in the normal window state), the port, the channel and, when one is set,
// the image file; then each playing choice that differs from its default or is already in the file; all
// in one replacement of the file. A failed write raises "Unable to write to <file name>" and skips the rest.
void saveWindowSettings(const SettingsHost& window, const std::string& fileName);
