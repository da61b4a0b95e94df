// One open JACK output: a client "Pixono" with the MIDI output port "out", connected to a destination
// port or, for the virtual output, left for others to connect to. The GUI thread queues messages in a
// lock-free ring, each stamped with the frame time it was sent at, or dated back to the input event
// that sent it; the process callback writes them to the port in order, each one period after its
// stamp. The ring keeps room that only releases (note offs and a panic's messages) may use, and while
// the destination is gone, releases still go to our port for its other listeners; everything else is
// refused then.
//
// While a Qt application runs, the output follows the system: a destination that leaves and a port of
// the same full name that appears again are connected again at once, and after the server has gone a
// probe every two seconds (on a thread of its own) notices its return and makes the client, the port
// and the connection anew; until that succeeds, sends report the device gone and the probe goes on.
#pragma once

#include "platform/jack_client.h"
#include "platform/jack_server_watch.h"
#include "platform/midi_backend.h"

#include <jack/ringbuffer.h>

#include <atomic>
#include <memory>
#include <string>

class JackMidiConnection final : public MidiConnection {
public:
    // Opens the output and connects it to the input port named `destination` (none when empty).
    static MMRESULT open(const std::string& destination, std::unique_ptr<MidiConnection>& connection);
    // Delivers what is queued (waiting a few periods at most, not at all once the server has gone),
    // then closes the client.
    ~JackMidiConnection() override;

    MMRESULT sendShort(const uint8_t* bytes, size_t length) override;
    MMRESULT sendLong(const uint8_t* bytes, size_t length) override;
    bool followsDestination() const override { return watch_ && watch_->watching(); }

private:
    JackMidiConnection(std::unique_ptr<JackClient> client, std::string destination);
    MMRESULT setUp();
    MMRESULT connect();
    MMRESULT queue(const uint8_t* bytes, size_t length);
    void makeAnew();
    static int process(jack_nframes_t frames, void* self);
    static void portRegistration(jack_port_id_t port, int registered, void* self);
    static void portConnect(jack_port_id_t a, jack_port_id_t b, int connected, void* self);
    void drain() const;

    std::unique_ptr<JackClient> client_;
    // The current client's handle, for the callbacks: they may still run while client_ closes.
    jack_client_t* jack_ = nullptr;
    const std::string destinationName_;
    jack_port_t* out_ = nullptr;
    std::atomic<jack_port_t*> destination_{nullptr};
    jack_ringbuffer_t* ring_ = nullptr;   // records: [uint32 length][uint32 frame sent at][bytes]
    size_t maxMessage_ = 0;               // longest message one cycle's port buffer can carry
    std::atomic<bool> destinationGone_{false};
    // The connection made by the first open: its set-up goes out with the open, so its notice is not told.
    std::atomic<bool> quietConnect_{false};
    bool active_ = false;
    std::atomic<uint32_t> cycles_{0};     // process callbacks completed
    std::unique_ptr<JackServerWatch> watch_;   // made before the client is active
};
