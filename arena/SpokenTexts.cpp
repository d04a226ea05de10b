// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/SpokenTexts.h"

#include <QStringList>

#include "arena/ArenaTexts.h"
#include "arena/SheetTexts.h"
#include "rules/ScoreSheet.h"

namespace texts {

namespace {

constexpr Text kStarts{"Spoken", QT_TRANSLATE_NOOP("Spoken", "Spelet börjar. Spelare: %1. %2 kastar först.")};
constexpr Text kHowTo{
    "Spoken",
    QT_TRANSLATE_NOOP("Spoken",
                      " Tryck Enter för att kasta, siffrorna 1 till 5 håller tärningar, pilarna väljer kategori.")};
constexpr Text kRoll{"Spoken", QT_TRANSLATE_NOOP("Spoken", "Kast %1 av 3: %2")};
constexpr Text kHeldDie{"Spoken", QT_TRANSLATE_NOOP("Spoken", "%1 hålls")};
constexpr Text kDieHeldNow{"Spoken", QT_TRANSLATE_NOOP("Spoken", "Tärning %1: %2, hålls")};
constexpr Text kDieFreeNow{"Spoken", QT_TRANSLATE_NOOP("Spoken", "Tärning %1: %2, släppt")};
constexpr Text kWrote{"Spoken", QT_TRANSLATE_NOOP("Spoken", "%1 skrev %2: %3 poäng.")};
constexpr Text kGaveUp{"Spoken", QT_TRANSLATE_NOOP("Spoken", "%1 strök %2.")};
constexpr Text kBonus{"Spoken", QT_TRANSLATE_NOOP("Spoken", " Bonus: %1 poäng.")};
constexpr Text kNowRolls{"Spoken", QT_TRANSLATE_NOOP("Spoken", " Nu kastar %1.")};
constexpr Text kEnds{"Spoken", QT_TRANSLATE_NOOP("Spoken", "Spelet är slut. %1 vann med %2 poäng.")};
constexpr Text kOtherTotal{"Spoken", QT_TRANSLATE_NOOP("Spoken", " %1 %2 poäng.")};
constexpr Text kRecord{"Spoken", QT_TRANSLATE_NOOP("Spoken", " Nytt rekord!")};
constexpr Text kRolling{"Spoken", QT_TRANSLATE_NOOP("Spoken", "Tärningarna rullar.")};
constexpr Text kNoRollYet{"Spoken", QT_TRANSLATE_NOOP("Spoken", "%1 kastar: inget kast ännu.")};
constexpr Text kSheet{"Spoken", QT_TRANSLATE_NOOP("Spoken", "%1: fria är %2. Övre summa %3 av %4. Summa %5.")};
constexpr Text kSheetFull{"Spoken", QT_TRANSLATE_NOOP("Spoken", "%1: alla kategorier är använda. Summa %2.")};
constexpr Text kAnd{"Spoken", QT_TRANSLATE_NOOP("Spoken", " och ")};
constexpr Text kComma{"Spoken", QT_TRANSLATE_NOOP("Spoken", ", ")};
constexpr Text kNameless{"Spoken", QT_TRANSLATE_NOOP("Spoken", "Spelare %1")};

// A name to be heard: a player who gave none is called by their number.
QString heardName(const GameState& state, int player)
{
    const QString& name = state.Names[std::size_t(player)];
    return name.trimmed().isEmpty() ? kNameless.arg(QString::number(player)) : name;
}

QString listed(QStringList items)
{
    if (items.size() < 2)
        return items.join(QString());
    const QString last = items.takeLast();
    return items.join(kComma.toString()) + kAnd.toString() + last;
}

QString dice(const GameState& state)
{
    QStringList faces;
    for (int i = 0; i < GameState::kDice; ++i) {
        const QString face = QString::number(state.DiceValue[std::size_t(i)]);
        faces << (state.DiceFree[std::size_t(i)] ? face : kHeldDie.arg(face));
    }
    return faces.join(kComma.toString());
}

} // namespace

QString gameStarts(const GameState& state, bool withHowTo)
{
    QStringList players;
    for (int p = 1; p <= state.NumPlayers; ++p)
        players << heardName(state, p);
    return kStarts.arg(listed(players), heardName(state, 1)) + (withHowTo ? kHowTo.toString() : QString());
}

QString rollSettled(const GameState& state)
{
    return kRoll.arg(QString::number(rules::rollsMade(state)), dice(state));
}

QString holdChanged(const GameState& state, int die)
{
    const QString face = QString::number(state.DiceValue[std::size_t(die)]);
    return (state.DiceFree[std::size_t(die)] ? kDieFreeNow : kDieHeldNow).arg(QString::number(die + 1), face);
}

QString written(const GameState& state, int writer, int category, const rules::Written& what)
{
    const QString who = heardName(state, writer);
    QString said = what.points > 0 ? kWrote.arg(who, categoryCaption(category), QString::number(what.points))
                                   : kGaveUp.arg(who, categoryCaption(category));
    if (what.bonus > 0)
        said += kBonus.arg(QString::number(what.bonus));
    if (!what.gameOver)
        said += kNowRolls.arg(heardName(state, what.nextPlayer));
    return said;
}

QString gameEnds(const GameState& state, bool newRecord)
{
    const int winner = rules::winner(state);
    const auto total = [&](int p) { return QString::number(state.Points[std::size_t(p)][GameState::kTotalRow]); };
    QString said = kEnds.arg(heardName(state, winner), total(winner));
    for (int p = 1; p <= state.NumPlayers; ++p)
        if (p != winner)
            said += kOtherTotal.arg(heardName(state, p), total(p));
    return newRecord ? said + kRecord.toString() : said;
}

QString diceNow(const GameState& state)
{
    if (state.Rolling)
        return kRolling.toString();
    if (rules::rollsMade(state) == 0)
        return kNoRollYet.arg(heardName(state, state.CurrentPlayer + 1));
    return rollSettled(state);
}

QString sheetNow(const GameState& state, int player)
{
    const auto& sheet = state.Points[std::size_t(player)];
    QStringList free;
    for (int c = 1; c <= GameState::kCategories; ++c)
        if (rules::categoryFree(state, player, c))
            free << categoryCaption(c).toString();
    const QString who = heardName(state, player);
    const QString total = QString::number(sheet[GameState::kTotalRow]);
    if (free.isEmpty())
        return kSheetFull.arg(who, total);
    return kSheet.arg(who, listed(free), QString::number(rules::upperSum(state, player)),
                      QString::number(rules::kBonusThreshold), total);
}

QString standings(const GameState& state, const Seats& computers, bool ended)
{
    if (state.NumPlayers == 0)
        return kNoGameRunning.toString() + u' ' + kHowToBegin.toString();
    if (ended || rules::gameOver(state))
        return gameEnds(state, false);
    QStringList rows;
    for (int p = 1; p <= state.NumPlayers; ++p)
        rows << kStandingsRow.arg(heardName(state, p),
                                  QString::number(state.Points[std::size_t(p)][GameState::kTotalRow]));
    const int p = state.CurrentPlayer + 1;
    return kStandings.arg(listed(rows))
        + (computers[std::size_t(p)] ? kComputerPlays : kPersonInTurn).arg(heardName(state, p));
}

QString windowDescription(const GameState& state)
{
    if (state.NumPlayers == 0)
        return kHowToBegin.toString();
    return state.Rolling ? kRolling.toString() : QString();
}

} // namespace texts
