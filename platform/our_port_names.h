// The names other programs see for our MIDI output, on JACK and on the ALSA sequencer alike: the client
// "Pixono" with its output port "out".
#pragma once

#include <string>
#include <string_view>

inline constexpr const char* kOurClientName = "Pixono";
inline constexpr const char* kOurOutPortName = "out";

// Under a session manager every client we register with JACK or the ALSA sequencer is named
// "<client ID>/<name>", so that two instances in one session never clash and the session's connections
// find them again. Set once, before anything registers; empty (the default) keeps the plain names.
void setOurClientIdPrefix(std::string clientId);
// Why `clientId` cannot prefix our names, or nothing when it can: JACK ends a client's name at ':', and
// JACK and ALSA both hold a client's name to 63 bytes, which the longest of ours must fit in.
std::string clientIdProblem(std::string_view clientId);
// The name to register a client `name` under.
std::string ourRegisteredName(std::string_view name);
