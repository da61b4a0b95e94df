// The settings steps of the main window's creation and destruction.
#include "app/window_settings.h"

#include "app/guarded.h"
#include "platform/checked_math.h"

#include <algorithm>

namespace {

// Runs one step of loading; its error is shown and does not keep the later steps from running.
template <class Step> void applyOnItsOwn(SettingsHost& window, Step step)
{
    runGuarded(step, [&window](const std::exception& error) { window.showError(error); });
}

// Stored bounds far out of range would overflow the toolkit's edge arithmetic: refuse them first.
void checkEdges(const WindowBounds& bounds, const WindowBounds& minimum)
{
    checked::add(bounds.left, std::max(bounds.width, minimum.width));
    checked::add(bounds.top, std::max(bounds.height, minimum.height));
}

} // namespace

TSettingsDocument documentOf(const SettingsHost& window)
{
    return {window.outerBounds(), window.imageFileName(), window.midiOutPortName(), window.GetMidiOutChannel(),
            window.GetPlaying()};
}

void loadWindowSettings(SettingsHost& window, const std::string& fileName)
{
    const TSettingsDocument stored = TSettingsDocument::Load(fileName, documentOf(window));
    applyOnItsOwn(window, [&] {
        if (!window.isWindowStateNormal()) return;
        checkEdges(stored.bounds, window.minimumSize());
        window.setOuterBounds(stored.bounds);
    });
    applyOnItsOwn(window, [&] { window.SetImageFile(stored.imageFile); });
    applyOnItsOwn(window, [&] { window.SetMidiOutPort(stored.midiOutPort); });
    applyOnItsOwn(window, [&] { window.SetMidiOutChannel(stored.midiOutChannel); });
    applyOnItsOwn(window, [&] { window.SetPlaying(stored.playing); });
}

void saveWindowSettings(const SettingsHost& window, const std::string& fileName)
{
    documentOf(window).Save(fileName, window.isWindowStateNormal());
}
