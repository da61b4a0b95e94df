// The fake driver that the other tests stand on: handles, scripted failures, texts and done reports.
#include "tests/support/fake_midi_driver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

namespace {

struct DoneReports {
    std::atomic<int> count{0};
    std::atomic<std::thread::id> thread{};
    std::atomic<uintptr_t> lastHeader{0};
};

void recordDone(HMIDIOUT, uint32_t message, uintptr_t instance, uintptr_t param1, uintptr_t)
{
    auto* reports = reinterpret_cast<DoneReports*>(instance);
    if (message != MOM_DONE) return;
    reports->thread = std::this_thread::get_id();
    reports->lastHeader = param1;
    ++reports->count;
}

void noCallback(HMIDIOUT, uint32_t, uintptr_t, uintptr_t, uintptr_t) {}

TEST(FakeMidiDriver, OpensHandOutDistinctHandlesThatAreChecked)
{
    FakeMidiDriver driver;
    driver.addDevice("A");
    driver.addDevice("B");
    HMIDIOUT a = nullptr, b = nullptr, again = nullptr;
    ASSERT_EQ(driver.midiOutOpen(&a, 0, noCallback, 0, CALLBACK_FUNCTION), MMSYSERR_NOERROR);
    ASSERT_EQ(driver.midiOutOpen(&b, 1, noCallback, 0, CALLBACK_FUNCTION), MMSYSERR_NOERROR);
    EXPECT_NE(a, b);
    EXPECT_EQ(driver.midiOutOpen(&again, 0, noCallback, 0, CALLBACK_FUNCTION), MMSYSERR_ALLOCATED);
    EXPECT_EQ(driver.midiOutOpen(&again, 2, noCallback, 0, CALLBACK_FUNCTION), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(driver.midiOutClose(a), MMSYSERR_NOERROR);
    EXPECT_EQ(driver.midiOutShortMsg(a, 0x90), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(driver.midiOutClose(a), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(driver.midiOutShortMsg(b, 0x90), MMSYSERR_NOERROR);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].handle, b);
}

TEST(FakeMidiDriver, FailuresHitTheirCallAndDeviceForTheirCount)
{
    FakeMidiDriver driver;
    driver.addDevice("A");
    driver.addDevice("B");
    driver.fail(MidiCall::GetDevCaps, MIDIERR_NODEVICE, 1u, 2);
    MIDIOUTCAPSA caps{};
    EXPECT_EQ(driver.midiOutGetDevCapsA(0, &caps, sizeof caps), MMSYSERR_NOERROR);
    EXPECT_EQ(driver.midiOutGetDevCapsA(1, &caps, sizeof caps), MIDIERR_NODEVICE);
    EXPECT_EQ(driver.midiOutGetDevCapsA(1, &caps, sizeof caps), MIDIERR_NODEVICE);
    EXPECT_EQ(driver.midiOutGetDevCapsA(1, &caps, sizeof caps), MMSYSERR_NOERROR);
    EXPECT_STREQ(caps.szPname, "B");

    HMIDIOUT handle = nullptr;
    ASSERT_EQ(driver.midiOutOpen(&handle, 1, noCallback, 0, CALLBACK_FUNCTION), MMSYSERR_NOERROR);
    driver.fail(MidiCall::ShortMsg, MMSYSERR_ERROR, 0u);
    EXPECT_EQ(driver.midiOutShortMsg(handle, 0x90), MMSYSERR_NOERROR);   // the handle's device is 1
    driver.fail(MidiCall::ShortMsg, MMSYSERR_NOMEM);
    EXPECT_EQ(driver.midiOutShortMsg(handle, 0x90), MMSYSERR_NOMEM);
    EXPECT_EQ(driver.lastCall(MidiCall::ShortMsg).result, MMSYSERR_NOMEM);
}

TEST(FakeMidiDriver, MapperFollowsTheDeviceList)
{
    FakeMidiDriver driver;
    MIDIOUTCAPSA caps{};
    EXPECT_EQ(driver.midiOutGetDevCapsA(MIDI_MAPPER, &caps, sizeof caps), MMSYSERR_BADDEVICEID);
    driver.addDevice("A");
    EXPECT_EQ(driver.midiOutGetDevCapsA(MIDI_MAPPER, &caps, sizeof caps), MMSYSERR_NOERROR);
    EXPECT_STREQ(caps.szPname, "MIDI mapper");
}

TEST(FakeMidiDriver, ErrorTextFitsTheBufferGiven)
{
    FakeMidiDriver driver;
    char text[8];
    std::memset(text, 'x', sizeof text);
    ASSERT_EQ(driver.midiOutGetErrorTextA(MIDIERR_NODEVICE, text, 5), MMSYSERR_NOERROR);
    EXPECT_EQ(std::string(text), FakeMidiDriver::errorText(MIDIERR_NODEVICE).substr(0, 4));
    EXPECT_EQ(text[5], 'x');
    EXPECT_NE(driver.midiOutGetErrorTextA(12345, text, sizeof text), MMSYSERR_NOERROR);
}

TEST(FakeMidiDriver, DoneIsReportedFromItsOwnThreadAfterTheLongMessageReturned)
{
    FakeMidiDriver driver;
    driver.addDevice("A");
    DoneReports reports;
    HMIDIOUT handle = nullptr;
    ASSERT_EQ(driver.midiOutOpen(&handle, 0, recordDone, reinterpret_cast<uintptr_t>(&reports), CALLBACK_FUNCTION),
              MMSYSERR_NOERROR);
    char bytes[] = {'\xF0', '\xF7'};
    MIDIHDR header{};
    header.lpData = bytes;
    header.dwBufferLength = 2;
    EXPECT_EQ(driver.midiOutLongMsg(handle, &header, sizeof header), MIDIERR_UNPREPARED);
    ASSERT_EQ(driver.midiOutPrepareHeader(handle, &header, sizeof header), MMSYSERR_NOERROR);

    driver.setAutoDone(false);
    ASSERT_EQ(driver.midiOutLongMsg(handle, &header, sizeof header), MMSYSERR_NOERROR);
    EXPECT_EQ(reports.count, 0);
    EXPECT_EQ(driver.midiOutUnprepareHeader(handle, &header, sizeof header), MIDIERR_STILLPLAYING);
    driver.waitUntilDoneDelivered();
    EXPECT_EQ(reports.count, 1);
    EXPECT_NE(reports.thread.load(), std::this_thread::get_id());
    EXPECT_EQ(reports.lastHeader, reinterpret_cast<uintptr_t>(&header));
    EXPECT_TRUE(header.dwFlags & MHDR_DONE);
    EXPECT_EQ(driver.midiOutUnprepareHeader(handle, &header, sizeof header), MMSYSERR_NOERROR);
    EXPECT_EQ(driver.messages().at(0).longBytes, (std::vector<uint8_t>{0xF0, 0xF7}));
}

} // namespace
