// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/DecisionLog.h"

#include "rules/ScoreSheet.h"

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

// The ranked hold that keeps the same faces as the decision's hold, wherever they lie.
const HoldChoice* holdMatching(const Choices& choices, const Decision& d)
{
    const auto wanted = keptFaces(d.dice, d.kept);
    for (const HoldChoice& h : choices.holds)
        if (keptFaces(d.dice, h.kept) == wanted)
            return &h;
    return nullptr;
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
    const HoldChoice* h = holdMatching(choices, d);
    return h ? std::optional(h->expectedFinal) : std::nullopt;
}

bool bonusReachable(CategoryMask used, int upperSum)
{
    int open = 0;
    for (int face = 1; face <= 6; ++face)
        if (!(used & (1u << (face - 1))))
            open += GameState::kDice * face;
    return upperSum + open >= kBonusThreshold;
}

WriteEffect writeEffect(const SolverTable& table, SheetPosition position, int category, int points)
{
    WriteEffect e;
    e.category = category;
    e.points = points;
    e.bonus = position.write(category, points);
    e.upperSum = position.upperSum;
    e.bonusReachable = bonusReachable(position.used, position.upperSum);
    e.later = table.expectedRemaining(position.used, position.upperSum);
    return e;
}

PlayEffect writeNow(int category, int points)
{
    PlayEffect e;
    e.category = category;
    e.points = points;
    e.chance[std::size_t(category)] = points > 0 ? 1 : 0;
    return e;
}

PlayEffect playOf(const TurnPlan& plan, const Decision& d, const HoldChoice& h)
{
    PlayEffect e = writeNow(h.category, h.pointsNow);
    e.rolls = h.keptCount < GameState::kDice;
    e.kept = h.kept;
    e.keptCount = h.keptCount;
    e.chance = plan.endChances(d.dice, h.kept, d.rollsLeft);
    return e;
}

constexpr bool upperRow(int category)
{
    return category >= 1 && category <= 6;
}

constexpr bool straight(int category)
{
    return category == kSmallStraight || category == kLargeStraight;
}

// Which of the plain reasons fits two writes, the more telling first.
Reason::Kind writeKind(const SheetPosition& before, const WriteEffect& chosen, const WriteEffect& best)
{
    const bool bonusOpen = before.upperSum < kBonusThreshold && bonusReachable(before.used, before.upperSum);
    if (straight(chosen.category) && chosen.points == 0 && best.category != chosen.category)
        return Reason::Kind::StraightGivenUp;
    if (straight(best.category) && best.points > 0)
        return Reason::Kind::StraightAtHand;
    // Ettor adds too little towards the bonus to be why it matters.
    if (bonusOpen && upperRow(chosen.category) != upperRow(best.category) && chosen.category != kOnes
        && best.category != kOnes)
        return Reason::Kind::BonusAtStake;
    if (chosen.category == kChance || (chosen.category == kOnes && best.category != kChance))
        return Reason::Kind::DumpUsedEarly;
    if (best.category == kChance || best.category == kOnes)
        return Reason::Kind::DumpAtHand;
    return Reason::Kind::NowOrLater;
}

Reason reasonFor(const SolverTable& table, const TurnPlan& plan, const Choices& choices, const Decision& d,
                 const Verdict& v)
{
    Reason r;
    if (d.kind == Decision::Kind::Category && !v.bestIsHold) {
        r.chosen = writeEffect(table, d.position, d.category, v.chosenPoints);
        r.best = writeEffect(table, d.position, v.bestCategory, v.bestPoints);
        r.kind = writeKind(d.position, r.chosen, r.best);
        return r;
    }
    r.kind = Reason::Kind::Play;
    if (d.kind == Decision::Kind::Category) {
        r.chosenPlay = writeNow(d.category, v.chosenPoints);
    } else if (const HoldChoice* h = holdMatching(choices, d)) {
        r.chosenPlay = playOf(plan, d, *h);
    }
    r.bestPlay = v.bestIsHold ? playOf(plan, d, choices.holds.front()) : writeNow(v.bestCategory, v.bestPoints);
    double most = kAimMargin;
    for (int c = 1; c <= GameState::kCategories; ++c) {
        const double gain = r.bestPlay.chance[std::size_t(c)] - r.chosenPlay.chance[std::size_t(c)];
        if (gain >= most) {
            most = gain;
            r.aim = c;
        }
    }
    return r;
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
    perfectScore_ = table.expectedScore();
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
        v.startFinal = plan->expectedFinal();
        const double lost = v.bestFinal - v.chosenFinal;
        v.lost = lost > kTieTolerance ? lost : 0.0;
        // Only a costly choice is explained: the others are not shown.
        if (v.lost > kCostlyLoss)
            v.reason = reasonFor(table, *plan, choices, d, v);
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
        const Verdict& v = verdicts[i];
        ++review.judged;
        review.lost += v.lost;
        if (v.lost > kCostlyLoss) {
            ++review.costly;
            review.costlyOnes.push_back(i);
        }
        const int turn = d.turn();
        if (review.course.empty() || review.course.back().turnsDone < turn - 1)
            review.course.push_back({turn - 1, v.startFinal});
        if (d.kind == Decision::Kind::Category)
            review.course.push_back({turn, v.chosenFinal});
    }
    review.lessons = review.costlyOnes;
    std::stable_sort(review.lessons.begin(), review.lessons.end(),
                     [verdicts](std::size_t a, std::size_t b) { return verdicts[a].lost > verdicts[b].lost; });
    review.lessons.resize(std::min(review.lessons.size(), kLessons));
    for (std::size_t i : review.costlyOnes)
        if (std::find(review.lessons.begin(), review.lessons.end(), i) == review.lessons.end())
            review.rest.push_back(i);
    return review;
}

} // namespace rules
