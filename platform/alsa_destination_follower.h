// What an ALSA sequencer output does about the sequencer's announce events for the destination it is
// subscribed to. The destination is known by its shown name ("client:port"), since a client that
// quits and starts again usually comes back under another number.
#pragma once

#include <string>

struct SeqPortAddress {
    int client = 0;
    int port = 0;
    bool operator==(const SeqPortAddress&) const = default;
};

enum class FollowAction {
    None,
    Lost,         // the destination left: sends report it gone
    Resubscribe,  // a port of the destination's name is there again: subscribe to address()
};

class AlsaDestinationFollower {
public:
    AlsaDestinationFollower(std::string name, SeqPortAddress address) : name_(std::move(name)), address_(address) {}

    FollowAction portExited(SeqPortAddress address);
    FollowAction clientExited(int client);
    // A port started or changed: its shown name now, and whether others can subscribe to write to it.
    FollowAction portStarted(SeqPortAddress address, const std::string& name, bool writable);

    bool gone() const { return gone_; }
    SeqPortAddress address() const { return address_; }

private:
    FollowAction lose();

    const std::string name_;
    SeqPortAddress address_;
    bool gone_ = false;
};
