// A JACK client with one audio input port that keeps the loudest sample it has heard, so a test can
// tell that sound arrives over JACK.
#pragma once

#include <jack/jack.h>

#include <atomic>
#include <chrono>
#include <string>
#include <vector>

class JackAudioListener {
public:
    // Connects to the server named by JACK_DEFAULT_SERVER; throws std::runtime_error without one.
    explicit JackAudioListener(const std::string& clientName = "audio-listener");
    ~JackAudioListener();
    JackAudioListener(const JackAudioListener&) = delete;
    JackAudioListener& operator=(const JackAudioListener&) = delete;

    // Connects the output port `source` to this client's input; false when that fails.
    bool listenTo(const std::string& source);
    // Waits until a sample louder than `level` has arrived or `timeout` has passed.
    bool hears(float level, std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;
    // The clients on the server other than this one, each named once.
    std::vector<std::string> otherClients() const;

private:
    static int process(jack_nframes_t frames, void* self);

    jack_client_t* client_ = nullptr;
    jack_port_t* port_ = nullptr;
    std::atomic<float> loudest_{0};
};
