// A stand-in for an NSM session manager: an OSC UDP server of the test's own that records what a
// client sends and answers or commands it, to the address the client announced from.
#pragma once

#include <lo/lo_types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct OscMessage {
    std::string path;
    std::vector<std::string> args;   // texts as they are, integers in decimal
};

class FakeSessionManager {
public:
    FakeSessionManager();
    ~FakeSessionManager();
    FakeSessionManager(const FakeSessionManager&) = delete;
    FakeSessionManager& operator=(const FakeSessionManager&) = delete;

    // The URL for NSM_URL.
    const std::string& url() const { return url_; }
    // Reads messages, running `pump` between reads, until one with `path` (and, when given, that first
    // argument) arrives unread, or `timeout` passes. The announce's sender becomes the client.
    std::optional<OscMessage> waitFor(const std::string& path, const std::string& first = {},
                                      std::chrono::milliseconds timeout = std::chrono::seconds(10),
                                      const std::function<void()>& pump = {});
    // Every message received so far, in order.
    const std::vector<OscMessage>& received() const { return received_; }

    // Messages to the client.
    void acceptAnnounce();
    void open(const std::string& folder, const std::string& clientId);
    void save();
    // Opens that must not be taken: from a socket of another port, and with an integer for the path.
    void openFromAnotherPort(const std::string& folder, const std::string& clientId);
    void openWithANumberForThePath(const std::string& clientId);

private:
    static int receive(const char* path, const char* types, lo_arg** argv, int argc, lo_message message,
                       void* self);

    lo_server server_ = nullptr;
    lo_address client_ = nullptr;
    std::string url_;
    std::vector<OscMessage> received_;
    size_t read_ = 0;
};
