// TFormMain's side of a session: the start that waits for the session's open, saving on request and
// on close, and the state compared to tell the session manager of unsaved changes.
#include "app/form_main.h"

#include "app/session/nsm_client.h"

#include <sstream>
#include <type_traits>

// Without a session this runs while the window is made, and the port starts after the first frame;
// a session's open comes later and starts it at once.
void TFormMain::OpenSettings()
{
    Guarded([this] { LoadSettings(); });
    settingsOpened_ = true;
    if (session_) StartMidiOutPort();
}

void TFormMain::SaveSettingsNow()
{
    SaveSettings();
}

// The manager's quit is a signal: the session keeps what its last save wrote.
bool TFormMain::SavesOnClose() const
{
    return !session_ || session_->SavesOnClose(closingBySignal_);
}

void TFormMain::SettingsMayHaveChanged()
{
    if (session_) session_->SettingsMayHaveChanged();
}

// Every value the settings file stores, as the steps of saving read them.
std::string TFormMain::SettingsText() const
{
    std::ostringstream text;
    // Minimised or maximised, the file keeps the bounds the window will have again when restored.
    const QRect bounds = IsWindowStateNormal() ? OuterBounds() : normalBounds_;
    text << bounds.left() << ' ' << bounds.top() << ' ' << bounds.width() << ' ' << bounds.height();
    text << '\n' << currentImageFileName().toStdString() << '\n' << StoredMidiOutPortName().toStdString() << '\n'
         << GetMidiOutChannel() << '\n';
    // The playing choices byte for byte: a struct without padding compares by its bytes.
    static_assert(std::has_unique_object_representations_v<TPlayingSettings>);
    const TPlayingSettings& playing = GetPlaying();
    text.write(reinterpret_cast<const char*>(&playing), sizeof playing);
    return text.str();
}
