// The program itself on an X server of the test's own and a real JACK server: when the X server goes
// away while a key and a gliding drag with pressure are held, the notes still end, the bend returns to
// centre, the pressure to 0, and the settings are saved, before the process ends.
#include "tests/support/child_exit.h"
#include "tests/support/jack_server.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

// A child process that dies with the test program, and is ended if a test leaves it running.
class Child {
public:
    Child(std::vector<std::string> args, const std::string& display = {})
    {
        pid_ = fork();
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (!display.empty()) {
                setenv("DISPLAY", display.c_str(), 1);
                unsetenv("QT_QPA_PLATFORM");  // the tests' offscreen platform
            }
            std::vector<char*> argv;
            for (std::string& arg : args) argv.push_back(arg.data());
            argv.push_back(nullptr);
            execvp(argv[0], argv.data());
            _exit(127);
        }
    }
    // Asked to end first, so that an X server removes its socket and lock file.
    ~Child()
    {
        if (pid_ <= 0 || kill(pid_, SIGTERM) != 0) return;
        if (endsWithin(2s) == -1 && kill(pid_, SIGKILL) == 0) waitpid(pid_, nullptr, 0);
    }
    pid_t pid() const { return pid_; }
    // The wait status once it has ended within `timeout`, or -1.
    int endsWithin(std::chrono::milliseconds timeout)
    {
        const std::optional<int> status = childExitWithin(pid_, timeout);
        if (status) pid_ = -1;
        return status.value_or(-1);
    }

private:
    pid_t pid_ = -1;
};

// Runs xdotool on `display` and says whether it succeeded.
bool xdotool(const std::string& display, const std::string& arguments)
{
    return std::system(("DISPLAY=" + display + " xdotool " + arguments + " >/dev/null 2>&1").c_str()) == 0;
}

bool contains(const std::vector<MidiBytes>& events, const MidiBytes& event)
{
    return std::find(events.begin(), events.end(), event) != events.end();
}

} // namespace

TEST(DisplayLoss, HeldNotesEndAndTheSettingsAreSavedWhenTheXServerGoesAway)
{
    JackServer server;
    JackMidiReader reader("display-listener");
    TempFolder folder;
    // A copy of its own, so that the settings it saves beside itself are the test's.
    const std::string program = folder.file("pixono");
    std::filesystem::copy_file(PIXONO_EXECUTABLE, program);
    writeFileBytes(folder.file("pixono.INI"), "[Settings]\nMidiOutPort=" + reader.portName() +
                                                  "\nPitchMode=Glide\nAfterAttack=Pressure\n");
    // Display 90 and up are left to tests; no key repeats, which would end and strike the key's note.
    const std::string display = ":" + std::to_string(90 + getpid() % 100);
    Child xServer({"Xvfb", display, "-screen", "0", "800x600x24", "-nolisten", "tcp", "-ardelay", "60000"});
    bool xServerAnswers = false;
    for (int i = 0; i < 100 && !xServerAnswers; ++i, std::this_thread::sleep_for(50ms))
        xServerAnswers = xdotool(display, "getdisplaygeometry");
    ASSERT_TRUE(xServerAnswers) << "Xvfb did not start on " << display;
    Child pixono({program}, display);
    ASSERT_TRUE(xdotool(display, "search --sync --onlyvisible --name \"=== Pixono\" windowfocus --sync")) << "no window";
    ASSERT_FALSE(reader.waitForEvents(6, 10s).empty()) << "the stored port was not opened";

    ASSERT_TRUE(xdotool(display, "keydown z mousemove 100 300 mousedown 1 mousemove 130 250"));
    // The bend range, the key, the drag; a loaded machine may deliver the drag's last moves later, so
    // the count settles before the display goes.
    size_t held = reader.waitForEvents(13).size();
    for (size_t now; (now = reader.waitForEvents(held + 1, 500ms).size()) > held;) held = now;
    ASSERT_TRUE(contains(reader.waitForEvents(held), {0x90, 60, 100}));

    kill(xServer.pid(), SIGTERM);
    const int status = pixono.endsWithin(10s);
    ASSERT_NE(status, -1) << "still running without its display";
    const std::vector<MidiBytes> all = reader.waitForEvents(held + 4);
    const std::vector<MidiBytes> after(all.begin() + static_cast<long>(held), all.end());
    EXPECT_TRUE(contains(after, {0x80, 60, 100})) << "the key's note hangs";
    EXPECT_EQ(std::count_if(after.begin(), after.end(), [](const MidiBytes& e) { return e[0] == 0x80; }), 2)
        << "the drag's note hangs";
    EXPECT_TRUE(contains(after, {0xE0, 0, 64})) << "the bend was not centred";
    EXPECT_TRUE(contains(after, {0xD0, 0})) << "the pressure was not returned to 0";
    EXPECT_NE(readFileBytes(folder.file("pixono.INI")).find("Width="), std::string::npos) << "nothing was saved";
}
