// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Solver.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <limits>

#include "rules/Evaluation.h"
#include "rules/GameFlow.h"
#include "rules/ScoreSheet.h"

namespace rules {

namespace {

constexpr int kFaces = 6;
constexpr int kUpperRows = 6;
constexpr int kMultisets = 462; // of 0..5 dice: the holds; those of five dice are the outcomes
constexpr int kOutcomes = 252;
constexpr int kFirstOutcome = kMultisets - kOutcomes; // multisets are ordered by size
constexpr int kCap = kBonusThreshold;                 // upper sums from here on are all alike
constexpr int kLanes = kCap + 1;
constexpr int kUpperSets = 1 << kUpperRows;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

constexpr CategoryMask bitOf(int category)
{
    return CategoryMask(1u << (category - 1));
}

int keyOf(const std::array<std::uint8_t, kFaces>& counts)
{
    int key = 0;
    for (int f = kFaces - 1; f >= 0; --f)
        key = key * kFaces + counts[f];
    return key;
}

// Everything about dice and upper sums that does not depend on the sheet, built once.
//
// The upper sum of a position is one of at most 64 lanes (0..62 and "63 or more"). Of these only
// the sums the used upper rows can make occur, and among them every sum that can no longer reach
// the bonus behaves exactly like one that already has it: the rest of the game does not depend on
// it. Those share one settled lane, so each used set keeps only its distinct lanes (1851 values
// per lower-section set instead of 4096).
struct Layout {
    std::array<std::array<std::uint8_t, kFaces>, kMultisets> counts{};
    std::array<std::array<std::int16_t, kFaces>, kFirstOutcome> withOneMore{}; // hold + face f+1
    std::array<std::array<std::int16_t, kFaces>, kMultisets> withOneLess{};    // for each face it holds
    std::array<std::uint8_t, kMultisets> lessCount{};
    std::vector<std::int16_t> indexOfKey = std::vector<std::int16_t>(46656, -1);
    std::array<double, kOutcomes> probability{};
    std::array<std::array<double, GameState::kCategories + 1>, kOutcomes> score{};

    std::array<std::array<std::int8_t, kLanes>, kUpperSets> laneOf{}; // -1: no game has this sum
    std::array<std::array<std::int8_t, kLanes>, kUpperSets> laneSum{};
    std::array<int, kUpperSets> laneCount{};
    std::array<int, kUpperSets> laneBase{};
    int lanesPerLowerSet = 0;

    std::size_t offset(CategoryMask used) const
    {
        return std::size_t(used >> kUpperRows) * std::size_t(lanesPerLowerSet)
            + std::size_t(laneBase[used & (kUpperSets - 1)]);
    }

    int indexOf(const std::array<std::uint8_t, kFaces>& c) const { return indexOfKey[std::size_t(keyOf(c))]; }

    Layout()
    {
        int next = 0;
        std::array<std::uint8_t, kFaces> c{};
        for (int size = 0; size <= GameState::kDice; ++size) {
            // Every way to spread `size` dice over the six faces.
            const auto fill = [&](auto&& self, int face, int left) -> void {
                if (face == kFaces - 1) {
                    c[face] = std::uint8_t(left);
                    counts[std::size_t(next)] = c;
                    indexOfKey[std::size_t(keyOf(c))] = std::int16_t(next);
                    ++next;
                    return;
                }
                for (int k = left; k >= 0; --k) {
                    c[face] = std::uint8_t(k);
                    self(self, face + 1, left - k);
                }
            };
            fill(fill, 0, size);
        }
        for (int h = 0; h < kMultisets; ++h) {
            for (int f = 0; f < kFaces; ++f) {
                auto more = counts[std::size_t(h)];
                if (h < kFirstOutcome) {
                    ++more[f];
                    withOneMore[std::size_t(h)][f] = std::int16_t(indexOf(more));
                }
                if (counts[std::size_t(h)][f] > 0) {
                    auto less = counts[std::size_t(h)];
                    --less[f];
                    withOneLess[std::size_t(h)][lessCount[std::size_t(h)]++] = std::int16_t(indexOf(less));
                }
            }
        }
        constexpr int kFactorial[] = {1, 1, 2, 6, 24, 120};
        for (int o = 0; o < kOutcomes; ++o) {
            const auto& oc = counts[std::size_t(kFirstOutcome + o)];
            int ways = kFactorial[GameState::kDice];
            GameState s;
            int die = 0;
            for (int f = 0; f < kFaces; ++f) {
                ways /= kFactorial[oc[f]];
                for (int k = 0; k < oc[f]; ++k)
                    s.DiceValue[std::size_t(die++)] = std::int16_t(f + 1);
            }
            probability[std::size_t(o)] = double(ways) / 7776.0;
            EvaluateDice(s);
            for (int cat = 1; cat <= GameState::kCategories; ++cat)
                score[std::size_t(o)][std::size_t(cat)] = CandidateOf(s, cat);
        }

        int base = 0;
        for (int upper = 0; upper < kUpperSets; ++upper) {
            std::bitset<kLanes> reach;
            reach[0] = true;
            int stillOpen = 0; // the most the free upper rows can add
            for (int face = 1; face <= kUpperRows; ++face) {
                if (!(upper & (1 << (face - 1)))) {
                    stillOpen += GameState::kDice * face;
                    continue;
                }
                std::bitset<kLanes> more;
                for (int u = 0; u < kLanes; ++u)
                    if (reach[std::size_t(u)])
                        for (int k = 0; k <= GameState::kDice; ++k)
                            more[std::size_t(std::min(kCap, u + face * k))] = true;
                reach = more;
            }
            const auto settledSum = [&](int u) { return u >= kCap || u + stillOpen < kCap; };
            bool hasSettled = false;
            for (int u = 0; u < kLanes; ++u)
                hasSettled = hasSettled || (reach[std::size_t(u)] && settledSum(u));
            int lanes = 0;
            if (hasSettled)
                laneSum[std::size_t(upper)][std::size_t(lanes++)] = std::int8_t(kCap);
            for (int u = 0; u < kLanes; ++u) {
                // A settled sum no game makes still has the settled value, so it may be asked for.
                if (settledSum(u))
                    laneOf[std::size_t(upper)][std::size_t(u)] = std::int8_t(hasSettled ? 0 : -1);
                else if (reach[std::size_t(u)]) {
                    laneOf[std::size_t(upper)][std::size_t(u)] = std::int8_t(lanes);
                    laneSum[std::size_t(upper)][std::size_t(lanes++)] = std::int8_t(u);
                } else
                    laneOf[std::size_t(upper)][std::size_t(u)] = -1;
            }
            laneCount[std::size_t(upper)] = lanes;
            laneBase[std::size_t(upper)] = base;
            base += lanes;
        }
        lanesPerLowerSet = base;
    }
};

const Layout& layout()
{
    static const Layout l;
    return l;
}

// One roll still to come. h[kFirstOutcome + o] holds the value of outcome o without that roll;
// fills h for every smaller hold (the value of keeping it and rolling the rest) and best with
// the value of the best hold within each multiset. Adding the rerolled dice one at a time gives
// the multinomial average exactly, with 6 additions per hold instead of one per outcome.
template <typename V> [[gnu::always_inline]] inline void rollStage(const Layout& l, V* h, V* best)
{
    for (int k = kFirstOutcome - 1; k >= 0; --k) {
        const auto& m = l.withOneMore[std::size_t(k)];
        h[k] = (h[m[0]] + h[m[1]] + h[m[2]] + h[m[3]] + h[m[4]] + h[m[5]]) * (1.0 / 6.0);
    }
    best[0] = h[0];
    for (int k = 1; k < kMultisets; ++k) {
        V b = h[k];
        const auto& less = l.withOneLess[std::size_t(k)];
        for (int j = 0; j < l.lessCount[std::size_t(k)]; ++j) {
            const V& c = best[less[std::size_t(j)]];
            b = b > c ? b : c;
        }
        best[k] = b;
    }
}

// One used set, all its lanes, N at a time; every position it leads to is solved already.
template <typename Vec, int N>
[[gnu::always_inline]] inline void solveUsedSetWith(const Layout& l, double* values, CategoryMask used)
{
    const int upper = used & (kUpperSets - 1);
    const int lanes = l.laneCount[std::size_t(upper)];
    double* out = values + l.offset(used);
    int lowerCats[GameState::kCategories];
    const double* lowerNext[GameState::kCategories];
    int lowerFree = 0;
    int upperFaces[kUpperRows];
    int upperFree = 0;
    for (int cat = 1; cat <= GameState::kCategories; ++cat) {
        if (used & bitOf(cat))
            continue;
        if (cat <= kUpperRows) {
            upperFaces[upperFree++] = cat;
        } else {
            lowerCats[lowerFree] = cat;
            lowerNext[lowerFree++] = values + l.offset(used | bitOf(cat));
        }
    }

    Vec h[kMultisets];
    Vec best[kMultisets];
    Vec lowerExit[GameState::kCategories];
    Vec upperExit[kUpperRows][GameState::kDice + 1];
    for (int first = 0; first < lanes; first += N) {
        int lane[N];
        for (int i = 0; i < N; ++i)
            lane[i] = std::min(first + i, lanes - 1); // a short block repeats its last lane
        for (int j = 0; j < lowerFree; ++j)
            for (int i = 0; i < N; ++i)
                lowerExit[j][i] = lowerNext[j][lane[i]];
        for (int j = 0; j < upperFree; ++j) {
            const int face = upperFaces[j];
            const CategoryMask after = used | bitOf(face);
            const double* next = values + l.offset(after);
            const auto& nextLane = l.laneOf[std::size_t(after & (kUpperSets - 1))];
            for (int k = 0; k <= GameState::kDice; ++k) {
                const int points = face * k;
                for (int i = 0; i < N; ++i) {
                    const int u = l.laneSum[std::size_t(upper)][std::size_t(lane[i])];
                    const int bonus = upperBonus(u, points);
                    upperExit[j][k][i] = points + bonus + next[nextLane[std::size_t(std::min(kCap, u + points))]];
                }
            }
        }

        // After the last roll: the best category for each outcome.
        for (int o = 0; o < kOutcomes; ++o) {
            const auto& score = l.score[std::size_t(o)];
            const auto& count = l.counts[std::size_t(kFirstOutcome + o)];
            Vec v = Vec{} - 1.0; // below every choice: none is worth less than 0
            for (int j = 0; j < lowerFree; ++j) {
                const Vec c = lowerExit[j] + score[std::size_t(lowerCats[j])];
                v = v > c ? v : c;
            }
            for (int j = 0; j < upperFree; ++j) {
                const Vec& c = upperExit[j][count[std::size_t(upperFaces[j] - 1)]];
                v = v > c ? v : c;
            }
            h[kFirstOutcome + o] = v;
        }
        rollStage(l, h, best);
        for (int o = kFirstOutcome; o < kMultisets; ++o)
            h[o] = best[o];
        rollStage(l, h, best);
        Vec total{};
        for (int o = 0; o < kOutcomes; ++o)
            total += best[kFirstOutcome + o] * l.probability[std::size_t(o)];
        for (int i = 0; i < N && first + i < lanes; ++i)
            out[first + i] = total[i];
    }
}

// Without AVX a vector of four doubles is taken apart element by element, far slower than two.
using Vec2 = double __attribute__((vector_size(2 * sizeof(double))));
void solveUsedSetNarrow(const Layout& l, double* values, CategoryMask used)
{
    solveUsedSetWith<Vec2, 2>(l, values, used);
}

#if defined(__x86_64__)
using Vec4 = double __attribute__((vector_size(4 * sizeof(double))));
__attribute__((target("avx2"))) void solveUsedSetWide(const Layout& l, double* values, CategoryMask used)
{
    solveUsedSetWith<Vec4, 4>(l, values, used);
}
#endif

void solveUsedSet(const Layout& l, double* values, CategoryMask used)
{
#if defined(__x86_64__)
    static const bool wide = __builtin_cpu_supports("avx2");
    if (wide)
        return solveUsedSetWide(l, values, used);
#endif
    solveUsedSetNarrow(l, values, used);
}

std::array<std::uint8_t, kFaces> countsOf(const Dice& dice, std::uint8_t kept = 0x1f)
{
    std::array<std::uint8_t, kFaces> c{};
    for (int i = 0; i < GameState::kDice; ++i)
        if (kept & (1u << i))
            ++c[std::size_t(dice[std::size_t(i)] - 1)];
    return c;
}

bool validDice(const Dice& dice)
{
    return std::all_of(dice.begin(), dice.end(), [](int f) { return f >= 1 && f <= kFaces; });
}

} // namespace

Dice diceOf(const GameState& state)
{
    Dice d{};
    for (int i = 0; i < GameState::kDice; ++i)
        d[std::size_t(i)] = state.DiceValue[std::size_t(i)];
    return d;
}

SheetPosition sheetPositionOf(const GameState& state, int player)
{
    SheetPosition p;
    const auto& sheet = state.Points[std::size_t(player)];
    for (int cat = 1; cat <= GameState::kCategories; ++cat) {
        if (sheet[std::size_t(cat)] == GameState::kFree)
            continue;
        p.used |= bitOf(cat);
        p.points += sheet[std::size_t(cat)];
    }
    p.points += sheet[GameState::kBonusRow];
    p.upperSum = upperSum(state, player);
    return p;
}

int SheetPosition::write(int category, int gained)
{
    int bonus = 0;
    if (category <= kUpperRows) {
        bonus = upperBonus(upperSum, gained);
        upperSum += gained;
    }
    used |= bitOf(category);
    points += gained + bonus;
    return bonus;
}

int rollsDoneOf(const GameState& state)
{
    return state.HasRolled ? rollsMade(state) : 0;
}

std::size_t SolverTable::valueCount()
{
    return std::size_t(layout().lanesPerLowerSet) << (GameState::kCategories - kUpperRows);
}

std::uint64_t fnv1a(const void* bytes, std::size_t size, std::uint64_t hash)
{
    for (std::size_t i = 0; i < size; ++i) {
        hash ^= static_cast<const unsigned char*>(bytes)[i];
        hash *= 1099511628211ull;
    }
    return hash;
}

std::uint64_t SolverTable::rulesFingerprint()
{
    const Layout& l = layout();
    std::uint64_t hash = kFnv1aStart; // over every number the solution rests on, little-endian
    const auto mix = [&hash](std::int64_t v) {
        unsigned char bytes[8];
        for (int b = 0; b < 8; ++b)
            bytes[b] = static_cast<unsigned char>(v >> (8 * b));
        hash = fnv1a(bytes, sizeof bytes, hash);
    };
    mix(kBonusThreshold);
    mix(kBonusPoints);
    mix(std::int64_t(valueCount()));
    for (const auto& row : l.score)
        for (double v : row)
            mix(std::int64_t(v));
    return hash;
}

std::optional<SolverTable> SolverTable::solve(CategoryMask alreadyUsed, std::stop_token stop)
{
    const Layout& l = layout();
    SolverTable t;
    t.alreadyUsed_ = alreadyUsed & kAllCategories;
    t.values_.assign(valueCount(), kNaN);
    const CategoryMask open = kAllCategories & ~t.alreadyUsed_;
    // Counting the open subset down visits every used set after all its supersets.
    for (CategoryMask sub = open;; sub = CategoryMask((sub - 1) & open)) {
        const CategoryMask used = t.alreadyUsed_ | sub;
        if (used == kAllCategories)
            std::fill_n(t.values_.begin() + std::ptrdiff_t(l.offset(used)), l.laneCount[kUpperSets - 1], 0.0);
        else
            solveUsedSet(l, t.values_.data(), used);
        if (sub == 0)
            break;
        if ((sub & 0x3f) == 0 && stop.stop_requested())
            return std::nullopt;
    }
    return t;
}

std::optional<SolverTable> SolverTable::fromValues(std::vector<double> values)
{
    if (values.size() != valueCount())
        return std::nullopt;
    SolverTable t;
    t.values_ = std::move(values);
    return t;
}

double SolverTable::expectedRemaining(CategoryMask used, int upperSum) const
{
    if (used > kAllCategories || !covers(used))
        return kNaN;
    const Layout& l = layout();
    const int lane = l.laneOf[std::size_t(used & (kUpperSets - 1))][std::size_t(std::clamp(upperSum, 0, kCap))];
    return lane < 0 ? kNaN : values_[l.offset(used) + std::size_t(lane)];
}

TurnPlan::TurnPlan(const SolverTable& table, SheetPosition position)
    : table_(&table), position_(position), upper_(std::clamp(position.upperSum, 0, kCap))
{
    // A sheet no game can make (an upper sum its upper rows cannot add up to) or one the table
    // does not cover has no values; everything a reachable position leads to has.
    valid_ = !std::isnan(table.expectedRemaining(position.used, upper_));
    if (!valid_)
        return;
    const Layout& l = layout();
    // What choosing a category leaves to come, per category and (upper rows) per count of its face.
    std::array<double, GameState::kCategories + 1> lowerExit{};
    std::array<std::array<double, GameState::kDice + 1>, kUpperRows + 1> upperExit{};
    for (int cat = 1; cat <= GameState::kCategories; ++cat) {
        if (position.used & bitOf(cat))
            continue;
        const CategoryMask after = position.used | bitOf(cat);
        if (cat > kUpperRows) {
            lowerExit[std::size_t(cat)] = table.expectedRemaining(after, upper_);
            continue;
        }
        for (int k = 0; k <= GameState::kDice; ++k) {
            const int points = cat * k;
            const int bonus = upperBonus(upper_, points);
            upperExit[std::size_t(cat)][std::size_t(k)]
                = points + bonus + table.expectedRemaining(after, upper_ + points);
        }
    }
    for (int o = 0; o < kOutcomes; ++o) {
        double v = -1;
        int chosen = 0;
        for (int cat = 1; cat <= GameState::kCategories; ++cat) {
            if (position.used & bitOf(cat))
                continue;
            const double c = cat > kUpperRows
                ? lowerExit[std::size_t(cat)] + l.score[std::size_t(o)][std::size_t(cat)]
                : upperExit[std::size_t(cat)][l.counts[std::size_t(kFirstOutcome + o)][std::size_t(cat - 1)]];
            if (c > v) {
                v = c;
                chosen = cat;
            }
        }
        lastRoll_[std::size_t(o)] = v;
        lastRollCategory_[std::size_t(o)] = std::int8_t(chosen);
    }
    std::array<double, kMultisets> best{};
    std::copy(lastRoll_.begin(), lastRoll_.end(), oneRollLeft_.begin() + kFirstOutcome);
    rollStage(l, oneRollLeft_.data(), best.data());
    std::copy(best.begin() + kFirstOutcome, best.end(), twoRollsLeft_.begin() + kFirstOutcome);
    rollStage(l, twoRollsLeft_.data(), best.data());
}

double TurnPlan::expectedFinal() const
{
    return position_.points + table_->expectedRemaining(position_.used, upper_);
}

TurnPlan::Chances TurnPlan::endChances(const Dice& dice, std::uint8_t kept, int rollsLeft) const
{
    Chances chance{};
    if (!valid_ || !validDice(dice) || position_.used == kAllCategories || rollsLeft < 0 || rollsLeft > 2)
        return chance;
    const Layout& l = layout();
    // weight[m]: the chance of holding multiset m before the next roll, or of ending on
    // outcome m. A roll moves every hold's weight to the holds with one die more, a sixth
    // each, until all of it lies on outcomes.
    std::array<double, kMultisets> weight{};
    const auto roll = [&l, &weight] {
        for (int k = 0; k < kFirstOutcome; ++k) {
            for (const std::int16_t more : l.withOneMore[std::size_t(k)])
                weight[std::size_t(more)] += weight[std::size_t(k)] / kFaces;
            weight[std::size_t(k)] = 0;
        }
    };
    const int start = l.indexOf(countsOf(dice, rollsLeft > 0 ? kept : 0x1f));
    weight[std::size_t(start)] = 1;
    // Keeping all five is stopping now.
    for (int left = start >= kFirstOutcome ? 0 : rollsLeft; left > 0; --left) {
        roll();
        if (left == 1)
            break;
        // With one roll to come each outcome keeps its best hold; a hold only as good as
        // stopping does not displace it.
        std::array<double, kMultisets> next{};
        for (int o = kFirstOutcome; o < kMultisets; ++o) {
            if (weight[std::size_t(o)] == 0)
                continue;
            Dice faces{};
            int die = 0;
            for (int f = 0; f < kFaces; ++f)
                for (int k = 0; k < l.counts[std::size_t(o)][std::size_t(f)]; ++k)
                    faces[std::size_t(die++)] = f + 1;
            int best = o;
            for (int pattern = 0; pattern < (1 << GameState::kDice); ++pattern) {
                const int hold = l.indexOf(countsOf(faces, std::uint8_t(pattern)));
                if (oneRollLeft_[std::size_t(hold)] > oneRollLeft_[std::size_t(best)])
                    best = hold;
            }
            next[std::size_t(best)] += weight[std::size_t(o)];
        }
        weight = next;
    }
    for (int o = 0; o < kOutcomes; ++o) {
        const int category = lastRollCategory_[std::size_t(o)];
        if (l.score[std::size_t(o)][std::size_t(category)] > 0)
            chance[std::size_t(category)] += weight[std::size_t(kFirstOutcome + o)];
    }
    return chance;
}

std::vector<HoldChoice> TurnPlan::rankHolds(const Dice& dice, int rollsLeft) const
{
    std::vector<HoldChoice> ranked;
    if (!valid_ || !validDice(dice) || position_.used == kAllCategories || rollsLeft < 1 || rollsLeft > 2)
        return ranked;
    const Layout& l = layout();
    const int outcome = l.indexOf(countsOf(dice)) - kFirstOutcome;
    std::bitset<kMultisets> seen;
    for (int pattern = 0; pattern < (1 << GameState::kDice); ++pattern) {
        const auto kept = countsOf(dice, std::uint8_t(pattern));
        const int hold = l.indexOf(kept);
        if (seen[std::size_t(hold)])
            continue;
        seen[std::size_t(hold)] = true;
        HoldChoice c;
        auto need = kept;
        for (int i = 0; i < GameState::kDice; ++i) {
            auto& n = need[std::size_t(dice[std::size_t(i)] - 1)];
            if (n > 0) {
                --n;
                c.kept |= std::uint8_t(1u << i);
                ++c.keptCount;
            }
        }
        // Keeping all five and rolling is the same as stopping now, so that choice is valued as
        // scoring now: the value of a wasted roll followed by the best play is never higher
        // than that of the best hold.
        if (c.keptCount == GameState::kDice) {
            c.category = lastRollCategory_[std::size_t(outcome)];
            c.pointsNow = int(l.score[std::size_t(outcome)][std::size_t(c.category)]);
            c.expectedFinal = position_.points + lastRoll_[std::size_t(outcome)];
        } else {
            const auto& values = rollsLeft == 1 ? oneRollLeft_ : twoRollsLeft_;
            c.expectedFinal = position_.points + values[std::size_t(hold)];
        }
        ranked.push_back(c);
    }
    std::sort(ranked.begin(), ranked.end(), [](const HoldChoice& a, const HoldChoice& b) {
        if (a.expectedFinal != b.expectedFinal)
            return a.expectedFinal > b.expectedFinal;
        if (a.keptCount != b.keptCount)
            return a.keptCount > b.keptCount;
        return a.kept < b.kept;
    });
    return ranked;
}

std::vector<CategoryChoice> TurnPlan::rankCategories(const Dice& dice) const
{
    std::vector<CategoryChoice> ranked;
    if (!valid_ || !validDice(dice))
        return ranked;
    const Layout& l = layout();
    const int outcome = l.indexOf(countsOf(dice)) - kFirstOutcome;
    for (int cat = 1; cat <= GameState::kCategories; ++cat) {
        if (position_.used & bitOf(cat))
            continue;
        CategoryChoice c;
        c.category = cat;
        c.pointsNow = int(l.score[std::size_t(outcome)][std::size_t(cat)]);
        const bool upper = cat <= kUpperRows;
        const int upperAfter = upper ? upper_ + c.pointsNow : upper_;
        const int bonus = upper ? upperBonus(upper_, c.pointsNow) : 0;
        c.expectedFinal = position_.points + c.pointsNow + bonus
            + table_->expectedRemaining(position_.used | bitOf(cat), upperAfter);
        ranked.push_back(c);
    }
    std::sort(ranked.begin(), ranked.end(), [](const CategoryChoice& a, const CategoryChoice& b) {
        if (a.expectedFinal != b.expectedFinal)
            return a.expectedFinal > b.expectedFinal;
        return a.category < b.category;
    });
    return ranked;
}

Choices choicesFor(const TurnPlan& plan, const Dice& dice, int rollsLeft)
{
    Choices c;
    if (rollsLeft >= 1)
        c.holds = plan.rankHolds(dice, rollsLeft);
    c.categories = plan.rankCategories(dice);
    return c;
}

std::vector<HoldChoice> rankHolds(const SolverTable& table, const GameState& state, int player, int rollsLeft)
{
    return TurnPlan(table, sheetPositionOf(state, player)).rankHolds(diceOf(state), rollsLeft);
}

std::vector<CategoryChoice> rankCategories(const SolverTable& table, const GameState& state, int player)
{
    return TurnPlan(table, sheetPositionOf(state, player)).rankCategories(diceOf(state));
}

} // namespace rules
