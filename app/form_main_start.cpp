// TFormMain's port start-up, which follows the first frame: the MIDI services started, the port list
// filled, and the stored port opened, or with none stored the first one listed, so that the first
// press on the pad sounds.
#include "app/form_main.h"

#include "platform/midi_services.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <cstdio>

void TFormMain::StartMidiOutPort()
{
    if (midiOutPortStarted_ || !settingsOpened_) return;
    midiOutPortStarted_ = true;
    const QString stored = storedPortName_.value_or(QString());
    storedPortName_.reset();
    Guarded([&] {
        holdSystemMidiServices(false);
        FillMidiOutPorts();
        if (stored.isEmpty()) OpenFirstMidiOutPort();
        else SetStoredMidiOutPort(stored);
    });
}

// Listing the ports and opening one each take tens of milliseconds, most of it in the sound
// servers: the list is made in an event loop pass of its own before the port opens, so that the
// window answers in between, and the port that will open gets ready meanwhile.
void TFormMain::ListMidiOutPortsAhead()
{
    if (midiOutPortStarted_ || !settingsOpened_) return;
    holdSystemMidiServices(false);
    midiOutWarmUp(storedPortName_.value_or(QString()).toStdString());
    midiOutGetNumDevs();
}

// The first entry is a default, not a choice: the settings file goes on storing no port. When it
// cannot open, nothing is shown as chosen, and the reason goes to standard error without a box.
void TFormMain::OpenFirstMidiOutPort()
{
    if (ComboBoxMidiOutPort->count() == 0) return;
    try {
        SetMidiOutPort(ComboBoxMidiOutPort->itemText(0));
        portIsFirstListed_ = true;
    } catch (const std::exception& error) {
        currentPortName_.clear();
        const QSignalBlocker quiet(ComboBoxMidiOutPort);
        ComboBoxMidiOutPort->setCurrentIndex(-1);
        ComboBoxMidiOutPort->setEditText(QString());
        std::fprintf(stderr, "pixono: %s\n", error.what());
    }
}

QString TFormMain::StoredMidiOutPortName() const
{
    if (storedPortName_) return *storedPortName_;
    return portIsFirstListed_ ? QString() : currentPortName_;
}
