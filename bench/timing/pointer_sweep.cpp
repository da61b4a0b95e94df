// Drives a left drag across a window through XTEST and times what its JACK port plays back. The drag
// crosses 80% of the window's width at 60% of its height in 80 equal moves, so that every move plays
// another note: first slowly, 50 ms apart, to learn which note each move plays, then at a steady
// 3.5 ms pace. Each move is stamped with jack_frame_time as it is sent; each note on is stamped where it
// arrives at a JACK input of our own (its cycle's start plus its offset). Prints the spread of arrival
// minus send over the fast drag's moves (5th to 95th percentile) in milliseconds, then how many moves
// were paired with an arrival. Each drag waits (10 s at most) until the server's clock agrees with its
// cycles, as it does not at times without realtime scheduling.
//   pointer_sweep TITLE_PART SOURCE_PORT   (the first top-level window whose name holds TITLE_PART)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <jack/jack.h>
#include <jack/midiport.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <ctime>
#include <vector>

namespace {

constexpr int kMoves = 80;
constexpr long kMillisecond = 1000000;

struct Arrival {
    jack_nframes_t frame;
    uint8_t note;
};

jack_client_t* client = nullptr;
jack_port_t* in = nullptr;
std::array<Arrival, 4096> arrivals;
std::atomic<size_t> arrived{0};
std::atomic<uint32_t> settledCycles{0};

int process(jack_nframes_t frames, void*)
{
    void* buffer = jack_port_get_buffer(in, frames);
    const jack_nframes_t cycleStart = jack_last_frame_time(client);
    // Without realtime scheduling, the server's estimate of the current frame can fall periods behind
    // its cycles for a while (after a late cycle it catches up); every program's stamps then look old.
    const auto ahead = int32_t(jack_frame_time(client) - cycleStart);
    if (ahead < -int32_t(frames / 4) || ahead > int32_t(2 * frames)) settledCycles.store(0, std::memory_order_relaxed);
    else settledCycles.fetch_add(1, std::memory_order_relaxed);
    const uint32_t count = jack_midi_get_event_count(buffer);
    size_t next = arrived.load(std::memory_order_relaxed);
    for (uint32_t i = 0; i < count && next < arrivals.size(); ++i) {
        jack_midi_event_t event{};
        if (jack_midi_event_get(&event, buffer, i) != 0 || event.size != 3) continue;
        if ((event.buffer[0] & 0xF0) != 0x90 || event.buffer[2] == 0) continue;
        arrivals[next++] = {cycleStart + event.time, event.buffer[1]};
    }
    arrived.store(next, std::memory_order_release);
    return 0;
}

void sleepUntil(const timespec& at)
{
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) != 0) {
    }
}

timespec after(timespec at, long nanoseconds)
{
    at.tv_nsec += nanoseconds;
    at.tv_sec += at.tv_nsec / 1000000000;
    at.tv_nsec %= 1000000000;
    return at;
}

void pause(long nanoseconds)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    sleepUntil(after(now, nanoseconds));
}

bool nameHolds(Display* display, Window window, const char* part)
{
    XTextProperty name{};
    if (!XGetWMName(display, window, &name) || !name.value) return false;
    const std::string text(reinterpret_cast<const char*>(name.value), name.nitems);
    XFree(name.value);
    return text.find(part) != std::string::npos;
}

// A mapped top-level window whose name holds `part`; there is no window manager to reparent it.
Window findWindow(Display* display, const char* part)
{
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
            nameHolds(display, children[i], part))
            found = children[i];
    }
    if (children) XFree(children);
    return found;
}

// Waits up to 10 s for a second in which the server's estimate of the frame agreed with its cycles.
void awaitSettledClock()
{
    const uint32_t second = jack_get_sample_rate(client) / jack_get_buffer_size(client);
    for (int tries = 0; tries < 200 && settledCycles.load(std::memory_order_relaxed) < second; ++tries)
        pause(50 * kMillisecond);
}

// One drag, once the server's clock has settled: a press at the first position, then the moves `pace`
// apart, stamped into `sent`.
void drag(Display* display, const std::vector<int>& xs, int y, long pace, std::vector<jack_nframes_t>& sent)
{
    awaitSettledClock();
    XTestFakeMotionEvent(display, -1, xs[0], y, 0);
    XSync(display, False);
    pause(50 * kMillisecond);
    sent[0] = jack_frame_time(client);
    XTestFakeButtonEvent(display, 1, True, 0);
    XFlush(display);
    timespec at{};
    clock_gettime(CLOCK_MONOTONIC, &at);
    for (int i = 1; i <= kMoves; ++i) {
        at = after(at, pace);
        sleepUntil(at);
        sent[size_t(i)] = jack_frame_time(client);
        XTestFakeMotionEvent(display, -1, xs[size_t(i)], y, 0);
        XFlush(display);
    }
    pause(200 * kMillisecond);
    XTestFakeButtonEvent(display, 1, False, 0);
    XSync(display, False);
    pause(200 * kMillisecond);
}

// The move that played each arrival of the slow drag: the last one sent before it arrived.
std::vector<int> notesOfMoves(const std::vector<jack_nframes_t>& sent, size_t from, size_t to)
{
    std::vector<int> notes(sent.size(), -1);
    for (size_t a = from; a < to; ++a)
        for (size_t i = sent.size(); i-- > 0;)
            if (int32_t(arrivals[a].frame - sent[i]) >= 0) {
                notes[i] = arrivals[a].note;
                break;
            }
    return notes;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: pointer_sweep TITLE_PART SOURCE_PORT\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    client = jack_client_open("timing-sweep", JackNoStartServer, nullptr);
    if (!display || !client) {
        std::fprintf(stderr, "pointer_sweep: no display or no JACK server\n");
        return 1;
    }
    in = jack_port_register(client, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    jack_set_process_callback(client, process, nullptr);
    if (!in || jack_activate(client) != 0) return 1;
    Window window = 0;
    bool connected = false;
    for (int tries = 0; tries < 400 && !(window && connected); ++tries) {
        if (!window) window = findWindow(display, argv[1]);
        if (!connected) connected = jack_connect(client, argv[2], jack_port_name(in)) == 0;
        pause(50 * kMillisecond);
    }
    if (!window || !connected) {
        std::fprintf(stderr, "pointer_sweep: no window named like '%s' or no port %s\n", argv[1], argv[2]);
        return 1;
    }
    pause(500 * kMillisecond);   // the program settles after its first frame

    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    int left = 0, top = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &left, &top, &child);
    std::vector<int> xs;
    for (int i = 0; i <= kMoves; ++i) xs.push_back(left + attributes.width * (10 + 80 * i / kMoves) / 100);
    const int y = top + attributes.height * 6 / 10;

    std::vector<jack_nframes_t> sent(size_t(kMoves) + 1);
    size_t from = arrived.load(std::memory_order_acquire);
    drag(display, xs, y, 50 * kMillisecond, sent);
    const std::vector<int> notes = notesOfMoves(sent, from, arrived.load(std::memory_order_acquire));

    from = arrived.load(std::memory_order_acquire);
    drag(display, xs, y, 35 * kMillisecond / 10, sent);
    const size_t to = arrived.load(std::memory_order_acquire);
    std::vector<int32_t> latencies;
    for (size_t a = from; a < to; ++a) {
        const auto move = std::find(notes.begin() + 1, notes.end(), arrivals[a].note);
        if (move != notes.end()) latencies.push_back(int32_t(arrivals[a].frame - sent[size_t(move - notes.begin())]));
    }
    if (latencies.size() < kMoves / 2) {
        std::fprintf(stderr, "pointer_sweep: only %zu of %d moves arrived\n", latencies.size(), kMoves);
        return 1;
    }
    std::sort(latencies.begin(), latencies.end());
    const auto percentile = [&](double p) {
        const auto rank = size_t(std::ceil(p * double(latencies.size())));
        return latencies[std::clamp<size_t>(rank, 1, latencies.size()) - 1];
    };
    const double spread = double(percentile(0.95) - percentile(0.05)) * 1000.0 / jack_get_sample_rate(client);
    std::printf("%.3f %zu\n", spread, latencies.size());
    jack_client_close(client);
    XCloseDisplay(display);
    return 0;
}
