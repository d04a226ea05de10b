// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "rules/Solver.h"

// Every choice the players make in one game, kept as it was made, and what the exact solver
// says each one cost against perfect play of that player's own sheet.
namespace rules {

// One choice in a turn: the dice kept before a roll after the first, or the category written
// (a category given up included) with the dice it was written on.
struct Decision {
    enum class Kind : std::uint8_t { Hold, Category };
    Kind kind = Kind::Hold;
    int player = 1;         // 1..6
    SheetPosition position; // the player's own sheet before this turn's category
    Dice dice{};            // the faces on the table
    int rollsLeft = 0;      // rolls the turn still had: 1 or 2 for a hold, 0..2 for a category
    std::uint8_t kept = 0;  // a hold: bit i set, die i (0-based) stays
    int category = 0;       // a category: 1..15

    int turn() const; // the player's own turn, 1..15
};

// A loss up to this much is a rounding of a tie, never a worse choice.
inline constexpr double kTieTolerance = 1e-9;
// A decision that loses more than this is counted as costly.
inline constexpr double kCostlyLoss = 1.0;

// The solver's view of one decision.
struct Verdict {
    bool judged = false;    // false: the table does not cover the sheet, or a die had no face
    double chosenFinal = 0; // expected final score after the choice made
    double bestFinal = 0;   // after the best choice
    double lost = 0;        // bestFinal - chosenFinal; exactly 0 for a best choice and for a tie
    // The best choice: dice to keep and roll the rest, or (bestKept all five, or no roll
    // left) to stop and write bestCategory for bestPoints.
    bool bestIsHold = false;
    std::uint8_t bestKept = 0;
    int bestKeptCount = 0;
    int bestCategory = 0;
    int bestPoints = 0;
    int chosenPoints = 0; // a category: what it gave
};

// The decisions of one game and the verdicts given on them so far.
class DecisionLog {
public:
    void clear()
    {
        decisions_.clear();
        verdicts_.clear();
    }
    void addHold(int player, SheetPosition position, const Dice& dice, std::uint8_t kept, int rollsLeft);
    void addCategory(int player, SheetPosition position, const Dice& dice, int category, int rollsLeft);
    std::span<const Decision> decisions() const { return decisions_; }
    std::size_t size() const { return decisions_.size(); }

    // Judges the decisions not judged yet; verdicts()[i] belongs to decisions()[i].
    void judgeNew(const SolverTable& table);
    std::span<const Verdict> verdicts() const { return verdicts_; }

private:
    std::vector<Decision> decisions_;
    std::vector<Verdict> verdicts_;
};

// Judges each decision with the table; the decisions of one turn share one TurnPlan.
std::vector<Verdict> judge(const SolverTable& table, std::span<const Decision> decisions);

// One player's decisions so far, summed up.
struct PlayerReview {
    double lost = 0;
    int costly = 0;                      // decisions that lost more than kCostlyLoss
    int judged = 0;                      // decisions judged
    int turnsDone = 0;                   // categories written
    std::vector<std::size_t> costlyOnes; // indexes of the costly decisions, in the order made
};

// verdicts[i] belongs to decisions[i]; decisions without a verdict yet are left out.
PlayerReview reviewOf(int player, std::span<const Decision> decisions, std::span<const Verdict> verdicts);

} // namespace rules
