// Selecting the output port's device by number and by name.
#include "tests/unit/midi_output_fixture.h"

namespace {

MIDIOUTCAPSA describedCaps()
{
    MIDIOUTCAPSA caps = fakeCaps("Described Synth");
    caps.wMid = 7;
    caps.wPid = 9;
    caps.vDriverVersion = 0x0502;
    caps.wTechnology = 0x1234;
    caps.wVoices = 24;
    caps.wNotes = 48;
    caps.wChannelMask = 0x00FF;
    caps.dwSupport = 0xA5;
    return caps;
}

TEST_F(MidiOutputTest, NewPortIsClosedOnDeviceZeroAndCountsDevicesOnce)
{
    driver.addDevice("A");
    driver.addDevice("B");
    TMidiOutput* port = makePort();
    driver.addDevice("C");
    EXPECT_EQ(port->PortState(), TMidiOutput::TPortState::Closed);
    EXPECT_EQ(port->DeviceID(), 0u);
    EXPECT_EQ(port->ProductName(), "");
    EXPECT_EQ(port->DeviceHandle(), nullptr);
    EXPECT_FALSE(port->Onmidioutput());
    EXPECT_EQ(port->DeviceCount(), 2);
    EXPECT_EQ(driver.callCount(MidiCall::GetDevCaps), 0u);

    ASSERT_TRUE(port->Open());
    EXPECT_EQ(driver.lastCall(MidiCall::Open).deviceId, 0u);
}

TEST_F(MidiOutputTest, DeviceIdCopiesTheCapabilityRecord)
{
    driver.addDevice("First");
    driver.addDevice(describedCaps());
    TMidiOutput* port = makePort();
    port->SetDeviceID(1);
    EXPECT_EQ(port->DeviceID(), 1u);
    EXPECT_EQ(port->ProductName(), "Described Synth");
    EXPECT_EQ(port->DriverVersion(), 0x0502u);
    EXPECT_EQ(port->Technology(), 0x34);
    EXPECT_EQ(port->Voices(), 24);
    EXPECT_EQ(port->Notes(), 48);
    EXPECT_EQ(port->ChannelMask(), 0x00FF);
    EXPECT_EQ(port->Support(), 0xA5u);
    EXPECT_EQ(port->LastResult(), 0);
}

TEST_F(MidiOutputTest, NameFillingTheWholeRecordIsReadToItsEnd)
{
    const std::string full(32, 'N');
    driver.addDevice(full + "overflow");   // only 32 bytes land in the record, with no zero
    TMidiOutput* port = makePort();
    port->SetDeviceID(0);
    EXPECT_EQ(port->ProductName(), full);
    port->SetProductName(full);
    EXPECT_EQ(port->DeviceID(), 0u);
}

TEST_F(MidiOutputTest, DeviceIdIsRefusedWhileOpen)
{
    driver.addDevice("A");
    driver.addDevice("B");
    TMidiOutput* port = makePort();
    ASSERT_TRUE(port->Open());
    driver.clearRecords();
    expectMidiError([&] { port->SetDeviceID(1); }, "Change to MIDI out Device ID while device was open");
    EXPECT_EQ(port->DeviceID(), 0u);
    EXPECT_TRUE(driver.calls().empty());
}

TEST_F(MidiOutputTest, DeviceIdMustBeBelowTheCountMadeNow)
{
    driver.addDevice("A");
    TMidiOutput* port = makePort();
    expectMidiError([&] { port->SetDeviceID(1); }, "Invalid MIDI out device ID");
    EXPECT_EQ(port->DeviceID(), 0u);
    EXPECT_EQ(driver.callCount(MidiCall::GetDevCaps), 0u);

    driver.addDevice("Late");
    port->SetDeviceID(1);
    EXPECT_EQ(port->ProductName(), "Late");
}

TEST_F(MidiOutputTest, MapperIdPassesWithoutDevicesAndItsQueryDecides)
{
    TMidiOutput* port = makePort();
    expectMidiError([&] { port->SetDeviceID(MIDI_MAPPER); }, text(MMSYSERR_BADDEVICEID));
    EXPECT_EQ(port->DeviceID(), MIDI_MAPPER);
    EXPECT_EQ(port->LastResult(), MMSYSERR_BADDEVICEID);

    driver.setMapper(fakeCaps("MIDI mapper"));
    port->SetDeviceID(MIDI_MAPPER);
    EXPECT_EQ(port->ProductName(), "MIDI mapper");
}

TEST_F(MidiOutputTest, RefusedQueryKeepsTheNewIdAndTheOldDescription)
{
    driver.addDevice(describedCaps());
    driver.addDevice("Other");
    TMidiOutput* port = makePort();
    port->SetDeviceID(0);
    driver.fail(MidiCall::GetDevCaps, MIDIERR_NODEVICE, 1u);
    expectMidiError([&] { port->SetDeviceID(1); }, text(MIDIERR_NODEVICE));
    EXPECT_EQ(port->DeviceID(), 1u);
    EXPECT_EQ(port->ProductName(), "Described Synth");
    EXPECT_EQ(port->Voices(), 24);
    EXPECT_EQ(port->LastResult(), MIDIERR_NODEVICE);
}

TEST_F(MidiOutputTest, NameSelectsTheLowestDeviceBearingIt)
{
    driver.addDevice("Twin");
    driver.addDevice(describedCaps());
    driver.addDevice("Described Synth");
    TMidiOutput* port = makePort();
    port->SetProductName("Described Synth");
    EXPECT_EQ(port->DeviceID(), 1u);
    EXPECT_EQ(port->Voices(), 24);   // the description is refreshed by the ID assignment
}

TEST_F(MidiOutputTest, NameMustMatchExactly)
{
    driver.addDevice("Synth");
    TMidiOutput* port = makePort();
    port->SetDeviceID(0);
    for (const std::string name : {"synth", "Synth ", "Synt", ""}) {
        expectMidiError([&] { port->SetProductName(name); }, "MIDI output Device '" + name + "' not installed");
        EXPECT_EQ(port->ProductName(), "Synth");
    }
}

TEST_F(MidiOutputTest, NameIsRefusedWhileOpen)
{
    driver.addDevice("Synth");
    TMidiOutput* port = makePort();
    ASSERT_TRUE(port->Open());
    driver.clearRecords();
    expectMidiError([&] { port->SetProductName("Synth"); }, "Change to ProductName while MIDI out device was open");
    EXPECT_TRUE(driver.calls().empty());
}

TEST_F(MidiOutputTest, WithoutDevicesANameGoesStraightToTheMapper)
{
    TMidiOutput* port = makePort();
    expectMidiError([&] { port->SetProductName("MIDI mapper"); }, text(MMSYSERR_BADDEVICEID));

    driver.setMapper(fakeCaps("MIDI mapper"));
    driver.clearRecords();
    port->SetProductName("MIDI mapper");
    EXPECT_EQ(port->DeviceID(), MIDI_MAPPER);
    EXPECT_EQ(port->ProductName(), "MIDI mapper");
    EXPECT_EQ(driver.calls().at(1).deviceId, MIDI_MAPPER);   // after the device count

    expectMidiError([&] { port->SetProductName("Nothing"); }, "MIDI output Device 'Nothing' not installed");
    EXPECT_EQ(port->DeviceID(), MIDI_MAPPER);
}

TEST_F(MidiOutputTest, RefusedQueryDuringTheNameSearchRaisesItsText)
{
    driver.addDevice("A");
    driver.addDevice("B");
    TMidiOutput* port = makePort();
    driver.fail(MidiCall::GetDevCaps, MMSYSERR_NOMEM, 0u);
    expectMidiError([&] { port->SetProductName("B"); }, text(MMSYSERR_NOMEM));
    EXPECT_EQ(port->DeviceID(), 0u);
    EXPECT_EQ(port->LastResult(), MMSYSERR_NOMEM);
}

TEST_F(MidiOutputTest, NotInstalledLeavesTheLastQueryResult)
{
    driver.addDevice("A");
    TMidiOutput* port = makePort();
    driver.fail(MidiCall::GetDevCaps, MMSYSERR_BADDEVICEID, MIDI_MAPPER);
    expectMidiError([&] { port->SetProductName("Z"); }, text(MMSYSERR_BADDEVICEID));
    driver.clearFailures();
    expectMidiError([&] { port->SetProductName("Z"); }, "MIDI output Device 'Z' not installed");
    EXPECT_EQ(port->LastResult(), 0);
}

TEST_F(MidiOutputTest, PropertiesReachTheAssignments)
{
    driver.addDevice("A");
    driver.addDevice("B");
    TMidiOutput* port = makePort();
    EXPECT_TRUE(port->setProperty("ProductName", QString("B")));
    EXPECT_EQ(port->property("DeviceID").toUInt(), 1u);
    EXPECT_TRUE(port->setProperty("DeviceID", 0u));
    EXPECT_EQ(port->property("ProductName").toString(), "A");

    int fired = 0;
    TMidiOutput::TNotifyEvent handler = [&](TMidiOutput*) { ++fired; };
    EXPECT_TRUE(port->setProperty("Onmidioutput", QVariant::fromValue(handler)));
    port->Onmidioutput()(port);
    EXPECT_EQ(fired, 1);
}

} // namespace
