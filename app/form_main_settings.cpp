// TFormMain's settings file steps: loading at the end of creation, saving at the start of destruction,
// through the window's side of the settings host.
#include "app/form_main.h"

#include "app/program_paths.h"
#include "app/window_settings.h"
#include "platform/file_name.h"

class TFormMainSettingsHost final : public SettingsHost {
public:
    explicit TFormMainSettingsHost(TFormMain& form) : form_(form) {}

    WindowBounds outerBounds() const override
    {
        const QRect bounds = form_.OuterBounds();
        return {bounds.left(), bounds.top(), bounds.width(), bounds.height()};
    }
    bool isWindowStateNormal() const override { return form_.IsWindowStateNormal(); }
    void setOuterBounds(const WindowBounds& bounds) override
    {
        form_.SetOuterBounds(QRect(bounds.left, bounds.top, bounds.width, bounds.height));
    }
    WindowBounds minimumSize() const override
    {
        return {0, 0, TFormMain::kMinimumSize.width(), TFormMain::kMinimumSize.height()};
    }
    std::string imageFileName() const override { return fileNameToBytes(form_.currentImageFileName()); }
    void SetImageFile(const std::string& name) override { form_.setImageFile(fileNameFromBytes(name)); }
    std::string midiOutPortName() const override { return form_.StoredMidiOutPortName().toStdString(); }
    // Opened by StartMidiOutPort, once the window shows.
    void SetMidiOutPort(const std::string& name) override { form_.storedPortName_ = QString::fromStdString(name); }
    int32_t GetMidiOutChannel() const override { return form_.GetMidiOutChannel(); }
    void SetMidiOutChannel(int32_t value) override { form_.SetMidiOutChannel(value); }
    TPlayingSettings GetPlaying() const override { return form_.GetPlaying(); }
    void SetPlaying(const TPlayingSettings& settings) override { form_.SetPlaying(settings); }
    void showError(const std::exception& error) override { form_.ShowHandlerError(error); }

private:
    TFormMain& form_;
};

void TFormMain::LoadSettings()
{
    TFormMainSettingsHost host(*this);
    loadWindowSettings(host, SettingsFileName());
}

void TFormMain::SaveSettings()
{
    const TFormMainSettingsHost host(*this);
    createSettingsFolder();
    saveWindowSettings(host, SettingsFileName());
}
