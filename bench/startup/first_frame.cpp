// Starts a program and prints, in milliseconds, how long it took until its first top-level window was
// drawn on the X display (the first damage reported after the window was mapped), then its process id.
// The program keeps running; the caller measures and ends it. With --answers SECONDS it then pings
// the window every 5 ms for that long (_NET_WM_PING, which the toolkit answers from its event loop)
// and prints a third number: the longest the window took to answer, in milliseconds.
//   first_frame [--answers SECONDS] PROGRAM [ARGUMENTS...]
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <set>
#include <vector>

namespace {

double millisecondsSince(const timespec& start)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec - start.tv_sec) * 1e3 + double(now.tv_nsec - start.tv_nsec) / 1e6;
}

// Pings `window` every 5 ms for `seconds` and returns the longest wait for an answer; a ping still
// unanswered at the end counts until then.
double longestAnswer(Display* display, Window window, double seconds)
{
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    const Window root = DefaultRootWindow(display);
    // The toolkit sends its answer to the root window for structure notify listeners.
    XSelectInput(display, root, SubstructureNotifyMask | StructureNotifyMask);
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    std::vector<double> sentAt;
    double longest = 0;
    size_t answered = 0;  // pings up to here have been answered, or skipped by a later answer
    while (millisecondsSince(start) < seconds * 1e3) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = long(ping);
        event.xclient.data.l[1] = long(sentAt.size());  // echoed back unchanged
        event.xclient.data.l[2] = long(window);
        sentAt.push_back(millisecondsSince(start));
        XSendEvent(display, window, False, NoEventMask, &event);
        XFlush(display);
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, 5);
        while (XPending(display)) {
            XNextEvent(display, &event);
            if (event.type != ClientMessage || event.xclient.window != root) continue;
            if (Atom(event.xclient.data.l[0]) != ping) continue;
            const auto seq = size_t(event.xclient.data.l[1]);
            if (seq >= sentAt.size() || seq < answered) continue;
            longest = std::max(longest, millisecondsSince(start) - sentAt[seq]);
            answered = seq + 1;
        }
    }
    if (answered < sentAt.size()) longest = std::max(longest, millisecondsSince(start) - sentAt[answered]);
    return longest;
}

} // namespace

int main(int argc, char* argv[])
{
    double answerSeconds = 0;
    if (argc > 2 && std::strcmp(argv[1], "--answers") == 0) {
        answerSeconds = std::atof(argv[2]);
        argv += 2;
        argc -= 2;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_frame [--answers SECONDS] PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "first_frame: no X display with the DAMAGE extension\n");
        return 1;
    }
    // Top-level windows are made and mapped as children of the root window (no window manager runs).
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t child = fork();
    if (child == 0) {
        dup2(STDERR_FILENO, STDOUT_FILENO);  // the caller reads only this program's line
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    std::set<Window> mapped;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify) {
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportRawRectangles);
        } else if (event.type == MapNotify) {
            mapped.insert(event.xmap.window);
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (mapped.count(damage.drawable)) {
                const double firstFrame = millisecondsSince(start);
                if (answerSeconds <= 0) {
                    std::printf("%.1f %d\n", firstFrame, int(child));
                    return 0;
                }
                std::printf("%.1f %d %.1f\n", firstFrame, int(child),
                            longestAnswer(display, damage.drawable, answerSeconds));
                return 0;
            }
        }
    }
}
