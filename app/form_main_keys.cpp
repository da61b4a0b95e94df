// TFormMain's computer keyboard: while the Pad page shows, the note keys play through the held-keys
// unit (by scan code, so every layout plays alike) and Page Up and Page Down shift them an octave.
// Keys with Ctrl, Alt or Meta stay commands and shortcuts; other pages' keys go to their controls.
#include "app/form_main.h"

#include "pad/computer_keyboard.h"

#include <QKeyEvent>
#include <QTabWidget>

bool TFormMain::ComputerKey(const QKeyEvent& key)
{
    const auto scanCode = static_cast<uint32_t>(key.nativeScanCode());
    // A release is never refused: the modifiers or the page may have changed while the key was held.
    if (key.type() == QEvent::KeyRelease) {
        if (key.isAutoRepeat() || !IsNoteKey(scanCode)) return false;
        Guarded([&] { heldKeys_.Release(scanCode); });
        return PageControl->currentWidget() == TabSheetPad;
    }
    constexpr Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (PageControl->currentWidget() != TabSheetPad || (key.modifiers() & commands)) return false;
    if (key.key() == Qt::Key_PageUp || key.key() == Qt::Key_PageDown) {
        if (!key.isAutoRepeat()) heldKeys_.ShiftOctave(key.key() == Qt::Key_PageUp ? 1 : -1);
        return true;
    }
    if (!IsNoteKey(scanCode)) return false;
    if (key.isAutoRepeat()) return true;
    StartMidiOutPort();
    Guarded([&] {
        const TPlayingSettings& playing = GetPlaying();
        heldKeys_.Press(scanCode, pad_.channel(), KeyboardVelocity(playing.velocityBottom, playing.velocityTop));
    });
    return true;
}
