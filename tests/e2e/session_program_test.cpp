// The program itself under a session manager (a fake one of the test's, over OSC) and a real JACK
// server: it announces, registers nothing before the open, plays under the session's client ID with
// the state it finds in the session, saves into it, and ends on SIGTERM without saving again.
#include "tests/support/child_exit.h"
#include "tests/support/fake_session_manager.h"
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
#include <functional>
#include <optional>
#include <thread>

extern char** environ;

namespace {

using namespace std::chrono_literals;

// The program started with NSM_URL and a home of its own; stopped with SIGKILL if a test leaves it
// running or the test program dies.
class Program {
public:
    Program(const std::string& nsmUrl, const std::string& home)
    {
        setenv("NSM_URL", nsmUrl.c_str(), 1);
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home + "config").c_str(), 1);
        char* argv[] = {const_cast<char*>(PIXONO_EXECUTABLE), nullptr};
        pid_ = fork();
        if (pid_ == 0) {
            // A test program that is killed (a timeout) takes the program with it.
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            execve(PIXONO_EXECUTABLE, argv, environ);
            _exit(127);
        }
        unsetenv("NSM_URL");
    }
    ~Program()
    {
        if (pid_ > 0 && kill(pid_, SIGKILL) == 0) waitpid(pid_, nullptr, 0);
    }
    pid_t pid() const { return pid_; }
    // The wait status once it has ended within `timeout`; nothing when it is still running.
    std::optional<int> endsWithin(std::chrono::milliseconds timeout)
    {
        const std::optional<int> status = childExitWithin(pid_, timeout);
        if (status) pid_ = -1;
        return status;
    }

private:
    pid_t pid_ = -1;
};

bool eventually(const std::function<bool()>& done)
{
    for (auto end = std::chrono::steady_clock::now() + 10s; std::chrono::steady_clock::now() < end;) {
        if (done()) return true;
        std::this_thread::sleep_for(20ms);
    }
    return done();
}

} // namespace

TEST(SessionProgram, OpensPlaysUnderItsClientIdSavesAndEndsOnSigtermWithoutSaving)
{
    JackServer server;
    JackMidiReader reader("session-listener");
    TempFolder folder;
    const std::string clientFolder = folder.file("session/Pixono.nTEST");
    const std::string stateFile = clientFolder + "/pixono.INI";
    std::filesystem::create_directories(clientFolder);
    writeFileBytes(stateFile, "[Settings]\nMidiOutPort=" + reader.portName() + "\nMidiOutChannel=3\n");
    const std::string besideProgram = std::filesystem::path(PIXONO_EXECUTABLE).replace_extension(".INI");
    const std::string besideBefore = readFileBytes(besideProgram);

    FakeSessionManager manager;
    Program program(manager.url(), folder.file("home/"));
    ASSERT_GT(program.pid(), 0);
    const std::optional<OscMessage> announce = manager.waitFor("/nsm/server/announce");
    ASSERT_TRUE(announce);
    ASSERT_EQ(announce->args.size(), 6u);
    EXPECT_EQ(announce->args[0], "Pixono");
    EXPECT_NE(announce->args[1].find(":dirty:"), std::string::npos);
    EXPECT_EQ(announce->args[2], PIXONO_EXECUTABLE);
    EXPECT_EQ(announce->args[3], "1");
    EXPECT_EQ(announce->args[4], "1");
    EXPECT_EQ(announce->args[5], std::to_string(program.pid()));

    manager.acceptAnnounce();
    // A save refused as too early shows the event loop running, past the first frame after which a
    // program outside a session lists its ports and opens one; under the session it must not.
    manager.save();
    ASSERT_TRUE(manager.waitFor("/error", "/nsm/client/save")) << "the event loop did not run";
    for (const char* client : {"Pixono", "Pixono-list", "pixono-synth", "pixono-synth-watch"})
        EXPECT_FALSE(reader.hasClient(client)) << client << " before the open";

    manager.open(clientFolder, "Pixono.nTEST");
    const std::optional<OscMessage> opened = manager.waitFor("/reply", "/nsm/client/open");
    ASSERT_TRUE(opened) << "no reply to the open";
    EXPECT_TRUE(eventually([&] { return reader.connected(); })) << "the stored port was not opened";
    EXPECT_TRUE(reader.hasClient("Pixono.nTEST/Pixono"));
    EXPECT_FALSE(reader.hasClient("Pixono"));

    manager.save();
    ASSERT_TRUE(manager.waitFor("/reply", "/nsm/client/save")) << "no reply to the save";
    const std::string saved = readFileBytes(stateFile);
    EXPECT_NE(saved.find("MidiOutChannel=3"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Width="), std::string::npos) << "the window's bounds were not saved: " << saved;
    EXPECT_TRUE(std::any_of(manager.received().begin(), manager.received().end(),
                            [](const OscMessage& message) { return message.path == "/nsm/client/is_clean"; }));

    // A save at the end would write the settings over this text again.
    writeFileBytes(stateFile, "; left as the session's last save\n");
    ASSERT_EQ(kill(program.pid(), SIGTERM), 0);
    const std::optional<int> status = program.endsWithin(5s);
    ASSERT_TRUE(status) << "still running after SIGTERM";
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << "wait status " << *status;
    EXPECT_EQ(readFileBytes(stateFile), "; left as the session's last save\n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("home/config"))) << "settings kept outside the session";
    EXPECT_EQ(readFileBytes(besideProgram), besideBefore) << "settings kept outside the session";
}
