// libjack clients that survive their server's departure; see jack_client.h.
#include "platform/jack_client.h"

#include <cstdint>
#include <mutex>

namespace {

// Counts server shutdowns seen by our clients. A client opened while it read g talks to server g, so
// it is gone as soon as the count passes g, whichever of our clients heard of it first.
std::atomic<unsigned> serversGone{0};

void quiet(const char*) {}

} // namespace

std::unique_ptr<JackClient> JackClient::open(const char* name)
{
    static std::once_flag silenced;
    std::call_once(silenced, [] {
        jack_set_error_function(quiet);
        jack_set_info_function(quiet);
    });
    const unsigned generation = serversGone.load();
    jack_client_t* client = jack_client_open(name, JackNoStartServer, nullptr);
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

bool JackClient::serverGone() const { return serversGone.load(std::memory_order_acquire) > generation_; }

void JackClient::shutdown(void* generation)
{
    const unsigned next = static_cast<unsigned>(reinterpret_cast<uintptr_t>(generation)) + 1;
    unsigned seen = serversGone.load();
    while (seen < next && !serversGone.compare_exchange_weak(seen, next)) {}
}
