// Device numbering of the system MIDI driver: names cut to the record, numbers that never shift,
// the mapper standing for the first listed device.
#include "platform/midi_device_table.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::vector<MidiDestination> listing(std::initializer_list<const char*> keys)
{
    std::vector<MidiDestination> destinations;
    for (const char* key : keys) destinations.push_back({key, std::string("name of ") + key});
    return destinations;
}

std::string nameOf(const DeviceTable& table, uint32_t id)
{
    MIDIOUTCAPSA caps{};
    EXPECT_EQ(table.capabilities(id, caps), MMSYSERR_NOERROR);
    return std::string(caps.szPname, strnlen(caps.szPname, sizeof caps.szPname));
}

} // namespace

// A shortened name as its start, the hash in the cut, and its end.
struct Cut {
    std::string head, hash, tail;
};

Cut cutOf(const std::string& shortName)
{
    const std::string ellipsis = "\u2026";
    const size_t first = shortName.find(ellipsis);
    const size_t second = shortName.find(ellipsis, first + 1);
    if (first == std::string::npos || second == std::string::npos) return {shortName, {}, {}};
    return {shortName.substr(0, first), shortName.substr(first + 3, second - first - 3), shortName.substr(second + 3)};
}

TEST(DeviceName, LongNamesKeepTheirStartAndEndAroundAHashOfTheWholeName)
{
    EXPECT_EQ(shortDeviceName(std::string(31, 'a'), 31), std::string(31, 'a'));
    const std::string through = "a2j:Midi Through [14] (playback): Midi Through Port-0";
    const std::string shortened = shortDeviceName(through, 31);
    EXPECT_EQ(shortened.size(), 31u);
    const Cut cut = cutOf(shortened);
    EXPECT_EQ(cut.head, "a2j:Midi T");
    EXPECT_EQ(cut.tail, through.substr(through.size() - 11));
    ASSERT_EQ(cut.hash.size(), 4u);
    EXPECT_EQ(cut.hash.find_first_not_of("0123456789abcdef"), std::string::npos);
    // Neither part splits a two-byte "é": the start backs off, the end moves on.
    EXPECT_EQ(cutOf(shortDeviceName("ab\u00E9defghijklmnopqr", 16)).head, "ab");
    EXPECT_EQ(cutOf(shortDeviceName("abcdefghijklmnop\u00E9xy", 16)).tail, "xy");
}

TEST(DeviceName, LongNamesThatShareStartAndEndShortenApartAndAlwaysTheSameWay)
{
    const std::string longA = "client:" + std::string(20, 'p') + "A" + std::string(20, 'p') + ":in";
    const std::string longB = "client:" + std::string(20, 'p') + "B" + std::string(20, 'p') + ":in";
    DeviceTable ab, ba;
    ab.refresh({{{"1", longA}, {"2", longB}}});
    ba.refresh({{{"2", longB}, {"1", longA}}});
    EXPECT_NE(nameOf(ab, 0), nameOf(ab, 1));
    EXPECT_EQ(nameOf(ab, 0), shortDeviceName(longA, 31));
    EXPECT_EQ(nameOf(ba, 1), nameOf(ab, 0)) << "the same port gets the same name in any order";
    EXPECT_EQ(nameOf(ba, 0), nameOf(ab, 1));
}

TEST(DeviceTable, ListedNamesStandForOneDeviceEachAndKeepTheirNames)
{
    DeviceTable table;
    table.refresh({{{"1", "Synth"}}, {{"2", "SYNTH"}, {"3", "\u00C4rger"}, {"4", "\u00E4rger"}}});
    EXPECT_EQ(nameOf(table, 0), "Synth");
    EXPECT_EQ(nameOf(table, 1), "SYNTH 2");
    EXPECT_EQ(nameOf(table, 3), "\u00E4rger 2") << "letter case beyond ASCII, as the window compares it";
    // Once the first leaves, the other keeps its number, so a stored "SYNTH 2" still means it.
    table.refresh({{}, {{"2", "SYNTH"}}});
    EXPECT_EQ(nameOf(table, 1), "SYNTH 2");
    // A new device takes the free name; the first, back again, gets the next number.
    table.refresh({{}, {{"2", "SYNTH"}, {"5", "synth"}}});
    EXPECT_EQ(nameOf(table, 4), "synth");
    table.refresh({{{"1", "Synth"}}, {{"2", "SYNTH"}, {"5", "synth"}}});
    EXPECT_EQ(nameOf(table, 0), "Synth 3");

    const std::string same(40, 'q');
    table.refresh({{{"6", same}, {"7", same}}});
    EXPECT_EQ(nameOf(table, 5), shortDeviceName(same, 31));
    EXPECT_EQ(nameOf(table, 6), shortDeviceName(same, 29) + " 2");
}

TEST(DeviceTable, FirstScanListsBackEndsInOrder)
{
    DeviceTable table;
    table.refresh({listing({"synth"}), listing({"a", "b"}), listing({"a"})});
    ASSERT_EQ(table.count(), 4u);
    EXPECT_EQ(table.slot(0).key, "synth");
    EXPECT_EQ(table.slot(1).key, "a");
    EXPECT_EQ(table.slot(2).key, "b");
    // The same key of another back end is another device, listed under a name of its own.
    EXPECT_EQ(table.slot(3).backend, 2u);
    EXPECT_EQ(nameOf(table, 3), "name of a 2");
}

TEST(DeviceTable, VanishedDeviceKeepsItsNumberAndNewOnesAreAppended)
{
    DeviceTable table;
    table.refresh({listing({"a", "b", "c"})});
    table.refresh({listing({"new", "c", "a"})});
    ASSERT_EQ(table.count(), 4u);
    EXPECT_EQ(table.slot(0).key, "a");
    EXPECT_EQ(table.slot(1).key, "b");
    EXPECT_FALSE(table.slot(1).present);
    MIDIOUTCAPSA caps{};
    EXPECT_EQ(table.capabilities(1, caps), MIDIERR_NODEVICE);   // not described, so lists leave it out
    EXPECT_EQ(table.slot(2).key, "c");
    EXPECT_EQ(table.slot(3).key, "new");

    table.refresh({listing({"b"})});
    EXPECT_EQ(table.count(), 4u);
    EXPECT_TRUE(table.slot(1).present);
    EXPECT_EQ(nameOf(table, 1), "name of b");
    EXPECT_FALSE(table.slot(0).present);
}

TEST(DeviceTable, MapperStandsForTheFirstPresentDevice)
{
    DeviceTable table;
    EXPECT_EQ(table.resolve(MIDI_MAPPER), std::nullopt);
    MIDIOUTCAPSA caps{};
    EXPECT_EQ(table.capabilities(MIDI_MAPPER, caps), MMSYSERR_BADDEVICEID);

    table.refresh({listing({"a", "b"})});
    EXPECT_EQ(table.resolve(MIDI_MAPPER), 0u);
    ASSERT_EQ(table.capabilities(MIDI_MAPPER, caps), MMSYSERR_NOERROR);
    EXPECT_STREQ(caps.szPname, "MIDI mapper");
    EXPECT_EQ(caps.wTechnology, MOD_MAPPER);

    table.refresh({listing({"b"})});
    EXPECT_EQ(table.resolve(MIDI_MAPPER), 1u);
    table.refresh({listing({})});
    EXPECT_EQ(table.resolve(MIDI_MAPPER), std::nullopt);
    EXPECT_EQ(table.capabilities(MIDI_MAPPER, caps), MMSYSERR_BADDEVICEID);
}

TEST(DeviceTable, CapabilitiesDescribeTheDevice)
{
    DeviceTable table;
    table.refresh({{{"s", "Built-in synthesizer", MOD_SWSYNTH}, {"p", std::string(40, 'p')}}});
    MIDIOUTCAPSA caps;
    std::memset(&caps, 0xAA, sizeof caps);
    ASSERT_EQ(table.capabilities(1, caps), MMSYSERR_NOERROR);
    EXPECT_EQ(std::string(caps.szPname).size(), 31u);   // zero-terminated inside the record
    EXPECT_EQ(caps.wTechnology, MOD_MIDIPORT);
    EXPECT_EQ(caps.wChannelMask, 0xFFFF);
    ASSERT_EQ(table.capabilities(0, caps), MMSYSERR_NOERROR);
    EXPECT_STREQ(caps.szPname, "Built-in synthesizer");
    EXPECT_EQ(caps.szPname[31], '\0');   // the rest of the name field is cleared
    EXPECT_EQ(caps.wTechnology, MOD_SWSYNTH);
    EXPECT_EQ(table.capabilities(2, caps), MMSYSERR_BADDEVICEID);
}
