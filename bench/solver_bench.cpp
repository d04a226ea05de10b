// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>

#include <QTemporaryDir>

#include "rules/DecisionLog.h"
#include "SoloGames.h"
#include "rules/Solver.h"
#include "rules/SolverCache.h"
#include "arena/AdviceText.h"
#include "rules/Evaluation.h"
#include "rules/GameFlow.h"
#include "rules/ScoreSheet.h"
#include "arena/SheetTexts.h"
#include "ui/ScoreSheet.h"

namespace {

const rules::SolverTable& wholeTable()
{
    static const rules::SolverTable table = *rules::SolverTable::solve();
    return table;
}

// A sheet in the middle of a game: upper rows Ettor 3, Treor 9, Femmor 15; Par 10, Lillan 15,
// Chans 22 used; the dice 6 6 2 5 6.
GameState midGame()
{
    GameState s;
    s.NumPlayers = 1;
    s.Points[1].fill(GameState::kFree);
    s.Points[1][1] = 3;
    s.Points[1][3] = 9;
    s.Points[1][5] = 15;
    s.Points[1][7] = 10;
    s.Points[1][11] = 15;
    s.Points[1][15] = 22;
    s.Points[1][GameState::kBonusRow] = 0;
    s.Points[1][GameState::kTotalRow] = 74;
    s.DiceValue = {6, 6, 2, 5, 6};
    return s;
}

void BM_SolveWholeTable(benchmark::State& st)
{
    for (auto _ : st) {
        auto table = rules::SolverTable::solve();
        benchmark::DoNotOptimize(table->expectedScore());
    }
    st.counters["MiB"] = double(rules::SolverTable::valueCount() * sizeof(double)) / (1 << 20);
}
BENCHMARK(BM_SolveWholeTable)->Unit(benchmark::kMillisecond)->Iterations(3);

// Reading the cached table instead: what every run after the first pays, off the interface thread.
void BM_LoadCachedTable(benchmark::State& st)
{
    QTemporaryDir dir;
    rules::saveTable(wholeTable(), dir.path());
    for (auto _ : st)
        benchmark::DoNotOptimize(rules::loadTable(dir.path())->expectedScore());
}
BENCHMARK(BM_LoadCachedTable)->Unit(benchmark::kMillisecond);

// One query from scratch, as the advice box makes it: the turn's values, then the ranking.
void BM_HoldQuery(benchmark::State& st)
{
    const GameState s = midGame();
    const auto& table = wholeTable();
    for (auto _ : st)
        benchmark::DoNotOptimize(rules::rankHolds(table, s, 1, 2).front().expectedFinal);
}
BENCHMARK(BM_HoldQuery)->Unit(benchmark::kMicrosecond);

void BM_CategoryQuery(benchmark::State& st)
{
    const GameState s = midGame();
    const auto& table = wholeTable();
    for (auto _ : st)
        benchmark::DoNotOptimize(rules::rankCategories(table, s, 1).front().expectedFinal);
}
BENCHMARK(BM_CategoryQuery)->Unit(benchmark::kMicrosecond);

void BM_AdviceText(benchmark::State& st)
{
    const GameState s = midGame();
    const auto& table = wholeTable();
    for (auto _ : st)
        benchmark::DoNotOptimize(texts::adviceText(table, s, 1, 2).rows.size());
}
BENCHMARK(BM_AdviceText)->Unit(benchmark::kMicrosecond);

struct SixPlayerGame {
    GameState state; // the sheets at the end
    rules::DecisionLog log;
};

// A whole six-player game as people play it: keep the face shown most, write the category
// that gives most now. Every hold and category goes into the log, as the main window keeps it.
SixPlayerGame sixPlayerGame(std::uint32_t seed)
{
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> face(1, 6);
    SixPlayerGame game;
    rules::DecisionLog& log = game.log;
    rules::startGame(game.state, GameState::kMaxPlayers);
    for (int player = 1; player <= GameState::kMaxPlayers; ++player)
        game.state.Names[std::size_t(player)] = QStringLiteral("Spelare %1").arg(player);
    std::array<rules::SheetPosition, GameState::kMaxPlayers + 1> sheets{};
    for (int turn = 0; turn < GameState::kCategories; ++turn) {
        for (int player = 1; player <= GameState::kMaxPlayers; ++player) {
            rules::SheetPosition& position = sheets[std::size_t(player)];
            rules::Dice dice;
            for (int& d : dice)
                d = face(generator);
            for (int rollsLeft = 2; rollsLeft >= 1; --rollsLeft) {
                std::array<int, 7> count{};
                for (int d : dice)
                    ++count[std::size_t(d)];
                const int most = int(std::max_element(count.begin() + 1, count.end()) - count.begin());
                std::uint8_t kept = 0;
                for (int i = 0; i < GameState::kDice; ++i)
                    if (dice[std::size_t(i)] == most)
                        kept |= std::uint8_t(1u << i);
                log.addHold(player, position, dice, kept, rollsLeft);
                for (int i = 0; i < GameState::kDice; ++i)
                    if (!(kept & (1u << i)))
                        dice[std::size_t(i)] = face(generator);
            }
            GameState s;
            for (int i = 0; i < GameState::kDice; ++i)
                s.DiceValue[std::size_t(i)] = std::int16_t(dice[std::size_t(i)]);
            rules::EvaluateDice(s);
            int category = 0;
            for (int c = 1; c <= GameState::kCategories; ++c)
                if (!(position.used & (1u << (c - 1)))
                    && (category == 0 || CandidateOf(s, c) > CandidateOf(s, category)))
                    category = c;
            const int points = CandidateOf(s, category);
            log.addCategory(player, position, dice, category, 0);
            auto& sheet = game.state.Points[std::size_t(player)];
            sheet[std::size_t(category)] = std::int16_t(points);
            sheet[GameState::kBonusRow] = std::int16_t(sheet[GameState::kBonusRow] + position.write(category, points));
            sheet[GameState::kTotalRow] = std::int16_t(position.points);
        }
    }
    return game;
}

// The game review of the score-sheet window from scratch, as the window shows it: every
// decision of a six-player game judged (the reasons of the costly ones included), then the
// sheet's content: each player's summary and lessons in words, and the chart.
double wholeReview(const rules::SolverTable& table, const SixPlayerGame& game)
{
    rules::DecisionLog log = game.log;
    log.judgeNew(table);
    const ui::SheetContent content = texts::sheetContent(game.state, log, true);
    benchmark::DoNotOptimize(content.review.size());
    double lost = 0;
    for (int player = 1; player <= GameState::kMaxPlayers; ++player)
        lost += rules::reviewOf(player, log.decisions(), log.verdicts()).lost;
    return lost;
}

void BM_ReviewSixPlayerGame(benchmark::State& st)
{
    const auto& table = wholeTable();
    const SixPlayerGame game = sixPlayerGame(11u);
    for (auto _ : st)
        benchmark::DoNotOptimize(wholeReview(table, game));
    st.counters["decisions"] = double(game.log.size());
}
BENCHMARK(BM_ReviewSixPlayerGame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const auto& table = wholeTable();
    const double expected = table.expectedScore();
    std::printf("optimal expected score: %.4f\n", expected);
    std::printf("table: %zu values, %.2f MiB\n", table.values().size(),
                double(table.values().size() * sizeof(double)) / (1 << 20));

    constexpr int kGames = 100000;
    // Whole solitaire games played by the advisor: their mean estimates the table's expected
    // score for an empty sheet.
    const solo::MeanScore played = solo::meanScore(table, 0.0, kGames, 20240613u);
    const double off = std::abs(played.mean - expected) / played.standardError;
    std::printf("self-play of %d games: mean %.4f, standard error %.4f (%.2f standard errors from the table)\n", kGames,
                played.mean, played.standardError, off);
    // The review's budget, once the table is loaded: a whole six-player game within 50 ms.
    const SixPlayerGame game = sixPlayerGame(11u);
    double slowest = 0;
    double lost = 0;
    for (int run = 0; run < 20; ++run) {
        const auto start = std::chrono::steady_clock::now();
        lost = wholeReview(table, game);
        slowest = std::max(slowest,
                           std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::printf("review of a six-player game (%zu decisions, %.1f points lost in all): slowest of 20 runs %.2f ms\n",
                game.log.size(), lost, slowest);
    const bool quick = slowest <= 50;
    std::printf("%s: the review of a six-player game within 50 ms\n", quick ? "PASS" : "FAIL");
    const bool pass = off <= 3;
    std::printf("%s: self-play mean within three standard errors of the expected score\n", pass ? "PASS" : "FAIL");
    return pass && quick ? 0 : 1;
}
