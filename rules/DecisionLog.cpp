// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/DecisionLog.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <optional>

namespace rules {

namespace {

std::array<int, 7> keptFaces(const Dice& dice, std::uint8_t kept)
{
    std::array<int, 7> count{};
    for (int i = 0; i < GameState::kDice; ++i)
        if (kept & (1u << i))
            ++count[std::size_t(std::clamp(dice[std::size_t(i)], 0, 6))];
    return count;
}

bool samePosition(const SheetPosition& a, const SheetPosition& b)
{
    return a.used == b.used && a.upperSum == b.upperSum && a.points == b.points;
}

// The best of everything the turn still allows: with rolls left, a hold (keeping all five
// stands for stopping now with the best category); with none, a category.
void setBest(Verdict& v, const Choices& choices, const Decision& d)
{
    if (d.rollsLeft >= 1) {
        if (choices.holds.empty())
            return;
        const HoldChoice& best = choices.holds.front();
        v.bestFinal = best.expectedFinal;
        v.bestIsHold = best.keptCount < GameState::kDice;
        v.bestKept = best.kept;
        v.bestKeptCount = best.keptCount;
        v.bestCategory = best.category;
        v.bestPoints = best.pointsNow;
    } else {
        if (choices.categories.empty())
            return;
        v.bestFinal = choices.categories.front().expectedFinal;
        v.bestCategory = choices.categories.front().category;
        v.bestPoints = choices.categories.front().pointsNow;
    }
    v.judged = true;
}

std::optional<double> chosenValue(Verdict& v, const Choices& choices, const Decision& d)
{
    if (d.kind == Decision::Kind::Category) {
        for (const CategoryChoice& c : choices.categories) {
            if (c.category == d.category) {
                v.chosenPoints = c.pointsNow;
                return c.expectedFinal;
            }
        }
        return std::nullopt;
    }
    const auto wanted = keptFaces(d.dice, d.kept);
    for (const HoldChoice& h : choices.holds)
        if (keptFaces(d.dice, h.kept) == wanted)
            return h.expectedFinal;
    return std::nullopt;
}

} // namespace

int Decision::turn() const
{
    return std::popcount(unsigned(position.used)) + 1;
}

void DecisionLog::addHold(int player, SheetPosition position, const Dice& dice, std::uint8_t kept, int rollsLeft)
{
    decisions_.push_back({Decision::Kind::Hold, player, position, dice, rollsLeft, kept, 0});
}

void DecisionLog::addCategory(int player, SheetPosition position, const Dice& dice, int category, int rollsLeft)
{
    decisions_.push_back({Decision::Kind::Category, player, position, dice, rollsLeft, 0, category});
}

void DecisionLog::judgeNew(const SolverTable& table)
{
    // A verdict never changes once given: only the decisions since the last call are judged.
    if (verdicts_.size() >= decisions_.size())
        return;
    const auto fresh = judge(table, decisions().subspan(verdicts_.size()));
    verdicts_.insert(verdicts_.end(), fresh.begin(), fresh.end());
}

std::vector<Verdict> judge(const SolverTable& table, std::span<const Decision> decisions)
{
    std::vector<Verdict> verdicts(decisions.size());
    std::optional<TurnPlan> plan;
    const Decision* planFor = nullptr;
    for (std::size_t i = 0; i < decisions.size(); ++i) {
        const Decision& d = decisions[i];
        if (!planFor || planFor->player != d.player || !samePosition(planFor->position, d.position)) {
            plan.emplace(table, d.position);
            planFor = &d;
        }
        Verdict& v = verdicts[i];
        const Choices choices = choicesFor(*plan, d.dice, d.rollsLeft);
        setBest(v, choices, d);
        const std::optional<double> chosen = v.judged ? chosenValue(v, choices, d) : std::nullopt;
        if (!chosen) {
            v = Verdict{};
            continue;
        }
        v.chosenFinal = *chosen;
        const double lost = v.bestFinal - v.chosenFinal;
        v.lost = lost > kTieTolerance ? lost : 0.0;
    }
    return verdicts;
}

PlayerReview reviewOf(int player, std::span<const Decision> decisions, std::span<const Verdict> verdicts)
{
    PlayerReview review;
    for (std::size_t i = 0; i < decisions.size(); ++i) {
        const Decision& d = decisions[i];
        if (d.player != player)
            continue;
        if (d.kind == Decision::Kind::Category)
            ++review.turnsDone;
        if (i >= verdicts.size() || !verdicts[i].judged)
            continue;
        ++review.judged;
        review.lost += verdicts[i].lost;
        if (verdicts[i].lost > kCostlyLoss) {
            ++review.costly;
            review.costlyOnes.push_back(i);
        }
    }
    return review;
}

} // namespace rules
