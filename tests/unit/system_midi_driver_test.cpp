// The system MIDI driver on a machine without back ends (no ALSA sequencer, no JACK server): no
// devices, refusals by result code, and not a byte printed.
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

TEST(SystemDriverWithoutBackEnds, ListsNothingRefusesQuietlyAndPrintsNothing)
{
    setenv("JACK_DEFAULT_SERVER", ("pixono-absent-" + std::to_string(getpid())).c_str(), 1);
    OutputCapture capture;
    MMRESULT capsResult = 0, openResult = 0;
    uint32_t count = 1;
    {
        std::unique_ptr<MidiServices> driver = createSystemMidiDriver();
        count = driver->midiOutGetNumDevs();
        MIDIOUTCAPSA caps{};
        capsResult = driver->midiOutGetDevCapsA(MIDI_MAPPER, &caps, sizeof caps);
        HMIDIOUT handle = nullptr;
        openResult = driver->midiOutOpen(&handle, MIDI_MAPPER, nullptr, 0, 0);
    }
    const std::string printed = capture.text();
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(capsResult, MMSYSERR_BADDEVICEID);
    EXPECT_EQ(openResult, MMSYSERR_BADDEVICEID);
    EXPECT_EQ(printed, "");
}
