// Resolves FluidSynth's calls from the shared library at run time; see fluidsynth_library.h.
#include "platform/fluidsynth_library.h"

#include <dlfcn.h>

namespace {

constexpr const char* kLibraryName = "libfluidsynth.so.3";

template <typename Function>
bool resolve(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

const FluidSynthLibrary* load()
{
    void* handle = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!handle) return nullptr;
    static FluidSynthLibrary library;
    bool complete = true;
#define PIXONO_FLUIDSYNTH_RESOLVE(name) complete = resolve(handle, #name, library.name) && complete;
    PIXONO_FLUIDSYNTH_CALLS(PIXONO_FLUIDSYNTH_RESOLVE)
#undef PIXONO_FLUIDSYNTH_RESOLVE
    if (complete) return &library;
    dlclose(handle);
    return nullptr;
}

} // namespace

const FluidSynthLibrary* fluidSynthLibrary()
{
    static const FluidSynthLibrary* const library = load();
    return library;
}
