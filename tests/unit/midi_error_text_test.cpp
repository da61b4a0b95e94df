// Result-code texts and short-message lengths shared by the MIDI drivers.
#include "platform/midi_error_text.h"
#include "platform/midi_message.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

TEST(MidiErrorText, EveryCodeHasATextOfItsOwn)
{
    const MMRESULT codes[] = {MMSYSERR_NOERROR, MMSYSERR_ERROR, MMSYSERR_BADDEVICEID, MMSYSERR_ALLOCATED,
                              MMSYSERR_INVALHANDLE, MMSYSERR_NOMEM, MMSYSERR_BADERRNUM, MMSYSERR_INVALPARAM,
                              MIDIERR_UNPREPARED, MIDIERR_STILLPLAYING, MIDIERR_NOTREADY, MIDIERR_NODEVICE,
                              MIDIERR_NOAUDIO, MIDIERR_NOSERVER};
    std::set<std::string> texts;
    for (MMRESULT code : codes) {
        char text[MAXERRORLENGTH];
        ASSERT_EQ(midiErrorText(code, text, sizeof text), MMSYSERR_NOERROR) << code;
        EXPECT_GT(std::string(text).size(), 10u) << code;
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), std::size(codes));
}

TEST(MidiErrorText, FillsAtMostTheBufferGiven)
{
    char text[8];
    std::fill(std::begin(text), std::end(text), '#');
    ASSERT_EQ(midiErrorText(MIDIERR_NODEVICE, text, 5), MMSYSERR_NOERROR);
    EXPECT_EQ(std::string(text), "The ");
    EXPECT_EQ(text[5], '#');
    std::fill(std::begin(text), std::end(text), '#');
    ASSERT_EQ(midiErrorText(MIDIERR_NODEVICE, text, 1), MMSYSERR_NOERROR);
    EXPECT_EQ(text[0], '\0');
    EXPECT_EQ(text[1], '#');
}

TEST(MidiErrorText, RefusesUnknownCodesAndMissingBuffers)
{
    char text[MAXERRORLENGTH] = "old";
    EXPECT_EQ(midiErrorText(3, text, sizeof text), MMSYSERR_BADERRNUM);
    EXPECT_EQ(text[0], '\0');
    EXPECT_NE(midiErrorText(MIDIERR_LASTERROR + 1, text, sizeof text), MMSYSERR_NOERROR);
    EXPECT_EQ(midiErrorText(MIDIERR_NODEVICE, nullptr, 128), MMSYSERR_INVALPARAM);
    EXPECT_EQ(midiErrorText(MIDIERR_NODEVICE, text, 0), MMSYSERR_INVALPARAM);
}

TEST(ShortMessageLength, FollowsTheStatusByte)
{
    EXPECT_EQ(shortMessageLength(0x90), 3u);   // note on
    EXPECT_EQ(shortMessageLength(0x8F), 3u);   // note off, channel 16
    EXPECT_EQ(shortMessageLength(0xB0), 3u);   // control change
    EXPECT_EQ(shortMessageLength(0xC3), 2u);   // program change
    EXPECT_EQ(shortMessageLength(0xDF), 2u);   // channel pressure
    EXPECT_EQ(shortMessageLength(0xE0), 3u);   // pitch bend
    EXPECT_EQ(shortMessageLength(0xF1), 2u);
    EXPECT_EQ(shortMessageLength(0xF2), 3u);
    EXPECT_EQ(shortMessageLength(0xF8), 1u);   // timing clock
    EXPECT_EQ(shortMessageLength(0xFF), 1u);
}

TEST(ShortMessageLength, RefusesWhatNoShortMessageStartsWith)
{
    EXPECT_EQ(shortMessageLength(0x00), 0u);
    EXPECT_EQ(shortMessageLength(0x7F), 0u);   // running status is not supported
    EXPECT_EQ(shortMessageLength(0xF0), 0u);   // system exclusive goes as a long message
    EXPECT_EQ(shortMessageLength(0xF7), 0u);
    EXPECT_EQ(shortMessageLength(0xF4), 0u);
    EXPECT_EQ(shortMessageLength(0xF5), 0u);
}

TEST(IsRelease, OnlyMessagesThatEndNotesOrUndoThemAreReleases)
{
    struct Case {
        std::vector<uint8_t> bytes;
        bool release;
    };
    const Case cases[] = {
        {{0x8F, 60, 64}, true},   {{0x93, 60, 0}, true},    {{0x90, 60, 1}, false},  {{0xB0, 120, 0}, true},
        {{0xBF, 123, 0}, true},   {{0xB0, 121, 0}, false},  {{0xB0, 1, 0}, false},   {{0xE5, 0, 64}, true},
        {{0xE0, 1, 64}, false},   {{0xE0, 0, 63}, false},   {{0xD3, 0}, true},       {{0xD0, 1}, false},      {{0x80, 60}, false},
    };
    for (const Case& c : cases) EXPECT_EQ(isRelease(c.bytes.data(), c.bytes.size()), c.release) << int(c.bytes[0]);
}
