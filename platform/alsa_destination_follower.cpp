// The ALSA output's following of its destination; see alsa_destination_follower.h.
#include "platform/alsa_destination_follower.h"

FollowAction AlsaDestinationFollower::portExited(SeqPortAddress address)
{
    return address == address_ ? lose() : FollowAction::None;
}

FollowAction AlsaDestinationFollower::clientExited(int client)
{
    return client == address_.client ? lose() : FollowAction::None;
}

FollowAction AlsaDestinationFollower::portStarted(SeqPortAddress address, const std::string& name, bool writable)
{
    if (!gone_ || !writable || name != name_) return FollowAction::None;
    address_ = address;
    gone_ = false;
    return FollowAction::Resubscribe;
}

FollowAction AlsaDestinationFollower::lose()
{
    if (gone_) return FollowAction::None;
    gone_ = true;
    return FollowAction::Lost;
}

namespace {

FollowAction actionFor(AlsaDestinationFollower& follower, const Announce& announce, AnnounceSequencer& sequencer)
{
    switch (announce.kind) {
    case AnnounceKind::PortExit: return follower.portExited(announce.address);
    case AnnounceKind::ClientExit: return follower.clientExited(announce.address.client);
    case AnnounceKind::PortStart:
    case AnnounceKind::PortChange: {
        const std::optional<PortDescription> port = sequencer.describe(announce.address);
        return port ? follower.portStarted(announce.address, port->name, port->writable) : FollowAction::None;
    }
    case AnnounceKind::Other: break;
    }
    return FollowAction::None;
}

} // namespace

void followAnnounces(AlsaDestinationFollower& follower, AnnounceSequencer& sequencer)
{
    while (const std::optional<Announce> announce = sequencer.nextAnnounce()) {
        if (actionFor(follower, *announce, sequencer) != FollowAction::Resubscribe) continue;
        if (!sequencer.resubscribe(follower.name())) follower.portExited(follower.address());
    }
}
