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

TEST(DeviceName, LongNamesAreCutTo31Bytes)
{
    EXPECT_EQ(cutDeviceName(std::string(31, 'a')), std::string(31, 'a'));
    EXPECT_EQ(cutDeviceName(std::string(32, 'b')), std::string(31, 'b'));
    EXPECT_EQ(cutDeviceName("system:midi_playback_1"), "system:midi_playback_1");
    EXPECT_EQ(cutDeviceName(""), "");
}

TEST(DeviceName, CutNeverSplitsAUtf8Character)
{
    // 30 ASCII bytes, then a two-byte "é" that would straddle the cut.
    const std::string name = std::string(30, 'x') + "\xC3\xA9" + "z";
    EXPECT_EQ(cutDeviceName(name), std::string(30, 'x'));
    // A character that ends exactly at byte 31 stays.
    const std::string fits = std::string(29, 'x') + "\xC3\xA9" + "z";
    EXPECT_EQ(cutDeviceName(fits), std::string(29, 'x') + "\xC3\xA9");
}

TEST(DeviceTable, FirstScanListsBackEndsInOrder)
{
    DeviceTable table;
    table.refresh({listing({"synth"}), listing({"a", "b"}), listing({"a"})});
    ASSERT_EQ(table.count(), 4u);
    EXPECT_EQ(table.slot(0).key, "synth");
    EXPECT_EQ(table.slot(1).key, "a");
    EXPECT_EQ(table.slot(2).key, "b");
    // The same key of another back end is another device.
    EXPECT_EQ(table.slot(3).backend, 2u);
    EXPECT_EQ(nameOf(table, 3), "name of a");
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
    EXPECT_EQ(nameOf(table, 1), "name of b");   // still described, so a port list stays in step
    EXPECT_EQ(table.slot(2).key, "c");
    EXPECT_EQ(table.slot(3).key, "new");

    table.refresh({listing({"b"})});
    EXPECT_EQ(table.count(), 4u);
    EXPECT_TRUE(table.slot(1).present);
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
    EXPECT_EQ(std::string(caps.szPname), std::string(31, 'p'));   // zero-terminated inside the record
    EXPECT_EQ(caps.wTechnology, MOD_MIDIPORT);
    EXPECT_EQ(caps.wChannelMask, 0xFFFF);
    ASSERT_EQ(table.capabilities(0, caps), MMSYSERR_NOERROR);
    EXPECT_STREQ(caps.szPname, "Built-in synthesizer");
    EXPECT_EQ(caps.szPname[31], '\0');   // the rest of the name field is cleared
    EXPECT_EQ(caps.wTechnology, MOD_SWSYNTH);
    EXPECT_EQ(table.capabilities(2, caps), MMSYSERR_BADDEVICEID);
}
