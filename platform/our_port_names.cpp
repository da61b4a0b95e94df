// The session's client ID in our registered names; see our_port_names.h.
#include "platform/our_port_names.h"

namespace {
std::string clientIdPrefix;
}

void setOurClientIdPrefix(std::string clientId) { clientIdPrefix = std::move(clientId); }

std::string ourRegisteredName(std::string_view name)
{
    if (clientIdPrefix.empty()) return std::string(name);
    return clientIdPrefix + "/" + std::string(name);
}
