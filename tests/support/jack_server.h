// Test helpers for a real JACK server: JackServer runs a private jackd (dummy driver, no sound card)
// for the lifetime of the object; JackMidiReader is a JACK client with one MIDI input port that
// records every event it receives, in order.
#pragma once

#include <jack/jack.h>
#include <jack/ringbuffer.h>

#include <sys/types.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// Starts `jackd --no-realtime -n NAME -d dummy -r 48000 -p PERIOD` under a name fixed for this test
// program's path and the count of servers it started before, and waits until `jack_lsp` answers. Sets JACK_DEFAULT_SERVER=NAME (and
// JACK_NO_START_SERVER=1) in this process so libjack clients reach it. Throws std::runtime_error, with
// jackd's error output, when the server does not come up. The destructor stops the server, also when
// the test fails.
class JackServer {
public:
    explicit JackServer(unsigned period = 256);
    ~JackServer();
    JackServer(const JackServer&) = delete;
    JackServer& operator=(const JackServer&) = delete;

    const std::string& name() const { return name_; }
    // True while `jack_lsp` reaches the server (asked in a child process, so this process's libjack
    // state is not touched).
    bool answers() const;
    // Stops the server now (SIGTERM, then SIGKILL if it lingers); harmless when already stopped.
    void stop();
    // Starts it again under the same name and waits until it answers; harmless while it runs.
    // `options` go to jackd before the driver's, e.g. {"--port-max", "4"}.
    void start(const std::vector<std::string>& options = {});
    // Freezes the server (SIGSTOP), so no process cycle runs, until resume() (SIGCONT).
    void stall() const;
    void resume() const;

private:
    std::string name_;
    unsigned period_;
    pid_t pid_ = -1;
};

using MidiBytes = std::vector<uint8_t>;

// A JACK client named `clientName` with one MIDI input port "in", which also notes the frame at which
// each event arrived (its cycle's first frame plus its offset). Throws std::runtime_error when it
// cannot connect to the server named by JACK_DEFAULT_SERVER.
class JackMidiReader {
public:
    explicit JackMidiReader(const std::string& clientName = "midi-reader");
    ~JackMidiReader();
    JackMidiReader(const JackMidiReader&) = delete;
    JackMidiReader& operator=(const JackMidiReader&) = delete;

    // The input port's full name, "client:in".
    std::string portName() const;
    // True while some output is connected to the input port.
    bool connected() const;
    // True while the server has a client of that name, with ports or without.
    bool hasClient(const std::string& name) const;
    // Connects the output port named `source` to the input port; throws std::runtime_error when refused.
    void connectFrom(const std::string& source);
    // Waits until at least `count` events have arrived or `timeout` has passed, and returns every
    // event received so far, each as its exact bytes, in arrival order.
    std::vector<MidiBytes> waitForEvents(size_t count,
                                         std::chrono::milliseconds timeout = std::chrono::seconds(5));
    // The arrival frames of the events waitForEvents returned, in the same order.
    const std::vector<jack_nframes_t>& arrivalFrames() const { return arrivals_; }
    // The server's frame time now (jack_frame_time).
    jack_nframes_t frameTime() const { return jack_frame_time(client_); }

private:
    static int process(jack_nframes_t frames, void* self);
    static void shutdown(void* self);
    void drain();

    jack_client_t* client_ = nullptr;
    std::atomic<bool> serverGone_{false};
    jack_port_t* port_ = nullptr;
    jack_ringbuffer_t* ring_ = nullptr;   // process thread -> test thread: [uint32 length][uint32 frame][bytes]...
    std::vector<MidiBytes> received_;
    std::vector<jack_nframes_t> arrivals_;
};
