// Silenced ALSA and JACK messages; see quiet_audio_libraries.h.
#include "platform/quiet_audio_libraries.h"

#include <alsa/asoundlib.h>
#include <jack/jack.h>

#include <mutex>

namespace {

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}
void ignoreJackMessage(const char*) {}

} // namespace

void silenceAlsaLibrary()
{
    static std::once_flag silenced;
    std::call_once(silenced, [] { snd_lib_error_set_handler(ignoreAlsaError); });
}

void silenceJackLibrary()
{
    static std::once_flag silenced;
    std::call_once(silenced, [] {
        jack_set_error_function(ignoreJackMessage);
        jack_set_info_function(ignoreJackMessage);
    });
}
