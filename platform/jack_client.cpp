// libjack clients that survive their server's departure; see jack_client.h.
#include "platform/jack_client.h"

#include "platform/our_port_names.h"
#include "platform/quiet_audio_libraries.h"

#include <cstdint>

namespace {

// Counts server shutdowns seen by our clients. A client opened while it read g talks to server g, so
// it is gone as soon as the count passes g, whichever of our clients heard of it first.
std::atomic<unsigned> departures{0};

} // namespace

std::unique_ptr<JackClient> JackClient::open(const char* name)
{
    silenceJackLibrary();
    const unsigned generation = serversGone();
    jack_client_t* client = jack_client_open(ourRegisteredName(name).c_str(), JackNoStartServer, nullptr);
    if (!client) return nullptr;
    std::unique_ptr<JackClient> result(new JackClient(client, generation));
    // The generation itself is the argument: the callback may come after this object is gone.
    jack_on_shutdown(client, &JackClient::shutdown, reinterpret_cast<void*>(uintptr_t{generation}));
    return result;
}

JackClient::~JackClient()
{
    if (!serverGone()) jack_client_close(client_);
}

bool JackClient::serverGone() const { return serversGone() > generation_; }

unsigned JackClient::serversGone() { return departures.load(std::memory_order_acquire); }

void JackClient::shutdown(void* generation)
{
    const unsigned next = static_cast<unsigned>(reinterpret_cast<uintptr_t>(generation)) + 1;
    unsigned seen = departures.load();
    while (seen < next && !departures.compare_exchange_weak(seen, next)) {}
}

bool jackServerRunning() { return JackClient::open("pixono-probe") != nullptr; }
