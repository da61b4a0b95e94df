// The built-in synthesizer device; see builtin_synth_backend.h.
#include "platform/builtin_synth_backend.h"

#include "platform/builtin_synth.h"
#include "platform/fluidsynth_library.h"

namespace {

class SynthConnection final : public MidiConnection {
public:
    MMRESULT open() { return synth_.open(); }

    MMRESULT sendShort(const uint8_t* bytes, size_t length) override
    {
        uint32_t message = 0;
        for (size_t i = 0; i < length; ++i) message |= uint32_t{bytes[i]} << (8 * i);
        return synth_.shortMessage(message);
    }
    MMRESULT sendLong(const uint8_t* bytes, size_t length) override { return synth_.longMessage(bytes, length); }

private:
    BuiltinSynth synth_;
};

} // namespace

std::vector<MidiDestination> BuiltinSynthBackend::scan()
{
    if (BuiltinSynth::soundFontPath().empty()) return {};
    return {{"synth", BuiltinSynth::kDeviceName, MOD_SWSYNTH}};
}

MMRESULT BuiltinSynthBackend::open(const std::string&, std::unique_ptr<MidiConnection>& connection)
{
    auto opened = std::make_unique<SynthConnection>();
    const MMRESULT result = opened->open();
    if (result == MMSYSERR_NOERROR) connection = std::move(opened);
    return result;
}

void BuiltinSynthBackend::warmUp(const std::string&) { loadFluidSynthLibraryAhead(); }
