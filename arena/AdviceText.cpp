// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/AdviceText.h"

#include <algorithm>

#include <QLocale>
#include <QStringList>

namespace texts {

namespace {

constexpr QStringView kRollFirst = u"Kasta tärningarna först.";
constexpr QStringView kSheetFull = u"Alla kategorier är redan använda.";
constexpr QStringView kRankLines[] = {
    u"Bästa val: %1. Förväntat slutresultat: %2",
    u"Näst bäst: %1. Förväntat slutresultat: %2",
    u"Tredje bäst: %1. Förväntat slutresultat: %2",
};
constexpr QStringView kHoldSome = u"håll %1 (tärning %2) och kasta om %3";
constexpr QStringView kHoldNone = u"kasta om alla fem tärningar";
constexpr QStringView kHoldAll = u"behåll alla tärningar och välj kategori %1 (%2 poäng)";
constexpr QStringView kCategoryNow = u"%1 ger %2 poäng nu";
constexpr QStringView kOneDie = u"%1 tärning";
constexpr QStringView kSeveralDice = u"%1 tärningar";
constexpr QStringView kLastOfList = u"%1 och %2";
constexpr QStringView kListSeparator = u", ";
constexpr QStringView kNumberWords[] = {u"", u"en", u"två", u"tre", u"fyra", u"fem"};
constexpr QStringView kCategoryNames[] = {
    u"",        u"Ettor", u"Tvåor",  u"Treor",  u"Fyror",  u"Femmor", u"Sexor", u"Par",
    u"Två par", u"Triss", u"Fyrtal", u"Lillan", u"Storan", u"Kåk",    u"Kolvo", u"Chans",
};

QString decimal(double value)
{
    QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    swedish.setNumberOptions(QLocale::OmitGroupSeparator);
    return swedish.toString(value, 'f', 1);
}

QString holdPhrase(const rules::Dice& dice, const rules::HoldChoice& c)
{
    if (c.keptCount == 0)
        return kHoldNone.toString();
    if (c.keptCount == GameState::kDice)
        return kHoldAll.arg(kCategoryNames[c.category], QString::number(c.pointsNow));
    QStringList faces;
    QStringList positions;
    for (int i = 0; i < GameState::kDice; ++i) {
        if (c.kept & (1u << i)) {
            faces << QString::number(dice[std::size_t(i)]);
            positions << QString::number(i + 1);
        }
    }
    const QString last = positions.takeLast();
    const QString where = positions.isEmpty() ? last : kLastOfList.arg(positions.join(kListSeparator), last);
    const int rerolled = GameState::kDice - c.keptCount;
    const QString again = (rerolled == 1 ? kOneDie : kSeveralDice).arg(kNumberWords[rerolled]);
    return kHoldSome.arg(faces.join(u' '), where, again);
}

bool validDice(const rules::Dice& dice)
{
    return std::all_of(dice.begin(), dice.end(), [](int f) { return f >= 1 && f <= 6; });
}

} // namespace

QString adviceText(const rules::SolverTable& table, const GameState& state, int player, int rollsDone)
{
    const rules::SheetPosition position = rules::sheetPositionOf(state, player);
    if (position.used == rules::kAllCategories)
        return kSheetFull.toString();
    const rules::Dice dice = rules::diceOf(state);
    if (rollsDone <= 0 || !validDice(dice))
        return kRollFirst.toString();
    const rules::TurnPlan plan(table, position);
    QStringList lines;
    if (rollsDone >= 3) {
        const auto ranked = plan.rankCategories(dice);
        for (std::size_t k = 0; k < std::size(kRankLines) && k < ranked.size(); ++k) {
            const rules::CategoryChoice& c = ranked[k];
            const QString what = kCategoryNow.arg(kCategoryNames[c.category], QString::number(c.pointsNow));
            lines << kRankLines[k].arg(what, decimal(c.expectedFinal));
        }
    } else {
        const auto ranked = plan.rankHolds(dice, 3 - rollsDone);
        for (std::size_t k = 0; k < std::size(kRankLines) && k < ranked.size(); ++k)
            lines << kRankLines[k].arg(holdPhrase(dice, ranked[k]), decimal(ranked[k].expectedFinal));
    }
    return lines.join(u'\n');
}

} // namespace texts
