// The fake session manager over liblo; see fake_session_manager.h.
#include "tests/support/fake_session_manager.h"

#include "app/session/osc_argument.h"

#include <lo/lo.h>

#include <cstdlib>
#include <stdexcept>

FakeSessionManager::FakeSessionManager()
{
    server_ = lo_server_new_with_proto(nullptr, LO_UDP, [](int, const char*, const char*) {});
    if (!server_) throw std::runtime_error("no OSC server for the fake session manager");
    lo_server_add_method(server_, nullptr, nullptr, &FakeSessionManager::receive, this);
    char* url = lo_server_get_url(server_);
    url_ = url;
    std::free(url);
}

FakeSessionManager::~FakeSessionManager()
{
    if (client_) lo_address_free(client_);
    lo_server_free(server_);
}

int FakeSessionManager::receive(const char* path, const char* types, lo_arg** argv, int argc, lo_message message,
                                void* self)
{
    auto& manager = *static_cast<FakeSessionManager*>(self);
    OscMessage received{path, {}};
    for (int i = 0; i < argc; ++i) received.args.push_back(OscArgumentText(types[i], argv[i]));
    if (received.path == "/nsm/server/announce") {
        if (manager.client_) lo_address_free(manager.client_);
        const lo_address from = lo_message_get_source(message);
        manager.client_ = lo_address_new(lo_address_get_hostname(from), lo_address_get_port(from));
    }
    manager.received_.push_back(std::move(received));
    return 0;
}

std::optional<OscMessage> FakeSessionManager::waitFor(const std::string& path, const std::string& first,
                                                      std::chrono::milliseconds timeout,
                                                      const std::function<void()>& pump)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        while (read_ < received_.size()) {
            const OscMessage& message = received_[read_++];
            if (message.path == path && (first.empty() || (!message.args.empty() && message.args[0] == first)))
                return message;
        }
        if (std::chrono::steady_clock::now() > end) return std::nullopt;
        if (pump) pump();
        lo_server_recv_noblock(server_, pump ? 0 : 10);
    }
}

void FakeSessionManager::acceptAnnounce()
{
    lo_send_from(client_, server_, LO_TT_IMMEDIATE, "/reply", "ssss", "/nsm/server/announce", "Welcome",
                 "Fake Session Manager", ":server-control:");
}

void FakeSessionManager::open(const std::string& folder, const std::string& clientId)
{
    lo_send_from(client_, server_, LO_TT_IMMEDIATE, "/nsm/client/open", "sss", folder.c_str(), "session",
                 clientId.c_str());
}

void FakeSessionManager::save()
{
    lo_send_from(client_, server_, LO_TT_IMMEDIATE, "/nsm/client/save", "");
}

void FakeSessionManager::openFromAnotherPort(const std::string& folder, const std::string& clientId)
{
    lo_server other = lo_server_new_with_proto(nullptr, LO_UDP, [](int, const char*, const char*) {});
    lo_send_from(client_, other, LO_TT_IMMEDIATE, "/nsm/client/open", "sss", folder.c_str(), "session", clientId.c_str());
    lo_server_free(other);
}

void FakeSessionManager::openWithANumberForThePath(const std::string& clientId)
{
    lo_send_from(client_, server_, LO_TT_IMMEDIATE, "/nsm/client/open", "iss", 7, "session", clientId.c_str());
}
