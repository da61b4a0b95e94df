// The session's client ID in our registered names; see our_port_names.h.
#include "platform/our_port_names.h"

namespace {

std::string clientIdPrefix;
// JACK's and ALSA's longest client name, and the longest of the names we register.
constexpr size_t kLongestClientName = 63;
constexpr std::string_view kLongestOurName = "pixono-synth-watch";

} // namespace

std::string clientIdProblem(std::string_view clientId)
{
    if (clientId.empty()) return "the client ID is empty";
    if (clientId.find(':') != std::string_view::npos) return "the client ID holds a ':', which JACK's names cannot";
    const size_t longest = kLongestClientName - 1 - kLongestOurName.size();
    if (clientId.size() > longest)
        return "the client ID is longer than " + std::to_string(longest) + " bytes, too long for JACK's and ALSA's names";
    return {};
}

void setOurClientIdPrefix(std::string clientId) { clientIdPrefix = std::move(clientId); }

std::string ourRegisteredName(std::string_view name)
{
    if (clientIdPrefix.empty()) return std::string(name);
    return clientIdPrefix + "/" + std::string(name);
}
