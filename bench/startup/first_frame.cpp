// Starts a program and prints, in milliseconds, how long it took until its first top-level window was
// drawn on the X display (the first damage reported after the window was mapped), then its process id.
// The program keeps running; the caller measures and ends it.
//   first_frame PROGRAM [ARGUMENTS...]
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <sys/types.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <set>

namespace {

double millisecondsSince(const timespec& start)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec - start.tv_sec) * 1e3 + double(now.tv_nsec - start.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_frame PROGRAM [ARGUMENTS...]\n");
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
                std::printf("%.1f %d\n", millisecondsSince(start), int(child));
                return 0;
            }
        }
    }
}
