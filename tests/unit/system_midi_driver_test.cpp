// The system MIDI driver on a machine without MIDI back ends (no ALSA sequencer, no JACK server): no
// device but the built-in synthesizer, refusals by result code, and not a byte printed.
#include "platform/builtin_synth.h"
#include "platform/system_midi_driver.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Sends this process's stdout and stderr into a file while it lives.
class OutputCapture {
public:
    OutputCapture() : file_(std::tmpfile()), savedOut_(dup(1)), savedErr_(dup(2))
    {
        std::fflush(nullptr);
        dup2(fileno(file_), 1);
        dup2(fileno(file_), 2);
    }
    ~OutputCapture()
    {
        restore();
        std::fclose(file_);
    }
    std::string text()
    {
        restore();
        std::string captured;
        std::rewind(file_);
        for (int c; (c = std::fgetc(file_)) != EOF;) captured += static_cast<char>(c);
        return captured;
    }

private:
    void restore()
    {
        if (savedOut_ < 0) return;
        std::fflush(nullptr);
        dup2(savedOut_, 1);
        dup2(savedErr_, 2);
        close(savedOut_);
        close(savedErr_);
        savedOut_ = savedErr_ = -1;
    }

    std::FILE* file_;
    int savedOut_;
    int savedErr_;
};

} // namespace

TEST(SystemDriverWithoutBackEnds, ListsOnlyTheSynthesizerAndPrintsNothing)
{
    setenv("JACK_DEFAULT_SERVER", ("pixono-absent-" + std::to_string(getpid())).c_str(), 1);
    const bool synthListed = !BuiltinSynth::soundFontPath().empty();
    OutputCapture capture;
    MMRESULT capsResult = 0, mapperCapsResult = 0, openResult = 0;
    MIDIOUTCAPSA caps{};
    uint32_t count = 0;
    {
        std::unique_ptr<MidiServices> driver = createSystemMidiDriver();
        count = driver->midiOutGetNumDevs();
        capsResult = driver->midiOutGetDevCapsA(0, &caps, sizeof caps);
        MIDIOUTCAPSA mapper{};
        mapperCapsResult = driver->midiOutGetDevCapsA(MIDI_MAPPER, &mapper, sizeof mapper);
        HMIDIOUT handle = nullptr;
        // Opening the synthesizer would start audio; with no device the mapper refuses.
        openResult = synthListed ? MMSYSERR_BADDEVICEID : driver->midiOutOpen(&handle, MIDI_MAPPER, nullptr, 0, 0);
    }
    const std::string printed = capture.text();
    EXPECT_EQ(printed, "");
    EXPECT_EQ(openResult, MMSYSERR_BADDEVICEID);
    if (synthListed) {
        EXPECT_EQ(count, 1u);
        EXPECT_EQ(capsResult, MMSYSERR_NOERROR);
        EXPECT_STREQ(caps.szPname, "Built-in synthesizer");
        EXPECT_EQ(mapperCapsResult, MMSYSERR_NOERROR);
    } else {
        EXPECT_EQ(count, 0u);
        EXPECT_EQ(capsResult, MMSYSERR_BADDEVICEID);
        EXPECT_EQ(mapperCapsResult, MMSYSERR_BADDEVICEID);
    }
}
