#pragma once
#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

// The functions the SDL media service calls in SDL2, SDL2_mixer and FluidSynth. The
// libraries are opened by their sonames the first time a sound is asked for, so a run
// that plays nothing loads none of them, nor the libraries they bring along. Opened
// once per process and never closed.
#define KOLVO_SDL_FUNCTIONS(X)                                                                     \
    X(SDL_SetHint)                                                                                 \
    X(SDL_InitSubSystem)                                                                           \
    X(SDL_QuitSubSystem)                                                                           \
    X(SDL_Quit)                                                                                    \
    X(SDL_GetNumAudioDevices)                                                                      \
    X(SDL_RWFromConstMem)                                                                          \
    X(SDL_RWclose)                                                                                 \
    X(SDL_TLSCleanup)

#define KOLVO_MIXER_FUNCTIONS(X)                                                                   \
    X(Mix_OpenAudioDevice)                                                                         \
    X(Mix_QuerySpec)                                                                               \
    X(Mix_CloseAudio)                                                                              \
    X(Mix_Quit)                                                                                    \
    X(Mix_AllocateChannels)                                                                        \
    X(Mix_SetPostMix)                                                                              \
    X(Mix_HookMusic)                                                                               \
    X(Mix_LoadWAV_RW)                                                                              \
    X(Mix_FreeChunk)                                                                               \
    X(Mix_PlayChannel)                                                                             \
    X(Mix_GroupOldest)                                                                             \
    X(Mix_HaltChannel)

#define KOLVO_FLUIDSYNTH_FUNCTIONS(X)                                                              \
    X(new_fluid_settings)                                                                          \
    X(delete_fluid_settings)                                                                       \
    X(fluid_settings_setnum)                                                                       \
    X(fluid_settings_setint)                                                                       \
    X(new_fluid_synth)                                                                             \
    X(delete_fluid_synth)                                                                          \
    X(fluid_synth_sfload)                                                                          \
    X(fluid_synth_set_gain)                                                                        \
    X(fluid_synth_write_s16)                                                                       \
    X(new_fluid_player)                                                                            \
    X(delete_fluid_player)                                                                         \
    X(fluid_player_add_mem)                                                                        \
    X(fluid_player_play)                                                                           \
    X(fluid_player_get_status)

struct SdlMediaLibrary {
#define KOLVO_DECLARE(name) decltype(&::name) name = nullptr;
    KOLVO_SDL_FUNCTIONS(KOLVO_DECLARE)
    KOLVO_MIXER_FUNCTIONS(KOLVO_DECLARE)
    KOLVO_FLUIDSYNTH_FUNCTIONS(KOLVO_DECLARE)
#undef KOLVO_DECLARE
    // False when FluidSynth or one of its functions is missing: waves still play.
    bool hasFluidSynth = false;

    static constexpr char kSdl[] = "libSDL2-2.0.so.0";
    static constexpr char kMixer[] = "libSDL2_mixer-2.0.so.0";
    static constexpr char kFluidSynth[] = "libfluidsynth.so.3";

    // The functions, or null when SDL2 or SDL2_mixer cannot be opened or lacks one of
    // them. Opens the libraries at the first call; any thread.
    static const SdlMediaLibrary* get();
};
