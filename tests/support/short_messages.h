// Short messages as the tests name them: (status, data 1, data 2), decoded from what a fake driver
// recorded, with makers for the pad's note, controller, pressure, pitch bend and set-up messages.
#pragma once

#include "tests/support/fake_midi_driver.h"

#include <ostream>
#include <vector>

struct Msg {
    int status, data1, data2;
    bool operator==(const Msg&) const = default;
};
inline std::ostream& operator<<(std::ostream& out, const Msg& m)
{
    return out << '(' << m.status << ',' << m.data1 << ',' << m.data2 << ')';
}
inline Msg noteOn(int note, int velocity, int channel = 0) { return {144 + channel, note, velocity}; }
inline Msg noteOff(int note, int velocity, int channel = 0) { return {128 + channel, note, velocity}; }
inline Msg control(int controller, int value, int channel = 0) { return {176 + channel, controller, value}; }
inline Msg pressure(int value, int channel = 0) { return {208 + channel, value, 0}; }
inline Msg bend(int value, int channel = 0) { return {224 + channel, value & 127, value >> 7}; }
inline Msg keyPressure(int note, int value, int channel = 0) { return {160 + channel, note, value}; }
inline Msg program(int number, int channel = 0) { return {192 + channel, number, 0}; }
// The MPE Configuration Message of a Lower Zone of `members` member channels.
inline std::vector<Msg> mpeZone(int members)
{
    return {control(101, 0), control(100, 6), control(6, members), control(101, 127), control(100, 127)};
}
// RPN 0, pitch bend sensitivity, of `range` semitones, closed by the null RPN.
inline std::vector<Msg> bendRangeRpn(int range, int channel = 0)
{
    return {control(101, 0, channel), control(100, 0, channel), control(6, range, channel),
            control(38, 0, channel), control(101, 127, channel), control(100, 127, channel)};
}

// The short messages the driver has recorded, in order.
inline std::vector<Msg> shortMessagesOf(const FakeMidiDriver& driver)
{
    std::vector<Msg> result;
    for (const SentMidiMessage& m : driver.messages()) {
        if (!m.isLong())
            result.push_back({int(m.shortWord & 0xFF), int(m.shortWord >> 8 & 0xFF), int(m.shortWord >> 16 & 0xFF)});
    }
    return result;
}
