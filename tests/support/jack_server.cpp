// A private JACK server per test and a recording MIDI input client; see jack_server.h.
#include "tests/support/jack_server.h"

#include <jack/midiport.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace {

using namespace std::chrono_literals;

// Forks and execs `argv` with stdin, stdout and stderr on /dev/null (stderr on `errorFd` when one is
// given); the child is sent SIGTERM if the thread that started it ends first, so a crashed test leaves
// no server behind.
pid_t spawnQuiet(std::vector<std::string> args, const std::vector<std::string>& extraEnv, int errorFd = -1)
{
    std::vector<std::string> envStrings(extraEnv);
    for (char** e = environ; *e; ++e) envStrings.emplace_back(*e);
    std::vector<char*> argv, envp;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto& e : envStrings) envp.push_back(e.data());
    envp.push_back(nullptr);

    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 1);
        dup2(errorFd >= 0 ? errorFd : null, 2);
        execvpe(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    if (pid < 0) throw std::runtime_error("fork failed");
    return pid;
}

bool exited(pid_t pid, std::chrono::milliseconds within)
{
    const auto deadline = std::chrono::steady_clock::now() + within;
    do {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return true;
        std::this_thread::sleep_for(10ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return false;
}

// Names fixed by the test program's path and the server's place among those this process started.
// JACK2 keeps 8 servers in its registry, and the slot of a server that died without cleaning up goes
// only to the next server of the same name; within one process a name is not used twice, because
// libjack keeps the state of clients left behind by a stopped server.
std::string serverName()
{
    static std::atomic<unsigned> started{0};
    char exe[PATH_MAX] = {};
    const ssize_t length = readlink("/proc/self/exe", exe, sizeof exe - 1);
    char hash[9];
    std::snprintf(hash, sizeof hash, "%08x",
                  static_cast<unsigned>(std::hash<std::string>{}(std::string(exe, std::max<ssize_t>(length, 0)))));
    return std::string("pixono-test-") + hash + "-" + std::to_string(started++);
}

std::string wholeFile(FILE* file)
{
    std::string text;
    std::rewind(file);
    for (int c; (c = std::fgetc(file)) != EOF;) text += static_cast<char>(c);
    return text;
}

// What a stopped server leaves in /dev/shm under its own name: the semaphores of clients still open
// when it stopped ("jack_sem.<uid>_<server>_<client>") and its sockets ("jack_<server>_<uid>_<n>").
void removeEntriesOf(const std::string& server)
{
    const std::string uid = std::to_string(getuid());
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/shm", ignored)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("jack_sem." + uid + "_" + server + "_") || name.starts_with("jack_" + server + "_" + uid + "_"))
            std::filesystem::remove(entry.path(), ignored);
    }
}

bool anyJackdRuns()
{
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", ignored)) {
        std::FILE* comm = std::fopen((entry.path() / "comm").c_str(), "r");
        if (!comm) continue;
        char name[32] = {};
        const bool isJackd = std::fgets(name, sizeof name, comm) && std::string(name) == "jackd\n";
        std::fclose(comm);
        if (isJackd) return true;
    }
    return false;
}

// At the exit of a test program that ran servers, the registry and metadata store that the first
// server made are removed too, unless another server (not ours) still uses them; not earlier, as this
// process's libjack keeps the registry it attached to for the next server of the program.
struct SharedEntriesRemover {
    ~SharedEntriesRemover()
    {
        if (anyJackdRuns()) return;
        std::error_code ignored;
        std::filesystem::remove("/dev/shm/jack-shm-registry", ignored);
        std::filesystem::remove_all("/dev/shm/jack_db-" + std::to_string(getuid()), ignored);
    }
};

// A crash (a stale registry entry can end jackd with SIGBUS) prints nothing, so the status says it.
std::string howEnded(int status)
{
    if (WIFSIGNALED(status)) return "signal " + std::to_string(WTERMSIG(status));
    return "status " + std::to_string(WEXITSTATUS(status));
}

} // namespace

JackServer::JackServer(unsigned period) : name_(serverName()), period_(period)
{
    setenv("JACK_DEFAULT_SERVER", name_.c_str(), 1);
    setenv("JACK_NO_START_SERVER", "1", 1);
    start();
}

void JackServer::start(const std::vector<std::string>& options)
{
    if (pid_ > 0) return;
    [[maybe_unused]] static const SharedEntriesRemover atExit;
    // A server of the same name that is still going away (an earlier test's) makes jackd exit at once.
    const auto retryUntil = std::chrono::steady_clock::now() + 5s;
    for (;;) {
        const std::unique_ptr<FILE, int (*)(FILE*)> errors(std::tmpfile(), &std::fclose);
        if (!errors) throw std::runtime_error("no temporary file for jackd's errors");
        std::vector<std::string> command = {"jackd", "--no-realtime", "-n", name_};
        command.insert(command.end(), options.begin(), options.end());
        command.insert(command.end(), {"-d", "dummy", "-r", "48000", "-p", std::to_string(period_)});
        pid_ = spawnQuiet(command, {"JACK_NO_AUDIO_RESERVATION=1"}, fileno(errors.get()));
        const auto deadline = std::chrono::steady_clock::now() + 15s;
        int status = 0;
        while (!answers()) {
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                break;
            }
            if (std::chrono::steady_clock::now() > deadline) {
                stop();
                throw std::runtime_error("jackd " + name_ + " did not answer jack_lsp: " + wholeFile(errors.get()));
            }
            std::this_thread::sleep_for(50ms);
        }
        if (pid_ > 0) return;
        if (std::chrono::steady_clock::now() > retryUntil)
            throw std::runtime_error("jackd " + name_ + " exited at start (" + howEnded(status) +
                                     "): " + wholeFile(errors.get()));
        std::this_thread::sleep_for(200ms);
    }
}

JackServer::~JackServer() { stop(); }

void JackServer::stop()
{
    if (pid_ <= 0) return;
    resume();
    kill(pid_, SIGTERM);
    if (!exited(pid_, 5s)) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
    removeEntriesOf(name_);
}

void JackServer::stall() const
{
    if (pid_ > 0) kill(pid_, SIGSTOP);
}

void JackServer::resume() const
{
    if (pid_ > 0) kill(pid_, SIGCONT);
}

bool JackServer::answers() const
{
    const pid_t lsp = spawnQuiet({"jack_lsp"}, {});
    int status = 0;
    waitpid(lsp, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

JackMidiReader::JackMidiReader(const std::string& clientName)
{
    client_ = jack_client_open(clientName.c_str(), JackNoStartServer, nullptr);
    if (!client_) throw std::runtime_error("JackMidiReader: no JACK server");
    ring_ = jack_ringbuffer_create(1 << 16);
    port_ = jack_port_register(client_, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    jack_on_shutdown(client_, &JackMidiReader::shutdown, this);
    if (!ring_ || !port_ || jack_set_process_callback(client_, &JackMidiReader::process, this) != 0 ||
        jack_activate(client_) != 0) {
        jack_client_close(client_);
        if (ring_) jack_ringbuffer_free(ring_);
        throw std::runtime_error("JackMidiReader: cannot set up the input port");
    }
}

JackMidiReader::~JackMidiReader()
{
    // Closing a client whose server has gone can crash libjack; the dead client is left as it is.
    if (serverGone_) return;
    jack_client_close(client_);
    jack_ringbuffer_free(ring_);
}

void JackMidiReader::shutdown(void* self) { static_cast<JackMidiReader*>(self)->serverGone_ = true; }

std::string JackMidiReader::portName() const { return jack_port_name(port_); }

bool JackMidiReader::connected() const { return jack_port_connected(port_) > 0; }

bool JackMidiReader::hasClient(const std::string& name) const
{
    char* uuid = jack_get_uuid_for_client_name(client_, name.c_str());
    if (uuid) jack_free(uuid);
    return uuid != nullptr;
}

void JackMidiReader::connectFrom(const std::string& source)
{
    if (jack_connect(client_, source.c_str(), jack_port_name(port_)) != 0)
        throw std::runtime_error("JackMidiReader: cannot connect " + source);
}

int JackMidiReader::process(jack_nframes_t frames, void* self)
{
    auto* reader = static_cast<JackMidiReader*>(self);
    void* buffer = jack_port_get_buffer(reader->port_, frames);
    const uint32_t count = jack_midi_get_event_count(buffer);
    const jack_nframes_t cycleStart = jack_last_frame_time(reader->client_);
    for (uint32_t i = 0; i < count; ++i) {
        jack_midi_event_t event;
        if (jack_midi_event_get(&event, buffer, i) != 0) continue;
        const uint32_t header[2] = {static_cast<uint32_t>(event.size), cycleStart + event.time};
        // A full ring loses the event; the test then sees fewer events than it waits for.
        if (jack_ringbuffer_write_space(reader->ring_) < sizeof header + event.size) continue;
        jack_ringbuffer_write(reader->ring_, reinterpret_cast<const char*>(header), sizeof header);
        jack_ringbuffer_write(reader->ring_, reinterpret_cast<const char*>(event.buffer), event.size);
    }
    return 0;
}

void JackMidiReader::drain()
{
    uint32_t header[2] = {};   // length, arrival frame
    // Records are written header first, so a record is complete once its bytes are all readable.
    while (jack_ringbuffer_peek(ring_, reinterpret_cast<char*>(header), sizeof header) == sizeof header &&
           jack_ringbuffer_read_space(ring_) >= sizeof header + header[0]) {
        jack_ringbuffer_read_advance(ring_, sizeof header);
        MidiBytes bytes(header[0]);
        jack_ringbuffer_read(ring_, reinterpret_cast<char*>(bytes.data()), header[0]);
        received_.push_back(std::move(bytes));
        arrivals_.push_back(header[1]);
    }
}

std::vector<MidiBytes> JackMidiReader::waitForEvents(size_t count, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    drain();
    while (received_.size() < count && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(2ms);
        drain();
    }
    return received_;
}
