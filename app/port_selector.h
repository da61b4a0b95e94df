// TPortSelector: which MIDI output port the window plays on. It keeps the list of installed ports
// with their device numbers, opens the chosen one on the output, and follows the rules for the stored
// port (awaited until it is listed), the first listed port as a default, and a port chosen again after
// it failed or went away. It tells when a destination is (re)connected, so that the synth's set-up
// goes out again. It owns no widgets: the drop-down shows what it lists and chooses.
#pragma once

#include "midi/midi_output.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <vector>

class TAwaitedPort;

class TPortSelector : public QObject {
    Q_OBJECT

public:
    struct Entry {
        QString name;
        uint32_t device = 0;
    };
    // What the selector asks of the window.
    struct Tells {
        std::function<void()> portClosing;           // ends what sounds; raising keeps the port
        std::function<void()> destinationConnected;  // sends the synth's set-up; may raise
        std::function<void(const std::exception&)> showError;
    };

    TPortSelector(TMidiOutput& output, Tells tells, QObject* parent);

    // The name read from the settings file, opened by Start.
    void Remember(const QString& storedName) { storedName_ = storedName; }
    // Gets the port that Start opens ready on threads of its own; true once it can open at once.
    bool GetReadyToStart() const;
    // Once: lists the ports and opens the stored one, or with none stored the first one listed.
    void Start();
    bool Started() const { return started_; }

    // Lists the ports installed now, the first one shown.
    void FillMidiOutPorts();
    // Lists the ports installed now, keeping `shown` (the drop-down's text) shown while it is listed.
    void RefreshMidiOutPorts(const QString& shown);
    int32_t IndexOfMidiOutPort(const QString& name) const;
    // `reopen`: open the port anew when the name is current but its port is closed or went away.
    // An open that fails raises, naming the port and the driver's reason.
    void SetMidiOutPort(const QString& name, bool reopen = false);
    // As SetMidiOutPort, but a port not listed yet stays current and is awaited.
    void SetStoredMidiOutPort(const QString& name);

    const std::vector<Entry>& Ports() const { return ports_; }
    int32_t ShownIndex() const { return shownIndex_; }  // -1: ShownText shows instead
    const QString& ShownText() const { return shownText_; }
    const QString& CurrentPortName() const { return currentPortName_; }
    // The name for the settings file: the stored one until the start, then the chosen port's; empty
    // while the open port is only the first listed.
    QString StoredMidiOutPortName() const;

signals:
    // The drop-down should show anew; `listed`: the list itself was made anew.
    void ViewChanged(bool listed);
    // What the settings file keeps of the port may have changed.
    void ChoiceChanged();

private:
    void ListInstalled();
    void Show(int32_t index, const QString& text = QString(), bool listed = false);
    void OpenFirstMidiOutPort();
    void OpenMidiOutPort(const QString& name, int32_t i);
    bool OpenAwaitedMidiOutPort();
    bool IsMidiOutPortWell() const;

    TMidiOutput& output_;
    Tells tells_;
    TAwaitedPort* awaitedPort_ = nullptr;
    std::vector<Entry> ports_;
    int32_t shownIndex_ = -1;
    QString shownText_;
    QString currentPortName_;
    std::optional<QString> storedName_ = QString();  // as loaded, until Start uses it
    bool portIsFirstListed_ = false;  // the open port was opened as the default, not chosen
    bool started_ = false;
};
