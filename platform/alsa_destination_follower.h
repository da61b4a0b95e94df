// What an ALSA sequencer output does about the sequencer's announce events for the destination it is
// subscribed to. The destination is known by its shown name ("client:port"), since a client that
// quits and starts again usually comes back under another number.
#pragma once

#include <optional>
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
    const std::string& name() const { return name_; }

private:
    FollowAction lose();

    const std::string name_;
    SeqPortAddress address_;
    bool gone_ = false;
};

enum class AnnounceKind { PortStart, PortChange, PortExit, ClientExit, Other };

struct Announce {
    AnnounceKind kind = AnnounceKind::Other;
    SeqPortAddress address;   // the port's; for ClientExit, only the client counts
};

struct PortDescription {
    std::string name;   // shown name, "client:port"
    bool writable = false;   // others can subscribe to write to it
};

// The sequencer as the output's announce handling sees it: the announce events waiting, the ports they
// name, and our subscription to the destination.
class AnnounceSequencer {
public:
    virtual ~AnnounceSequencer() = default;
    // The next announce event waiting, skipping any lost to an overrun; none when none waits.
    virtual std::optional<Announce> nextAnnounce() = 0;
    // None when the port is not there (any more).
    virtual std::optional<PortDescription> describe(SeqPortAddress address) = 0;
    // Undoes our subscription to the destination that left, then subscribes to the writable port shown
    // as `name`; false when that fails.
    virtual bool resubscribe(const std::string& name) = 0;
};

// Acts on every announce event waiting: the destination is lost when it leaves and subscribed to again
// when a port of its name appears; a subscription that fails leaves it lost until the next such port.
void followAnnounces(AlsaDestinationFollower& follower, AnnounceSequencer& sequencer);
