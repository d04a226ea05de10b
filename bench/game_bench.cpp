// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/BenchMain.h"

#include <QImage>
#include <QPixmap>

#include "rules/Evaluation.h"
#include "arena/KolvoArena.h"
#include "fakes/FakeServices.h"

namespace {

// Every one of the 7776 throws, evaluated in turn; the figure is per evaluation.
void BM_EvaluateDice(benchmark::State& st)
{
    GameState s;
    int n = 0;
    for (auto _ : st) {
        int k = n++ % 7776;
        for (int i = 0; i < 5; ++i) {
            s.DiceValue[i] = static_cast<std::int16_t>(k % 6 + 1);
            k /= 6;
        }
        EvaluateDice(s);
        benchmark::DoNotOptimize(s.valChans);
    }
}
BENCHMARK(BM_EvaluateDice);

// Scripted services: every box answers OK, every draw is a one, no sound device.
FakeServices fakes;

Services services()
{
    fakes.media.devices = 0;
    return fakes.services();
}

QImage face(int v)
{
    QImage p(32, 32, QImage::Format_ARGB32_Premultiplied);
    p.fill(QColor(v * 40, 0, 0));
    return p;
}

// Creating the main window with all its controls and running its load handler.
void BM_BuildMainWindow(benchmark::State& st)
{
    for (auto _ : st) {
        KolvoArena arena(services(), &face);
        arena.Form_Load();
        benchmark::DoNotOptimize(arena.Roller);
    }
    st.SetLabel("window built and loaded, not shown");
}
BENCHMARK(BM_BuildMainWindow)->Unit(benchmark::kMicrosecond);

// An animation tick with five free dice: the work done every 100 ms while rolling. Every
// fourth tick settles the roll, as in play.
void BM_AnimationTick(benchmark::State& st)
{
    KolvoArena arena(services(), &face);
    arena.Form_Load();
    arena.SpelarNummer_Click(1);
    for (auto _ : st) {
        arena.table().arrange().Rolling = true; // the dice tumble on
        arena.Timer1_Timer();
    }
}
BENCHMARK(BM_AnimationTick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
