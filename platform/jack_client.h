// A libjack client that notices its server leaving. libjack can block or crash when asked to close a
// client whose server has gone, so such a client is never closed; nor is its handle used again, since
// jack2 frees the clients of a dead server when the next client opens.
#pragma once

#include <jack/jack.h>

#include <atomic>
#include <memory>

class JackClient {
public:
    // Connects to the running server (never starts one) under ourRegisteredName(name) or a unique variant;
    // nullptr when there is no server. libjack prints nothing.
    static std::unique_ptr<JackClient> open(const char* name);
    ~JackClient();   // closes the client unless its server has gone
    JackClient(const JackClient&) = delete;
    JackClient& operator=(const JackClient&) = delete;

    jack_client_t* get() const { return client_; }
    // True once this client's server has shut down, or once any client of ours opened no later has
    // seen its server shut down (all of them talked to that server).
    bool serverGone() const;
    // The count of server departures our clients have seen; a client opened while it read g talks
    // to a server that has gone once it exceeds g.
    static unsigned serversGone();

private:
    JackClient(jack_client_t* client, unsigned generation) : client_(client), generation_(generation) {}
    static void shutdown(void* generation);

    jack_client_t* client_;
    const unsigned generation_;   // servers known to have gone when this client was opened
};

// True when a JACK server answers; never starts one, and leaves no client behind.
bool jackServerRunning();
