// The floor for the timing benchmark: a bare Xlib window that plays its width as notes while the left
// button is held. Each press and each motion event is stamped with jack_frame_time as it is read, and
// the JACK process callback places it one period later, by the same rule as Pixono's JACK output.
//   reference_window   (client "timing-reference", port "out")
#include "platform/jack_event_offset.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>

#include <cstdint>
#include <cstdio>

namespace {

struct Stamped {
    jack_nframes_t sent;
    uint8_t bytes[3];
};

jack_client_t* client = nullptr;
jack_port_t* out = nullptr;
jack_ringbuffer_t* ring = nullptr;

int process(jack_nframes_t frames, void*)
{
    void* buffer = jack_port_get_buffer(out, frames);
    jack_midi_clear_buffer(buffer);
    const jack_nframes_t cycleStart = jack_last_frame_time(client);
    jack_nframes_t earliest = 0;
    Stamped event{};
    while (jack_ringbuffer_peek(ring, reinterpret_cast<char*>(&event), sizeof event) == sizeof event) {
        const std::optional<jack_nframes_t> offset = jackEventOffset(event.sent, cycleStart, frames, earliest);
        if (!offset) break;
        if (jack_midi_event_write(buffer, *offset, event.bytes, sizeof event.bytes) != 0) break;
        jack_ringbuffer_read_advance(ring, sizeof event);
        earliest = *offset;
    }
    return 0;
}

void play(int x, int width)
{
    const Stamped event{jack_frame_time(client), {0x90, uint8_t(x * 127 / (width > 0 ? width : 1) & 0x7F), 100}};
    if (jack_ringbuffer_write_space(ring) >= sizeof event)
        jack_ringbuffer_write(ring, reinterpret_cast<const char*>(&event), sizeof event);
}

} // namespace

int main()
{
    Display* display = XOpenDisplay(nullptr);
    client = jack_client_open("timing-reference", JackNoStartServer, nullptr);
    if (!display || !client) {
        std::fprintf(stderr, "reference_window: no display or no JACK server\n");
        return 1;
    }
    ring = jack_ringbuffer_create(1 << 16);
    out = jack_port_register(client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    jack_set_process_callback(client, process, nullptr);
    if (!ring || !out || jack_activate(client) != 0) return 1;

    const int width = 600, height = 400;
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, width, height, 0, 0,
                                              WhitePixel(display, DefaultScreen(display)));
    XStoreName(display, window, "timing reference");
    XSelectInput(display, window, ButtonPressMask | PointerMotionMask);
    XMapWindow(display, window);
    for (;;) {
        XEvent event{};
        XNextEvent(display, &event);
        if (event.type == ButtonPress && event.xbutton.button == Button1) play(event.xbutton.x, width);
        if (event.type == MotionNotify && (event.xmotion.state & Button1Mask)) play(event.xmotion.x, width);
    }
}
