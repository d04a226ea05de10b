// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/AdviceText.h"
#include "arena/ArenaTexts.h"
#include "arena/SheetTexts.h"
#include "rules/GameFlow.h"
#include "rules/SolverCache.h"

#include <algorithm>
#include <vector>

#include <QStringList>

namespace texts {

namespace {

constexpr int kRanked = 3;
constexpr Text kRollFirst{"Coach", QT_TRANSLATE_NOOP("Coach", "Kasta tärningarna först.")};
constexpr Text kAdviceSheetFull{"Coach", QT_TRANSLATE_NOOP("Coach", "Alla kategorier är redan använda.")};
constexpr Text kHoldSome{"Coach", QT_TRANSLATE_NOOP("Coach", "Håll %1 (%2), kasta om %3")};
constexpr Text kHoldNone{"Coach", QT_TRANSLATE_NOOP("Coach", "Kasta om alla fem")};
constexpr Text kHoldAll{"Coach", QT_TRANSLATE_NOOP("Coach", "Behåll alla, välj %1 (%2 poäng)")};
constexpr Text kHoldAllScratch{"Coach", QT_TRANSLATE_NOOP("Coach", "Behåll alla, offra %1")};
constexpr Text kCategoryNow{"Coach", QT_TRANSLATE_NOOP("Coach", "Välj %1 (%2 poäng)")};
constexpr Text kScratchNow{"Coach", QT_TRANSLATE_NOOP("Coach", "Offra %1")};
constexpr Text kOneDie{"Coach", QT_TRANSLATE_NOOP("Coach", "tärning %1")};
constexpr Text kSeveralDice{"Coach", QT_TRANSLATE_NOOP("Coach", "tärningarna %1")};
constexpr Text kLastOfList{"Coach", QT_TRANSLATE_NOOP("Coach", "%1 och %2")};
constexpr Text kListSeparator{"Coach", QT_TRANSLATE_NOOP("Coach", ", ")};

// A category taken now; one worth nothing is given up, in the game's own word.
QString categoryPhrase(const Text& forPoints, const Text& forNothing, int category, int points)
{
    if (points == 0)
        return forNothing.arg(categoryCaption(category));
    return forPoints.arg(categoryCaption(category), QString::number(points));
}

QString holdPhrase(const rules::Dice& dice, const rules::HoldChoice& c)
{
    if (c.keptCount == 0)
        return kHoldNone.toString();
    if (c.keptCount == GameState::kDice)
        return categoryPhrase(kHoldAll, kHoldAllScratch, c.category, c.pointsNow);
    std::vector<int> faces;
    QStringList positions;
    for (int i = 0; i < GameState::kDice; ++i) {
        if (c.kept & (1u << i)) {
            faces.push_back(dice[std::size_t(i)]);
            positions << QString::number(i + 1);
        }
    }
    std::sort(faces.begin(), faces.end());
    QStringList shownFaces;
    for (int f : faces)
        shownFaces << QString::number(f);
    const QString last = positions.takeLast();
    const QString where = positions.isEmpty()
        ? kOneDie.arg(last)
        : kSeveralDice.arg(kLastOfList.arg(positions.join(kListSeparator.toString()), last));
    return kHoldSome.arg(shownFaces.join(u' '), where, kCountWords[GameState::kDice - c.keptCount]);
}

bool validDice(const rules::Dice& dice)
{
    return std::all_of(dice.begin(), dice.end(), [](int f) { return f >= 1 && f <= 6; });
}

} // namespace

Advice coachAdvice(const rules::SolverTableProvider& tables, const GameState& state)
{
    if (state.NumPlayers == 0)
        return {{}, kCoachNoGame.toString(), {}};
    const int player = state.CurrentPlayer + 1;
    const QString& name = state.Names[std::size_t(player)];
    const QString heading = kCoachFor.arg(name.isEmpty() ? kCoachPlayerNumber.arg(QString::number(player)) : name);
    if (!tables.ready())
        return {heading, (tables.solving() ? kCoachSolving : kCoachLoading).toString(), {}};
    if (state.Rolling)
        return {heading, kCoachRolling.toString(), {}};
    Advice advice = adviceText(*tables.table(), state, player, rules::rollsLeft(state));
    advice.heading = heading;
    return advice;
}

QString widestAdvice()
{
    return kHoldSome.arg(u"4 4 5 5", kSeveralDice.arg(kLastOfList.arg(u"1, 2, 3", u"4")), kCountWords[1]);
}

Advice adviceText(const rules::SolverTable& table, const GameState& state, int player, int rollsLeft)
{
    const rules::SheetPosition position = rules::sheetPositionOf(state, player);
    if (position.used == rules::kAllCategories)
        return {{}, kAdviceSheetFull.toString(), {}};
    const rules::Dice dice = rules::diceOf(state);
    if (rollsLeft >= rules::kRollsPerTurn || !validDice(dice))
        return {{}, kRollFirst.toString(), {}};
    const rules::TurnPlan plan(table, position);
    const rules::Choices choices = rules::choicesFor(plan, dice, rollsLeft);
    Advice advice;
    if (choices.holds.empty()) {
        const auto& ranked = choices.categories;
        for (std::size_t k = 0; k < kRanked && k < ranked.size(); ++k) {
            const rules::CategoryChoice& c = ranked[k];
            advice.rows.push_back(
                {categoryPhrase(kCategoryNow, kScratchNow, c.category, c.pointsNow), pointsDecimal(c.expectedFinal)});
        }
    } else {
        const auto& ranked = choices.holds;
        for (std::size_t k = 0; k < kRanked && k < ranked.size(); ++k)
            advice.rows.push_back({holdPhrase(dice, ranked[k]), pointsDecimal(ranked[k].expectedFinal)});
    }
    return advice;
}

} // namespace texts
