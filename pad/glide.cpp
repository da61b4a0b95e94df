// The gliding note's pitch, bend and handover.
#include "pad/glide.h"

#include <algorithm>
#include <cmath>

double GlidePitchAt(const TPlayingMap& map, int32_t x, int32_t width)
{
    // x in note widths from the first note's centre; without zones, note n spans x × 127 ÷ width
    // from n to n + 1, as TPlayingMap::NoteAt counts.
    const int zones = map.IsContinuous() ? 127 : map.ZoneCount();
    // An empty pad has one column.
    const double place = double(x) * zones / std::max(width, 1) - 0.5;
    if (map.IsContinuous()) return std::clamp(place, 0.0, 127.0);
    if (place <= 0) return map.ZoneNote(0);
    if (place >= zones - 1) return map.ZoneNote(zones - 1);
    const int zone = static_cast<int>(place);
    const int note = map.ZoneNote(zone);
    return note + (map.ZoneNote(zone + 1) - note) * (place - zone);
}

uint16_t PitchBendOf(double semitones, int range)
{
    const long bend = kBendCentre + std::lround(semitones * kBendCentre / range);
    return static_cast<uint16_t>(std::clamp(bend, 0L, 16383L));
}

TGlideStep GlideStepAt(const TPlayingMap& map, uint8_t sounding, int32_t x, int32_t width, int range)
{
    const double pitch = GlidePitchAt(map, x, width);
    if (std::abs(pitch - sounding) > range) {
        const uint8_t under = map.NoteAt(x, width);
        if (under != sounding) return {under, PitchBendOf(pitch - under, range), true};
    }
    return {sounding, PitchBendOf(pitch - sounding, range), false};
}
