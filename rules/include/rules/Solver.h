// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <stop_token>
#include <vector>

#include "rules/GameState.h"

// The best play of one player's sheet, taken as a solitaire game: for every position at the
// start of a turn the expected points still to come under optimal play, and from that the
// value of every hold and every category of a turn in progress.
namespace rules {

// Bit c-1 set: category c (1..15) is used.
using CategoryMask = std::uint16_t;
inline constexpr CategoryMask kAllCategories = 0x7fff;

using Dice = std::array<int, GameState::kDice>; // faces 1..6, in the order the player sees them

// What of a sheet matters for the rest of the game.
struct SheetPosition {
    CategoryMask used = 0;
    int upperSum = 0; // of the used upper rows, not capped
    int points = 0;   // everything on the sheet so far, bonus included

    // Writes a category's points (1..15) onto the sheet; returns the bonus they earn with it.
    // The one way a sheet fills: the game's flow, the solitaire games and the tests use it.
    int write(int category, int gained);
};

SheetPosition sheetPositionOf(const GameState& state, int player); // player 1..6

// Completed rolls of the turn whose dice may be judged, 0..3: rules::rollsMade while the dice
// on the table belong to this turn (HasRolled), else 0. Only meaningful while no roll tumbles.
int rollsDoneOf(const GameState& state);

// The faces on the table, 0 for a die without a face yet.
Dice diceOf(const GameState& state);

// FNV-1a, 64 bits, over `size` bytes, continued from `hash`: the rules' fingerprint and
// the saved table's checksum.
inline constexpr std::uint64_t kFnv1aStart = 14695981039346656037ull;
std::uint64_t fnv1a(const void* bytes, std::size_t size, std::uint64_t hash = kFnv1aStart);

class SolverTable {
public:
    // Solves every position whose used set contains alreadyUsed (0: the whole game). Returns
    // nothing when stop is requested before the end.
    static std::optional<SolverTable> solve(CategoryMask alreadyUsed = 0, std::stop_token stop = {});

    // A whole-game table from values saved earlier; nothing when the count does not fit.
    static std::optional<SolverTable> fromValues(std::vector<double> values);
    static std::size_t valueCount();
    // Changes whenever the scoring the table is solved for changes, so a table saved under
    // other rules is never taken for this one.
    static std::uint64_t rulesFingerprint();
    std::span<const double> values() const { return values_; }

    bool covers(CategoryMask used) const { return (used & alreadyUsed_) == alreadyUsed_; }

    // Expected points still to come from the start of a turn; NaN for a position no game
    // reaches (an upper sum the used upper rows cannot make) or one the table does not cover.
    double expectedRemaining(CategoryMask used, int upperSum) const;

    // The expected final score of the whole game, played perfectly from an empty sheet.
    double expectedScore() const { return expectedRemaining(0, 0); }

private:
    SolverTable() = default;
    std::vector<double> values_; // only the distinct upper-sum lanes of each used set
    CategoryMask alreadyUsed_ = 0;
};

struct HoldChoice {
    std::uint8_t kept = 0; // bit i: die i (0-based) stays; equal faces are kept from the left
    int keptCount = 0;
    double expectedFinal = 0;
    int category = 0;  // keeping all five means scoring now: the best category then
    int pointsNow = 0; // and its points
};

struct CategoryChoice {
    int category = 0;
    int pointsNow = 0;
    double expectedFinal = 0;
};

// Every value of one turn from one sheet position, computed once (a few microseconds) and
// then asked for as often as the dice change.
class TurnPlan {
public:
    TurnPlan(const SolverTable& table, SheetPosition position);

    // Both rankings are empty for a sheet no game can make, or dice without faces.
    // Best first; every distinct kept multiset once. rollsLeft is 1 or 2.
    std::vector<HoldChoice> rankHolds(const Dice& dice, int rollsLeft) const;
    // Every free category, best first.
    std::vector<CategoryChoice> rankCategories(const Dice& dice) const;
    // The expected final score at the start of the turn.
    double expectedFinal() const;
    // The chance that the turn ends writing each category for points ([0] unused), played
    // perfectly from keeping `kept` of the dice with rollsLeft rolls to come (0..2). Keeping
    // all five, or no roll left, writes the best category for these dice now. All 0 where
    // the rankings are empty.
    using Chances = std::array<double, GameState::kCategories + 1>;
    Chances endChances(const Dice& dice, std::uint8_t kept, int rollsLeft) const;

private:
    const SolverTable* table_ = nullptr;
    SheetPosition position_;
    int upper_ = 0; // capped
    bool valid_ = false;
    std::array<double, 252> lastRoll_{}; // best category value per outcome
    std::array<std::int8_t, 252> lastRollCategory_{};
    std::array<double, 462> oneRollLeft_{}; // per kept multiset
    std::array<double, 462> twoRollsLeft_{};
};

// What a player may do in a turn, best first: while rolls are left the holds (keeping all five
// stands for writing now), and always the categories the dice would write. Empty for a sheet
// no game can make, or dice without faces. The coach, the computer players, the review and the
// solitaire games all rank a situation through this.
struct Choices {
    std::vector<HoldChoice> holds; // empty once no roll is left
    std::vector<CategoryChoice> categories;
};
Choices choicesFor(const TurnPlan& plan, const Dice& dice, int rollsLeft);

std::vector<HoldChoice> rankHolds(const SolverTable& table, const GameState& state, int player, int rollsLeft);
std::vector<CategoryChoice> rankCategories(const SolverTable& table, const GameState& state, int player);

} // namespace rules
