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

TEST(DeviceName, LongNamesKeepTheirStartAndEndAroundAnEllipsis)
{
    EXPECT_EQ(shortDeviceName(std::string(31, 'a'), 31), std::string(31, 'a'));
    EXPECT_EQ(shortDeviceName("a2j:Midi Through [14] (playback): Midi Through Port-0", 31),
              "a2j:Midi Throu\u2026Through Port-0");
    EXPECT_EQ(shortDeviceName(std::string(20, 'b') + std::string(20, 'c'), 10), "bbb\u2026cccc");
    // Neither part splits a two-byte "é": the start backs off, the end moves on.
    EXPECT_EQ(shortDeviceName("a\u00E9cdefgh", 7), "a\u2026gh");
    EXPECT_EQ(shortDeviceName("abcdefg\u00E9x", 7), "ab\u2026x");
}

TEST(DeviceTable, ListedNamesStandForOneDeviceEach)
{
    const std::string longA = "client:" + std::string(40, 'p') + "-A";
    const std::string longB = "client:" + std::string(40, 'p') + "-B";
    DeviceTable table;
    table.refresh({{{"1", longA}, {"2", longB}, {"3", "Synth"}}, {{"4", "SYNTH"}}});
    EXPECT_EQ(nameOf(table, 0), "client:ppppppp\u2026pppppppppppp-A");
    EXPECT_EQ(nameOf(table, 1), "client:ppppppp\u2026pppppppppppp-B");
    EXPECT_EQ(nameOf(table, 2), "Synth");
    EXPECT_EQ(nameOf(table, 3), "SYNTH 2");
    // Only listed devices hold a name: once the first leaves, the other lists as it is.
    table.refresh({{{"1", longA}, {"2", longB}}, {{"4", "SYNTH"}}});
    EXPECT_EQ(nameOf(table, 3), "SYNTH");

    const std::string same(40, 'q');
    table.refresh({{{"5", same}, {"6", same}}});
    EXPECT_EQ(nameOf(table, 4), std::string(14, 'q') + "\u2026" + std::string(14, 'q'));
    EXPECT_EQ(nameOf(table, 5), std::string(13, 'q') + "\u2026" + std::string(13, 'q') + " 2");
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
