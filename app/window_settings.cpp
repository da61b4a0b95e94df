// The settings steps of the main window's creation and destruction.
#include "app/window_settings.h"

#include "app/settings_file.h"
#include "platform/checked_math.h"

#include <algorithm>
#include <functional>

namespace {

const std::string section = "Settings";

// Runs one step of loading; its error is shown and does not keep the later steps from running.
void applyOnItsOwn(SettingsHost& window, const std::function<void()>& step)
{
    try {
        step();
    } catch (const std::exception& error) {
        window.showError(error);
    }
}

// Stored bounds far out of range would overflow the toolkit's edge arithmetic: refuse them first.
void checkEdges(const WindowBounds& bounds, const WindowBounds& minimum)
{
    checked::add(bounds.left, std::max(bounds.width, minimum.width));
    checked::add(bounds.top, std::max(bounds.height, minimum.height));
}

} // namespace

void loadWindowSettings(SettingsHost& window, const std::string& fileName)
{
    const TSettingsFile settings(fileName);
    const WindowBounds current = window.outerBounds();
    const WindowBounds stored{settings.ReadInteger(section, "Left", current.left),
                              settings.ReadInteger(section, "Top", current.top),
                              settings.ReadInteger(section, "Width", current.width),
                              settings.ReadInteger(section, "Height", current.height)};
    applyOnItsOwn(window, [&] {
        if (!window.isWindowStateNormal()) return;
        checkEdges(stored, window.minimumSize());
        window.setOuterBounds(stored);
    });
    applyOnItsOwn(window, [&] { window.SetImageFile(settings.ReadString(section, "ImageFile", window.imageFileName())); });
    applyOnItsOwn(window, [&] { window.SetMidiOutPort(settings.ReadString(section, "MidiOutPort", window.midiOutPortName())); });
    applyOnItsOwn(window, [&] {
        window.SetMidiOutChannel(settings.ReadInteger(section, "MidiOutChannel", window.GetMidiOutChannel()));
    });
}

void saveWindowSettings(const SettingsHost& window, const std::string& fileName)
{
    TSettingsFile settings(fileName);
    if (window.isWindowStateNormal()) {
        const WindowBounds bounds = window.outerBounds();
        settings.WriteInteger(section, "Left", bounds.left);
        settings.WriteInteger(section, "Top", bounds.top);
        settings.WriteInteger(section, "Width", bounds.width);
        settings.WriteInteger(section, "Height", bounds.height);
    }
    settings.WriteString(section, "MidiOutPort", window.midiOutPortName());
    settings.WriteInteger(section, "MidiOutChannel", window.GetMidiOutChannel());
    const std::string image = window.imageFileName();
    if (!image.empty()) settings.WriteString(section, "ImageFile", image);
}
