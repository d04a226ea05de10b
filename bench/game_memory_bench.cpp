// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game played in one process through the real windows: the start-up chain
// (Intro, KolvoRul, KolvoArena with its load handler), then every roll, animation tick,
// hold and category click of a game through the window's handlers, with the real
// random numbers, settings store (in a temporary XDG_CONFIG_HOME) and media service
// (SDL_mixer on SDL's dummy output unless SDL_AUDIODRIVER says otherwise). Only the
// dialogs are scripted: they answer at once, so no handler waits for a person.
//
// Reported per game:
//   max_handler_ms  the longest single handler (Roller_Click, Timer1_Timer,
//                   DicePic_Click or a category click with all it sets off);
//   max_paint_ms    the longest repaint that followed a handler (processEvents);
//   peak_rss_MB     the process's peak resident memory so far (getrusage ru_maxrss);
//   startup_ms      the start-up chain up to a loaded main window.
// The figures are printed with the handler that took longest.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "app/KolvoApp.h"
#include "arena/KolvoArena.h"
#include "platform/Dialogs.h"
#include "platform/ProgramDirectory.h"
#include "platform/QtSettingsStore.h"
#include "sound/SdlMedia.h"
#include "platform/StdRandom.h"
#include "ui/KolvoRul.h"

namespace {

struct AnsweringDialogs : Dialogs {
    int prompts = 0;
    int messages = 0;
    DialogAnswer message(const QString&, DialogButtons, const QString&) override
    {
        ++messages;
        return DialogAnswer::Ok;
    }
    std::optional<QString> askText(const QString&, const QString&) override
    {
        return QStringLiteral("Spelare %1").arg(++prompts);
    }
    std::optional<Choices> askChoices(const QString&, const std::vector<ChoiceField>&,
                                      const std::function<bool(const Choices&)>&) override
    {
        return std::nullopt;
    }
    void notice(const QString&, const QString&) override { ++messages; }
    void showFailure(const QString&) override {}
};

double peakRssMB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

// The program's directory as the real program sees it: the build directory, one above
// this benchmark, where the sound files lie.
QString soundDirectory()
{
    return withTrailingSeparator(QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/..")).canonicalPath());
}

struct Longest {
    double ms = 0;
    std::string what;
    void note(double t, const std::string& name)
    {
        if (t > ms) {
            ms = t;
            what = name;
        }
    }
};

class GamePlay {
public:
    Longest handler, paint;
    int turnNo = 0;

    // Runs f as one handler and the repaint after it, timing each.
    void run(const char* name, const std::function<void()>& f)
    {
        const std::string where = std::string(name) + " (turn " + std::to_string(turnNo) + ")";
        QElapsedTimer t;
        t.start();
        f();
        handler.note(t.nsecsElapsed() / 1e6, where);
        t.restart();
        QCoreApplication::processEvents();
        paint.note(t.nsecsElapsed() / 1e6, where);
    }

    // Keeps the dice of the face shown most often (the higher one on a tie).
    void hold(KolvoArena& a)
    {
        std::array<int, 7> count{};
        for (auto v : a.table().state().DiceValue)
            ++count[v];
        int best = 6;
        for (int f = 6; f >= 1; --f)
            if (count[f] > count[best])
                best = f;
        for (int i = 0; i < GameState::kDice; ++i) {
            const bool keep = count[best] >= 2 && a.table().state().DiceValue[i] == best;
            if (keep == a.table().state().DiceFree[i])
                run("DicePic_Click", [&] { a.DicePic_Click(static_cast<std::int16_t>(i)); });
        }
    }

    void roll(KolvoArena& a)
    {
        run("Roller_Click", [&] { a.Roller_Click(); });
        // The ticks are driven from here, one handler at a time, instead of by the timer.
        a.Timer1->stop();
        do
            run("Timer1_Timer", [&] { a.Timer1_Timer(); });
        while (a.table().tickCount() != 0);
    }

    static std::int16_t candidate(const GameState& s, int n)
    {
        const std::int16_t v[]
            = {0,           s.valEttor, s.valTvaor,  s.valTreor,  s.valFyror,  s.valFemmor, s.valSexor, s.valPar,
               s.valTvaPar, s.valTriss, s.valFyrtal, s.valLillan, s.valStoran, s.valKak,    s.valKolvo, s.valChans};
        return v[n];
    }

    void turn(KolvoArena& a, int rolls)
    {
        ++turnNo;
        roll(a);
        for (int r = 2; r <= rolls; ++r) {
            hold(a);
            roll(a);
        }
        const int p = a.table().state().CurrentPlayer + 1;
        int best = 0;
        for (int c = 1; c <= GameState::kCategories; ++c)
            if (a.table().state().Points[p][c] == GameState::kFree
                && (best == 0 || candidate(a.table().state(), c) > candidate(a.table().state(), best)))
                best = c;
        // The click the player makes: toggled -> ScoreVal_Click -> RecordScore -> NextPlayer -> GameFinish.
        run("ScoreVal click", [&] { a.ScoreVal[best]->click(); });
    }
};

void BM_WholeGame(benchmark::State& st)
{
    const int players = static_cast<int>(st.range(0));
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QDir::setCurrent(soundDirectory()); // where the set-up tune is looked for

    AnsweringDialogs dialogs;
    StdRandom random;
    QtSettingsStore settings;
    SdlMedia media([](const MediaFailure& f) { std::fprintf(stderr, "media: %s\n", qPrintable(f.text())); });
    const Services services{.dialogs = &dialogs,
                            .random = &random,
                            .settings = &settings,
                            .media = &media,
                            .programDirectory = soundDirectory,
                            .cacheDirectory = [&config] { return config.path(); }};

    Longest handler, paint, startup;
    double gameMs = 0;
    for (auto _ : st) {
        QElapsedTimer t;
        t.start();
        KolvoApp app(services,
                     [](const Services& s, FacePictureSource faces) { return new KolvoArena(s, std::move(faces)); });
        app.start();
        app.showSetup();
        app.setup()->DiceStyle6_Click();
        app.setup()->Forward_Click();
        auto* arena = qobject_cast<KolvoArena*>(app.arena());
        QCoreApplication::processEvents();
        startup.note(t.nsecsElapsed() / 1e6, "start-up chain");

        GamePlay play;
        t.restart();
        play.run("SpelarNummer_Click", [&] { arena->SpelarNummer_Click(static_cast<std::int16_t>(players)); });
        for (int k = 0; k < 15 * players; ++k)
            play.turn(*arena, 1 + k % 3);
        gameMs = t.nsecsElapsed() / 1e6;
        if (arena->Roller->isEnabled())
            st.SkipWithError("the game did not end");
        handler.note(play.handler.ms, play.handler.what);
        paint.note(play.paint.ms, play.paint.what);
        media.waitUntilIdle();
    }
    st.counters["max_handler_ms"] = handler.ms;
    st.counters["max_paint_ms"] = paint.ms;
    st.counters["startup_ms"] = startup.ms;
    st.counters["game_ms"] = gameMs;
    st.counters["peak_rss_MB"] = peakRssMB();
    st.SetLabel("longest handler: " + handler.what + ", longest repaint after: " + paint.what);
}
BENCHMARK(BM_WholeGame)->Arg(1)->Arg(6)->ArgName("players")->Iterations(3)->Unit(benchmark::kMillisecond);

// The parts of the end of a game, one at a time, to see which one makes it the
// longest handler: the record written (two keys, each synced to disk), read back, and
// the two sounds handed to the media service.
void BM_EndOfGameParts(benchmark::State& st)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QtSettingsStore settings;
    SdlMedia media([](const MediaFailure&) {});
    media.waveOutGetNumDevs();
    const QString dir = soundDirectory();
    const int part = static_cast<int>(st.range(0));
    int n = 0;
    for (auto _ : st) {
        switch (part) {
        case 0:
            settings.setValue(QStringLiteral("Kolvo"), QStringLiteral("KolvoHighscore"), QStringLiteral("Score"),
                              QString::number(100 + n++));
            settings.setValue(QStringLiteral("Kolvo"), QStringLiteral("KolvoHighscore"), QStringLiteral("Name"),
                              QStringLiteral("Spelare 1"));
            break;
        case 1:
            benchmark::DoNotOptimize(settings.value(QStringLiteral("Kolvo"), QStringLiteral("KolvoHighscore"),
                                                    QStringLiteral("Score"), QStringLiteral("0")));
            benchmark::DoNotOptimize(settings.value(QStringLiteral("Kolvo"), QStringLiteral("KolvoHighscore"),
                                                    QStringLiteral("Name"), QStringLiteral("Nobody")));
            break;
        case 2:
            media.mciExecute(("Play " + dir + QStringLiteral("clap.wav")).toLocal8Bit());
            break;
        case 3:
            media.mciExecute(("Play " + dir + QStringLiteral("Congratulations.mid")).toLocal8Bit());
            break;
        }
        st.PauseTiming();
        media.waitUntilIdle();
        st.ResumeTiming();
    }
    const char* labels[] = {"record written (Score, Name)", "record read (Score, Name)", "Play clap.wav handed over",
                            "Play Congratulations.mid handed over"};
    st.SetLabel(labels[part]);
}
BENCHMARK(BM_EndOfGameParts)->DenseRange(0, 3)->ArgName("part")->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv);
    std::printf("peak resident memory before any window: %.1f MB\n", peakRssMB());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("peak resident memory at the end: %.1f MB\n", peakRssMB());
    return 0;
}
