// The virtual output device; see virtual_output_backend.h.
#include "platform/virtual_output_backend.h"

std::vector<MidiDestination> VirtualOutputBackend::scan()
{
    if (!alsa_.available() && !jack_.available()) return {};
    return {{"virtual", kDeviceName, MOD_MIDIPORT}};
}

MMRESULT VirtualOutputBackend::open(const std::string&, std::unique_ptr<MidiConnection>& connection)
{
    if (alsa_.available()) return alsa_.openVirtual(connection);
    if (jack_.available()) return jack_.openVirtual(connection);
    return MIDIERR_NODEVICE;
}
