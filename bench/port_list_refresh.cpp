// Opening the MIDI port drop-down with a JACK server running and 50 JACK MIDI input ports: the
// system driver's rescan with the listing that follows it, and the whole refresh of the main window's
// list as the user's click on the drop-down makes it.
#include "app/form_main.h"
#include "app/settings_page.h"
#include "app/program_paths.h"
#include "platform/system_midi_driver.h"
#include "tests/support/jack_server.h"
#include "tests/support/qt_application.h"

#include <QComboBox>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr int kPorts = 50;

// A private server with one client that owns 50 MIDI inputs.
struct JackRig {
    JackRig()
    {
        client = jack_client_open("bench-synths", JackNoStartServer, nullptr);
        for (int i = 0; client && i < kPorts; ++i)
            jack_port_register(client, ("in-" + std::to_string(i)).c_str(), JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
        if (client) jack_activate(client);
    }
    ~JackRig()
    {
        if (client) jack_client_close(client);
    }
    JackServer server;
    jack_client_t* client = nullptr;
};

void DriverRescanAndListing(benchmark::State& state)
{
    JackRig rig;
    const std::unique_ptr<MidiServices> driver = createSystemMidiDriver();
    for (auto _ : state) {
        const uint32_t count = driver->midiOutGetNumDevs();
        for (uint32_t id = 0; id < count; ++id) {
            MIDIOUTCAPSA caps{};
            benchmark::DoNotOptimize(driver->midiOutGetDevCapsA(id, &caps, sizeof caps));
        }
    }
    state.counters["devices"] = driver->midiOutGetNumDevs();
}
BENCHMARK(DriverRescanAndListing)->Unit(benchmark::kMillisecond);

void WindowDropDownRefresh(benchmark::State& state)
{
    JackRig rig;
    ensureQtApplication();
    std::remove(SettingsFileName().c_str());
    {
        TFormMain form;
        form.show();
        for (auto _ : state) {
            form.TabSheetSettings->ComboBoxMidiOutPort->showPopup();
            form.TabSheetSettings->ComboBoxMidiOutPort->hidePopup();
        }
        state.counters["entries"] = form.TabSheetSettings->ComboBoxMidiOutPort->count();
    }
    std::remove(SettingsFileName().c_str());
}
BENCHMARK(WindowDropDownRefresh)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
