// TFormMain's event handlers and the settings' operations: the pad's pointer and wheel, the computer
// keyboard, the buttons and shortcuts, the port and channel, the Playing panel and the picture.
#include "app/form_main.h"

#include "app/application_title.h"
#include "app/message_presenter.h"
#include "app/pad_page.h"
#include "app/picture_dialog.h"
#include "app/playing_panel.h"
#include "app/port_selector.h"
#include "app/program_paths.h"
#include "app/settings_page.h"
#include "app/spin_edit.h"
#include "pad/computer_keyboard.h"
#include "pad/image_pad.h"
#include "pad/pad_image.h"

#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTabWidget>

namespace {

// The folder part of a file name, up to and including its last separator.
QString folderOf(const QString& fileName)
{
    return fileName.left(fileName.lastIndexOf(u'/') + 1);
}

} // namespace

void TFormMain::ImagePadMouseDown(TShiftState shift, int32_t x, int32_t y)
{
    startUp_.StartPorts();
    Guarded([&] { performer_.PadDown(shift, x, y); });
}

void TFormMain::ImagePadMouseUp(TShiftState shift, int32_t x, int32_t y)
{
    Guarded([&] { performer_.PadUp(shift, x, y); });
}

void TFormMain::ImagePadMouseMove(int32_t x, int32_t y)
{
    Guarded([&] { performer_.PadMove(x, y); });
}

void TFormMain::FormMouseWheel(int32_t wheelDelta)
{
    startUp_.StartPorts();
    Guarded([&] { performer_.Wheel(wheelDelta); });
}

// While the Pad page shows, the note keys play (by scan code, so every layout plays alike) and Page Up
// and Page Down shift them an octave. Keys with Ctrl, Alt or Meta stay commands and shortcuts; other
// pages' keys go to their controls.
bool TFormMain::ComputerKey(const QKeyEvent& key)
{
    const auto scanCode = static_cast<uint32_t>(key.nativeScanCode());
    // A release is never refused: the modifiers or the page may have changed while the key was held.
    if (key.type() == QEvent::KeyRelease) {
        if (key.isAutoRepeat() || !IsNoteKey(scanCode)) return false;
        Guarded([&] { performer_.KeyUp(scanCode); });
        return PageControl->currentWidget() == TabSheetPad;
    }
    constexpr Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (PageControl->currentWidget() != TabSheetPad || (key.modifiers() & commands)) return false;
    if (key.key() == Qt::Key_PageUp || key.key() == Qt::Key_PageDown) {
        if (!key.isAutoRepeat()) performer_.ShiftOctave(key.key() == Qt::Key_PageUp ? 1 : -1);
        return true;
    }
    if (!IsNoteKey(scanCode)) return false;
    if (key.isAutoRepeat()) return true;
    startUp_.StartPorts();
    Guarded([&] { performer_.KeyDown(scanCode); });
    return true;
}

void TFormMain::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    if (key == Qt::Key_Escape) Panic();
    Guarded([&] {
        // Only Alt is tested, so Ctrl and Shift may be held as well.
        if (!shift.testFlag(Qt::AltModifier)) return;
        if (key == Qt::Key_I) BrowseImageFile();
        if (key == Qt::Key_X) close();
    });
}

void TFormMain::BitBtnBrowseImageFileClick()
{
    Guarded([this] { BrowseImageFile(); });
}

void TFormMain::BitBtnExitClick()
{
    Guarded([this] { close(); });
}

void TFormMain::Panic()
{
    performer_.Panic();
}

void TFormMain::ComboBoxMidiOutPortChange(bool chosen)
{
    Guarded([this, chosen] {
        const QComboBox& list = *TabSheetSettings->ComboBoxMidiOutPort;
        const int i = list.currentIndex();
        ports_->SetMidiOutPort(i == -1 ? QString() : list.itemText(i), chosen);
    });
}

void TFormMain::SpinEditMidiOutChannelChange()
{
    Guarded([this] { SetMidiOutChannel(TabSheetSettings->SpinEditMidiOutChannel->Value()); });
}

void TFormMain::SetMidiOutChannel(int32_t value)
{
    // Compared before subtracting, so the most negative value cannot overflow.
    const int32_t k = value < 1 ? 0 : value > 16 ? 15 : value - 1;
    if (k == performer_.Channel()) return;
    performer_.SetChannel(k);
    if (TabSheetSettings.Made()) TabSheetSettings->SpinEditMidiOutChannel->SetValue(k + 1);
    SettingsMayHaveChanged();
}

void TFormMain::PlayingControlChange(const QObject* control)
{
    Guarded([&] { SetPlaying(TabSheetSettings->PanelPlaying->Read(control)); });
}

// A change that fails (ending the sounding note can) leaves the panel showing the choices in effect.
void TFormMain::SetPlaying(const TPlayingSettings& settings)
{
    if (settings == performer_.Playing()) return;
    try {
        performer_.SetPlaying(settings);
    } catch (...) {
        if (TabSheetSettings.Made()) TabSheetSettings->ShowPlaying(performer_.Playing());
        throw;
    }
    TabSheetPad->ImagePad->SetZones(performer_.Pad().Playing());
    if (TabSheetSettings.Made()) TabSheetSettings->ShowPlaying(performer_.Playing());
    SettingsMayHaveChanged();
}

void TFormMain::SetImageFile(const QString& name)
{
    TabSheetPad->PadImage->SetImageFile(name);
    SettingsMayHaveChanged();
}

void TFormMain::BrowseImageFile()
{
    performer_.EndGestures();  // the dialog takes the pointer
    const QString current = TabSheetPad->PadImage->ImageFileName();
    const QString folder = current.isEmpty() ? QString::fromStdString(ExePath()) : folderOf(current);
    const std::optional<QString> chosen = pictureDialog_->Execute(folder, lastPictureFile_);
    if (!chosen) return;
    lastPictureFile_ = *chosen;
    if (QFileInfo(*chosen).suffix().compare("bmp", Qt::CaseInsensitive) != 0) {
        CurrentMessagePresenter().showNotice(ApplicationTitle(), PictureDialog::tr("Only bitmaps can be used."));
        return;
    }
    SetImageFile(*chosen);
}
