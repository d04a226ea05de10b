// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/SdlMediaLibrary.h"

#include <dlfcn.h>

namespace {

template <class Function> bool resolve(void* library, const char* name, Function& function)
{
    function = library ? reinterpret_cast<Function>(::dlsym(library, name)) : nullptr;
    return function != nullptr;
}

// Handles stay open for the life of the process: SDL's threads and FluidSynth's
// callbacks may still run code of theirs while the process ends.
const SdlMediaLibrary* open()
{
    static SdlMediaLibrary table;
    void* sdl = ::dlopen(SdlMediaLibrary::kSdl, RTLD_NOW | RTLD_LOCAL);
    void* mixer = ::dlopen(SdlMediaLibrary::kMixer, RTLD_NOW | RTLD_LOCAL);
    bool ok = true;
#define KOLVO_RESOLVE_SDL(name) ok &= resolve(sdl, #name, table.name);
#define KOLVO_RESOLVE_MIXER(name) ok &= resolve(mixer, #name, table.name);
    KOLVO_SDL_FUNCTIONS(KOLVO_RESOLVE_SDL)
    KOLVO_MIXER_FUNCTIONS(KOLVO_RESOLVE_MIXER)
#undef KOLVO_RESOLVE_SDL
#undef KOLVO_RESOLVE_MIXER
    return ok ? &table : nullptr;
}

} // namespace

const SdlMediaLibrary* SdlMediaLibrary::get()
{
    static const SdlMediaLibrary* const table = open();
    return table;
}
