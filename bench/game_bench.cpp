#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>

#include "game/Evaluation.h"
#include "game/KolvoArena.h"
#include "platform/Dialogs.h"
#include "platform/Media.h"
#include "platform/Random.h"
#include "platform/SettingsStore.h"

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

struct QuietDialogs : Dialogs {
    MsgAnswer MsgBox(const QString&, MsgButtons, const QString&) override { return MsgAnswer::Ok; }
    QString InputBox(const QString&, const QString&) override { return QStringLiteral("Anna"); }
};
struct SameRandom : RandomSource {
    float x = 0.0f;
    void Randomize(float) override {}
    float Rnd() override { return x = x + 0.1f >= 1.0f ? 0.0f : x + 0.1f; }
};
struct EmptyStore : SettingsStore {
    QString GetSetting(const QString&, const QString&, const QString&, const QString& d) override { return d; }
    void SaveSetting(const QString&, const QString&, const QString&, const QString&) override {}
};
struct Silent : Media {
    unsigned waveOutGetNumDevs() override { return 0; }
    bool mciExecute(const QByteArray&) override { return true; }
};

QuietDialogs dialogs;
SameRandom random;
EmptyStore store;
Silent media;

Services services()
{
    Services s;
    s.dialogs = &dialogs;
    s.random = &random;
    s.settings = &store;
    s.media = &media;
    s.programDirectory = [] { return QStringLiteral("/opt/kolvo/"); };
    return s;
}

QPixmap face(int v)
{
    QPixmap p(32, 32);
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

// One animation tick with five free dice: the work done every 100 ms while rolling.
void BM_AnimationTick(benchmark::State& st)
{
    KolvoArena arena(services(), &face);
    arena.Form_Load();
    arena.SpelarNummer_Click(1);
    for (auto _ : st) {
        arena.Timer1_Timer();
        arena.state.TickCount = 0;
    }
}
BENCHMARK(BM_AnimationTick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
