// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of a sound to the user-interface thread, and how soon it is heard.
//
// PlaySound* time the call alone (microseconds): what a click or a timer tick pays.
// Latency* time from the call to the mixer's first buffer with sound in it
// (milliseconds), taken with the service's mixer probe; the output device adds its own
// buffering on top. SDL_AUDIODRIVER defaults to "dummy" here, which mixes in real
// time without a sound card; run with SDL_AUDIODRIVER=pulseaudio for a real server.
// The sound files are read from the build directory, beside the game.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include <QCoreApplication>
#include <QDir>

#include "sound/SdlMedia.h"
#include "sound/PlaySound.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

QString soundFile(const char* name)
{
    return QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/..")).absoluteFilePath(QLatin1String(name));
}

std::unique_ptr<SdlMedia> quietMedia()
{
    return std::make_unique<SdlMedia>(
        [](const MediaFailure& failure) { std::fprintf(stderr, "sound_bench: %s\n", qPrintable(failure.text())); });
}

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// A roll sound the service has played before: decoded and waiting.
void BM_PlaySoundWarm(benchmark::State& state)
{
    auto media = quietMedia();
    const QString roll = soundFile("Roll.wav");
    sound::PlaySound(*media, roll);
    media->waitUntilIdle();
    for (auto _ : state) {
        const auto start = Clock::now();
        sound::PlaySound(*media, roll);
        state.SetIterationTime(seconds(Clock::now() - start));
        media->waitUntilIdle();
    }
}
BENCHMARK(BM_PlaySoundWarm)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The first sound of a service that has just been made: the device count waits (at
// most SdlMedia::kFirstCountWait) for the worker to have opened the audio libraries and
// started SDL's audio, which nothing before the first sound does.
void BM_PlaySoundFirstAfterStart(benchmark::State& state)
{
    const QString roll = soundFile("Roll.wav");
    for (auto _ : state) {
        auto media = quietMedia();
        const auto start = Clock::now();
        sound::PlaySound(*media, roll);
        state.SetIterationTime(seconds(Clock::now() - start));
        media->waitUntilIdle();
    }
}
BENCHMARK(BM_PlaySoundFirstAfterStart)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(20);

// A file the running service has not played yet: the worker will decode it, the call does not.
void BM_PlaySoundCold(benchmark::State& state)
{
    const QString tune = soundFile("I3IK.MID");
    const QString claps = soundFile("claps.wav");
    for (auto _ : state) {
        auto media = quietMedia();
        media->waveOutGetNumDevs();
        const auto start = Clock::now();
        sound::PlaySound(*media, state.range(0) ? tune : claps);
        state.SetIterationTime(seconds(Clock::now() - start));
        media->waitUntilIdle();
    }
}
BENCHMARK(BM_PlaySoundCold)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("midi")
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20);

// From the call to the first sound mixed, on a freshly started service each time,
// so nothing is still sounding: the file is read and decoded first (for MIDI, the
// soundfont is cut to the tune and loaded).
void latencyCold(benchmark::State& state, const char* name)
{
    const QString path = soundFile(name);
    for (auto _ : state) {
        auto media = quietMedia();
        media->waveOutGetNumDevs();
        media->armAudibleProbe();
        const auto start = Clock::now();
        sound::PlaySound(*media, path);
        const auto heard = media->waitAudible(3s);
        if (!heard) {
            state.SkipWithError("nothing was heard within 3 s");
            return;
        }
        state.SetIterationTime(seconds(*heard - start));
    }
}
void BM_LatencyWaveCold(benchmark::State& state)
{
    latencyCold(state, "Roll.wav");
}
void BM_LatencyMidi(benchmark::State& state)
{
    latencyCold(state, "Congratulations.mid");
}
BENCHMARK(BM_LatencyWaveCold)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_LatencyMidi)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// A decoded wave: only the hand-over and the mixer's next buffer remain.
void BM_LatencyWaveWarm(benchmark::State& state)
{
    auto media = quietMedia();
    const QString roll = soundFile("Roll.wav");
    sound::PlaySound(*media, roll);
    media->waitUntilIdle();
    for (auto _ : state) {
        std::this_thread::sleep_for(1s); // the roll before has died away
        media->armAudibleProbe();
        const auto start = Clock::now();
        sound::PlaySound(*media, roll);
        const auto heard = media->waitAudible(3s);
        if (!heard) {
            state.SkipWithError("nothing was heard within 3 s");
            return;
        }
        state.SetIterationTime(seconds(*heard - start));
    }
}
BENCHMARK(BM_LatencyWaveWarm)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(8);

} // namespace

int main(int argc, char** argv)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QCoreApplication app(argc, argv);
    std::printf("SDL audio driver: %s\n", std::getenv("SDL_AUDIODRIVER"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
