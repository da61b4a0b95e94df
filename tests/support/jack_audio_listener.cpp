// Listens on one JACK audio input and lists the server's clients; see jack_audio_listener.h.
#include "tests/support/jack_audio_listener.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <thread>
#include <vector>

JackAudioListener::JackAudioListener(const std::string& clientName)
{
    client_ = jack_client_open(clientName.c_str(), JackNoStartServer, nullptr);
    if (!client_) throw std::runtime_error("JackAudioListener: no JACK server");
    port_ = jack_port_register(client_, "in", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
    if (!port_ || jack_set_process_callback(client_, &JackAudioListener::process, this) != 0 ||
        jack_activate(client_) != 0) {
        jack_client_close(client_);
        throw std::runtime_error("JackAudioListener: cannot set up the input port");
    }
}

JackAudioListener::~JackAudioListener() { jack_client_close(client_); }

int JackAudioListener::process(jack_nframes_t frames, void* self)
{
    auto& listener = *static_cast<JackAudioListener*>(self);
    const auto* samples = static_cast<const float*>(jack_port_get_buffer(listener.port_, frames));
    float loudest = listener.loudest_.load(std::memory_order_relaxed);
    for (jack_nframes_t i = 0; i < frames; ++i) loudest = std::max(loudest, std::fabs(samples[i]));
    listener.loudest_.store(loudest, std::memory_order_relaxed);
    return 0;
}

bool JackAudioListener::listenTo(const std::string& source)
{
    return jack_connect(client_, source.c_str(), jack_port_name(port_)) == 0;
}

bool JackAudioListener::hears(float level, std::chrono::milliseconds timeout) const
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (loudest_.load(std::memory_order_relaxed) <= level) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

std::vector<std::string> JackAudioListener::otherClients() const
{
    const std::string self = jack_get_client_name(client_);
    std::vector<std::string> clients;
    const char** ports = jack_get_ports(client_, nullptr, nullptr, 0);
    for (const char** port = ports; port && *port; ++port) {
        const std::string name(*port);
        const std::string client = name.substr(0, name.find(':'));
        if (client != self && std::find(clients.begin(), clients.end(), client) == clients.end())
            clients.push_back(client);
    }
    jack_free(ports);
    return clients;
}
