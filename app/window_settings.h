// Loading the main window's settings document and applying it, and saving the window's document. The
// window provides the operations through SettingsHost, so the steps run the same for the real window
// and in tests.
#pragma once

#include "app/settings_document.h"

#include <cstdint>
#include <exception>
#include <string>

class SettingsHost {
public:
    virtual ~SettingsHost() = default;
    // Minimised or maximised, the bounds the window will have again when restored.
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

// The window's document: the bounds as the window has them in its normal state, the rest as shown.
TSettingsDocument documentOf(const SettingsHost& window);

// Reads the file and applies it: the bounds (only in the normal window state), then the image file,
// the port, the channel and the playing choices. Each value is applied on its own: an error while
// applying one is shown and the others are still applied, so no stored value is lost by the next save.
void loadWindowSettings(SettingsHost& window, const std::string& fileName);

// Saves the window's document; the bounds only in the normal window state.
void saveWindowSettings(const SettingsHost& window, const std::string& fileName);
