// The gliding note's pitch, bend and handover.
#include "pad/glide.h"

#include "platform/checked_math.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kContinuousZones = 128;

int zoneCount(const TPlayingMap& map)
{
    return map.IsContinuous() ? kContinuousZones : map.ZoneCount();
}

int zoneNote(const TPlayingMap& map, int zone)
{
    return map.IsContinuous() ? zone : map.ZoneNote(zone);
}

} // namespace

uint8_t GlideNoteAt(const TPlayingMap& map, int32_t x, int32_t width)
{
    const int zones = zoneCount(map);
    return static_cast<uint8_t>(zoneNote(map, std::clamp(checked::div(checked::mul(x, zones), width), 0, zones - 1)));
}

double GlidePitchAt(const TPlayingMap& map, int32_t x, int32_t width)
{
    const int zones = zoneCount(map);
    // x in zone widths from the first zone's centre.
    const double place = double(x) * zones / width - 0.5;
    if (place <= 0) return zoneNote(map, 0);
    if (place >= zones - 1) return zoneNote(map, zones - 1);
    const int zone = static_cast<int>(place);
    const int note = zoneNote(map, zone);
    return note + (zoneNote(map, zone + 1) - note) * (place - zone);
}

uint16_t PitchBendOf(double semitones, int range)
{
    const long bend = kBendCentre + std::lround(semitones * kBendCentre / range);
    return static_cast<uint16_t>(std::clamp(bend, 0L, 16383L));
}

TGlideStep GlideStepAt(const TPlayingMap& map, uint8_t sounding, int32_t x, int32_t width)
{
    const int range = map.Settings().bendRange;
    const double pitch = GlidePitchAt(map, x, width);
    if (std::abs(pitch - sounding) > range) {
        const uint8_t under = GlideNoteAt(map, x, width);
        if (under != sounding) return {under, PitchBendOf(pitch - under, range), true};
    }
    return {sounding, PitchBendOf(pitch - sounding, range), false};
}
