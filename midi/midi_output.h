// TMidiOutput: one MIDI output device of the MIDI services, selected by number or by name, opened,
// sent short and long messages, and closed. Refused calls raise EmidioutputError with the driver's text;
// only Open reports a refusal by its result. Owned by a QObject parent, which deletes it. Create and use
// it on the GUI thread once the Qt application exists: its notify window is drained by that thread's loop.
#pragma once

#include "platform/exception.h"
#include "platform/midi_services.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>

class EmidioutputError : public Exception {
public:
    using Exception::Exception;
};

struct CallbackInstance;
class NotifyWindow;
struct PostedMessage;

// Argument of SendEvent: a short message, or a long one when LongData is set.
struct MidiEvent {
    uint8_t Status = 0;
    uint8_t Data1 = 0;
    uint8_t Data2 = 0;
    uint32_t Reserved = 0;
    uint16_t LongLength = 0;
    const uint8_t* LongData = nullptr;
};

class TMidiOutput : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString ProductName READ productNameProperty WRITE setProductNameProperty)
    Q_PROPERTY(uint DeviceID READ DeviceID WRITE setDeviceIDProperty)
    Q_PROPERTY(TNotifyEvent Onmidioutput READ Onmidioutput WRITE SetOnmidioutput)

public:
    enum class TPortState { Closed, Open };
    // Fired on the GUI thread once a long message's buffer has come back from the driver and been
    // released. It runs from the notify window's message loop and must not throw.
    using TNotifyEvent = std::function<void(TMidiOutput* sender)>;

    explicit TMidiOutput(QObject* owner);
    ~TMidiOutput() override;

    uint32_t DeviceID() const { return deviceId_; }
    void SetDeviceID(uint32_t value);                 // raises on refusal
    const std::string& ProductName() const { return productName_; }
    void SetProductName(const std::string& name);     // raises on refusal
    const TNotifyEvent& Onmidioutput() const { return onMidiOutput_; }
    void SetOnmidioutput(TNotifyEvent handler) { onMidiOutput_ = std::move(handler); }
    // Fired on the GUI thread when a destination connects to the open port after its open: a synth that
    // came back, or a connection made by others. Must not throw.
    void SetOnDestinationConnected(TNotifyEvent handler) { onDestinationConnected_ = std::move(handler); }

    HMIDIOUT DeviceHandle() const { return deviceHandle_; }
    TPortState PortState() const { return portState_; }
    uint16_t LastResult() const { return lastResult_; }
    uint32_t DriverVersion() const { return driverVersion_; }
    uint8_t Technology() const { return technology_; }
    uint16_t Voices() const { return voices_; }
    uint16_t Notes() const { return notes_; }
    uint16_t ChannelMask() const { return channelMask_; }
    uint32_t Support() const { return support_; }
    uint16_t DeviceCount() const { return deviceCount_; }

    virtual bool Open();                                            // never raises
    virtual bool Close();                                           // raises on refusal
    virtual void SendEvent(const MidiEvent& event);
    virtual void SendShortMessage(uint8_t status, uint8_t data1, uint8_t data2);
    virtual void SendLongMessage(const uint8_t* bytes, uint16_t length);

    std::string DriverErrorText(uint16_t code);
    // Acts on done notifications (unprepares the header, releases its buffer, fires Onmidioutput) and
    // on connection notices.
    void HandleNotifyMessage(const PostedMessage& message);

private:
    QString productNameProperty() const { return QString::fromStdString(productName_); }
    void setProductNameProperty(const QString& name) { SetProductName(name.toStdString()); }
    void setDeviceIDProperty(uint value) { SetDeviceID(value); }
    [[noreturn]] void raiseDriverError();
    MIDIOUTCAPSA queryCapabilities(uint32_t deviceId);   // raises on refusal
    void copyCapabilities(const MIDIOUTCAPSA& caps);

    NotifyWindow* notifyWindow_ = nullptr;
    uint32_t deviceId_ = 0;
    HMIDIOUT deviceHandle_ = nullptr;
    TPortState portState_ = TPortState::Closed;
    CallbackInstance* instance_ = nullptr;
    uint16_t lastResult_ = 0;
    uint32_t driverVersion_ = 0;
    std::string productName_;
    uint8_t technology_ = 0;
    uint16_t voices_ = 0;
    uint16_t notes_ = 0;
    uint16_t channelMask_ = 0;
    uint32_t support_ = 0;
    uint16_t deviceCount_ = 0;
    TNotifyEvent onMidiOutput_;
    TNotifyEvent onDestinationConnected_;
};
