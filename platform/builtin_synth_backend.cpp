// The built-in synthesizer device; see builtin_synth_backend.h.
#include "platform/builtin_synth_backend.h"

#include <chrono>

namespace {

class SynthConnection final : public MidiConnection {
public:
    MMRESULT open(std::shared_ptr<BuiltinSynth::Parts> parts) { return synth_.open(std::move(parts)); }

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
    const MMRESULT result = opened->open(ahead_.valid() ? ahead_.get() : BuiltinSynth::makeParts());
    if (result == MMSYSERR_NOERROR) connection = std::move(opened);
    return result;
}

bool BuiltinSynthBackend::warmUp(const std::string&)
{
    if (!ahead_.valid()) ahead_ = std::async(std::launch::async, [] { return BuiltinSynth::makeParts(true); });
    return ahead_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}
