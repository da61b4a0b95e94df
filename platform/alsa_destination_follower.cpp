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
