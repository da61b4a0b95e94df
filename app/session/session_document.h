// SessionDocument: the narrow interface between a session and the program's state.
#pragma once

#include "app/settings_document.h"

// What a session asks of the program's state; the main window provides it.
class SessionDocument {
public:
    virtual ~SessionDocument() = default;
    // Registers with the MIDI back ends and loads SettingsFileName(): the session's settings file
    // after an open, the ordinary one when session management was given up.
    virtual void OpenSettings() = 0;
    // Writes SettingsFileName(); raises, with the reason, when it cannot.
    virtual void SaveSettingsNow() = 0;
    // The state a save writes.
    virtual TSettingsDocument Settings() const = 0;
};
