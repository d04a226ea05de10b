// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <SDL.h>
#include <SDL_mixer.h>

// The functions the SDL media service calls in SDL2 and SDL2_mixer. The libraries are
// opened by their sonames the first time a sound is asked for, so a run that plays
// nothing loads none of them, nor the libraries they bring along (FluidSynth among
// them, which SDL2_mixer plays MIDI with). Opened once per process and never closed.
#define KOLVO_SDL_FUNCTIONS(X)                                                                                         \
    X(SDL_SetHint)                                                                                                     \
    X(SDL_InitSubSystem)                                                                                               \
    X(SDL_QuitSubSystem)                                                                                               \
    X(SDL_Quit)                                                                                                        \
    X(SDL_GetNumAudioDevices)                                                                                          \
    X(SDL_RWFromConstMem)                                                                                              \
    X(SDL_RWclose)                                                                                                     \
    X(SDL_TLSCleanup)

#define KOLVO_MIXER_FUNCTIONS(X)                                                                                       \
    X(Mix_Init)                                                                                                        \
    X(Mix_Quit)                                                                                                        \
    X(Mix_SetSoundFonts)                                                                                               \
    X(Mix_OpenAudioDevice)                                                                                             \
    X(Mix_CloseAudio)                                                                                                  \
    X(Mix_AllocateChannels)                                                                                            \
    X(Mix_SetPostMix)                                                                                                  \
    X(Mix_LoadWAV_RW)                                                                                                  \
    X(Mix_FreeChunk)                                                                                                   \
    X(Mix_PlayChannel)                                                                                                 \
    X(Mix_GroupOldest)                                                                                                 \
    X(Mix_HaltChannel)                                                                                                 \
    X(Mix_LoadMUS_RW)                                                                                                  \
    X(Mix_GetMusicType)                                                                                                \
    X(Mix_PlayMusic)                                                                                                   \
    X(Mix_PlayingMusic)                                                                                                \
    X(Mix_HaltMusic)                                                                                                   \
    X(Mix_FreeMusic)                                                                                                   \
    X(Mix_HookMusicFinished)

struct SdlMediaLibrary {
#define KOLVO_DECLARE(name) decltype(&::name) name = nullptr;
    KOLVO_SDL_FUNCTIONS(KOLVO_DECLARE)
    KOLVO_MIXER_FUNCTIONS(KOLVO_DECLARE)
#undef KOLVO_DECLARE

    static constexpr char kSdl[] = "libSDL2-2.0.so.0";
    static constexpr char kMixer[] = "libSDL2_mixer-2.0.so.0";

    // The functions, or null when SDL2 or SDL2_mixer cannot be opened or lacks one of
    // them. Opens the libraries at the first call; any thread.
    static const SdlMediaLibrary* get();
};
