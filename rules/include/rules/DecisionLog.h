// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <limits>
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
// The costliest choices a player's review leads with.
inline constexpr std::size_t kLessons = 3;

// Lillan and Storan; Chans and Ettor, the rows a poor roll is written into.
inline constexpr int kSmallStraight = 11;
inline constexpr int kLargeStraight = 12;
inline constexpr int kOnes = 1;
inline constexpr int kChance = 15;

// What writing a category does to the sheet: now, and for the rest of the game.
struct WriteEffect {
    int category = 0;
    int points = 0;              // written now
    int bonus = 0;               // earned with it
    int upperSum = 0;            // of the upper rows after it, not capped
    bool bonusReachable = false; // after it the bonus is earned, or the free upper rows can still make it
    double later = 0;            // the solver's expected points still to come after it
};

// A choice of a turn with rolls left: keep some dice and roll the others, or stop and write.
struct PlayEffect {
    bool rolls = false;
    std::uint8_t kept = 0; // rolling: bit i set, die i (0-based) stays
    int keptCount = 0;
    int category = 0; // stopping: the category written, and its points
    int points = 0;
    TurnPlan::Chances chance{}; // the turn ends writing category c for points; stopping: 1 or 0
};

// Why a costly choice cost what it did, in the solver's numbers.
struct Reason {
    enum class Kind : std::uint8_t {
        None,            // not costly, or not judged
        StraightGivenUp, // the choice gave up Lillan or Storan; the best kept it open
        StraightAtHand,  // the best wrote Lillan or Storan for its points; the choice did not
        BonusAtStake,    // one writes an upper row but Ettor, the other a lower one, the bonus still open
        DumpUsedEarly,   // the choice used Chans or Ettor; the best kept it open
        DumpAtHand,      // the best used Chans or Ettor; the choice did not
        NowOrLater,      // two other writes: what each gives now and leaves for later
        Play,            // one or both of them roll again
    };
    Kind kind = Kind::None;
    WriteEffect chosen; // two writes
    WriteEffect best;
    PlayEffect chosenPlay; // Play
    PlayEffect bestPlay;
    int aim = 0; // Play: the category whose chance the best raises most, by kAimMargin or more; 0: none
};
// A chance the best raises by less than this is not what it aims for.
inline constexpr double kAimMargin = 0.10;

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
    int chosenPoints = 0;  // a category: what it gave
    double startFinal = 0; // expected final score at the start of the decision's turn
    Reason reason;         // of a costly decision only
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
    // The expected final score of an empty sheet played perfectly, from the table the last
    // judgement used: NaN before any, or where that table does not cover the whole game.
    // A new game keeps it: it belongs to the table.
    double perfectScore() const { return perfectScore_; }

private:
    std::vector<Decision> decisions_;
    std::vector<Verdict> verdicts_;
    double perfectScore_ = std::numeric_limits<double>::quiet_NaN();
};

// Judges each decision with the table; the decisions of one turn share one TurnPlan.
std::vector<Verdict> judge(const SolverTable& table, std::span<const Decision> decisions);

// The expected final score of a player's sheet after some of their turns, as the solver
// values it: the points written and what perfect play still expects from there.
struct CoursePoint {
    int turnsDone = 0; // 0: before the first turn
    double expectedFinal = 0;
};

// One player's decisions so far, summed up.
struct PlayerReview {
    double lost = 0;
    int costly = 0;                      // decisions that lost more than kCostlyLoss
    int judged = 0;                      // decisions judged
    int turnsDone = 0;                   // categories written
    std::vector<std::size_t> costlyOnes; // indexes of the costly decisions, in the order made
    std::vector<std::size_t> lessons;    // the costliest kLessons of them, costliest first; equal: earlier first
    std::vector<std::size_t> rest;       // the other costly ones, in the order made
    std::vector<CoursePoint> course;     // from the start of the first judged turn, one point a turn written
};

// verdicts[i] belongs to decisions[i]; decisions without a verdict yet are left out.
PlayerReview reviewOf(int player, std::span<const Decision> decisions, std::span<const Verdict> verdicts);

} // namespace rules
