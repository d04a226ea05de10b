// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/TableTexts.h"

#include <algorithm>
#include <functional>
#include <vector>
#include <QStringList>

#include "arena/ArenaDesign.h"
#include "arena/ArenaTexts.h"
#include "platform/Language.h"
#include "rules/Evaluation.h"
#include "rules/GameFlow.h"
#include "rules/ScoreSheet.h"
#include "ui/ScoreTable.h"

namespace texts {

namespace {

constexpr Text kTurn{
    "Review", QT_TRANSLATE_NOOP("Review", "Tur %1, efter kast %2: %3, väntat slutresultat %4; %5, %6 (%7 poäng)")};
// Who chose: a person is spoken to, a computer spoken of.
constexpr Text kYou{"Review", QT_TRANSLATE_NOOP("Review", "du")};
constexpr Text kHeld{"Review", QT_TRANSLATE_NOOP("Review", "%1 höll %2 och kastade om %3")};
constexpr Text kRerolledAll{"Review", QT_TRANSLATE_NOOP("Review", "%1 kastade om alla fem")};
constexpr Text kHeldAll{"Review", QT_TRANSLATE_NOOP("Review", "%1 höll alla fem och kastade ändå")};
constexpr Text kWrote{"Review", QT_TRANSLATE_NOOP("Review", "%1 skrev %2 (%3 poäng)")};
constexpr Text kGaveUp{"Review", QT_TRANSLATE_NOOP("Review", "%1 strök %2")};
constexpr Text kBestHold{"Review", QT_TRANSLATE_NOOP("Review", "bäst var att hålla %1 och kasta om %2")};
constexpr Text kBestRerollAll{"Review", QT_TRANSLATE_NOOP("Review", "bäst var att kasta om alla fem")};
constexpr Text kBestWrite{"Review", QT_TRANSLATE_NOOP("Review", "bäst var att skriva %1 (%2 poäng)")};
constexpr Text kBestGiveUp{"Review", QT_TRANSLATE_NOOP("Review", "bäst var att stryka %1")};
constexpr QChar kMinus = QChar(0x2212);

// The kept faces, highest first, as a player reads a hand.
QString keptFaces(const rules::Dice& dice, std::uint8_t kept)
{
    std::vector<int> faces;
    for (int i = 0; i < GameState::kDice; ++i)
        if (kept & (1u << i))
            faces.push_back(dice[std::size_t(i)]);
    std::sort(faces.begin(), faces.end(), std::greater<>());
    QStringList words;
    for (int f : faces)
        words << QString::number(f);
    return words.join(u' ');
}

int countOf(std::uint8_t kept)
{
    int n = 0;
    for (int i = 0; i < GameState::kDice; ++i)
        n += (kept >> i) & 1;
    return n;
}

QString chosenPhrase(const rules::Decision& d, const rules::Verdict& v, QStringView who)
{
    if (d.kind == rules::Decision::Kind::Category) {
        const Text name = categoryCaption(d.category);
        return v.chosenPoints > 0 ? kWrote.arg(who, name, QString::number(v.chosenPoints)) : kGaveUp.arg(who, name);
    }
    const int kept = countOf(d.kept);
    if (kept == 0)
        return kRerolledAll.arg(who);
    if (kept == GameState::kDice)
        return kHeldAll.arg(who);
    return kHeld.arg(who, keptFaces(d.dice, d.kept), kCountWords[GameState::kDice - kept]);
}

QString bestPhrase(const rules::Decision& d, const rules::Verdict& v)
{
    if (v.bestIsHold) {
        if (v.bestKeptCount == 0)
            return kBestRerollAll.toString();
        return kBestHold.arg(keptFaces(d.dice, v.bestKept), kCountWords[GameState::kDice - v.bestKeptCount]);
    }
    const Text name = categoryCaption(v.bestCategory);
    return v.bestPoints > 0 ? kBestWrite.arg(name, QString::number(v.bestPoints)) : kBestGiveUp.arg(name);
}

} // namespace

Text categoryCaption(int category)
{
    return category >= 1 && category < int(std::size(kCategoryNames)) ? kCategoryNames[category] : Text();
}

QString pointsDecimal(double value)
{
    return language::locale().toString(value, 'f', 1);
}

QString lossFigure(double lost)
{
    const QString figure = pointsDecimal(lost);
    return figure == pointsDecimal(0) ? figure : kMinus + figure;
}

QString costlyPhrase(int costly)
{
    if (costly == 0)
        return kReviewCostlyNone.toString();
    if (costly == 1)
        return kReviewCostlyOne.toString();
    return kReviewCostlyMany.arg(QString::number(costly));
}

QString decisionLine(const rules::Decision& decision, const rules::Verdict& verdict, QStringView computerName)
{
    const QString who = computerName.isEmpty() ? kYou.toString() : computerName.toString();
    return kTurn.arg(QString::number(decision.turn()), QString::number(rules::kRollsPerTurn - decision.rollsLeft),
                     chosenPhrase(decision, verdict, who), pointsDecimal(verdict.chosenFinal),
                     bestPhrase(decision, verdict), pointsDecimal(verdict.bestFinal), lossFigure(verdict.lost));
}

QString playerSheet(const GameState& state, int player)
{
    QStringList lines;
    if (player > state.NumPlayers)
        return {};
    for (const auto& row : arena::kCategoryRows) {
        const std::int16_t points = state.Points[std::size_t(player)][std::size_t(row.index)];
        if (points != GameState::kFree)
            lines << kSheetRow.arg(categoryCaption(row.index), QString::number(points));
    }
    lines << kSheetUpper.arg(QString::number(rules::upperSum(state, player)), QString::number(rules::kBonusThreshold))
          << kSheetBonus.arg(QString::number(state.Points[std::size_t(player)][GameState::kBonusRow]))
          << kSheetTotal.arg(QString::number(state.Points[std::size_t(player)][GameState::kTotalRow]));
    return lines.join(QLatin1Char('\n'));
}

ui::SheetContent sheetContent(const GameState& state, const rules::DecisionLog& log, bool reviewed,
                              SheetPlace justWritten, const Seats& computers)
{
    ui::SheetContent content;
    const bool over = rules::gameOver(state);
    const int inTurn = state.CurrentPlayer + 1;
    // The dice lie still and belong to this turn: their points are worth showing.
    const bool diceShown = state.NumPlayers > 0 && !over && state.HasRolled && !state.Rolling;

    for (const auto& row : arena::kCategoryRows) {
        content.rows.push_back(categoryCaption(row.index).toString());
        content.rowToolTips.push_back(kCategoryExplained[row.index].toString());
    }
    content.rows.insert(content.rows.end(), {kUpperRow.toString(), kBonusRow.toString(), kTotalRow.toString()});
    content.rowToolTips.insert(content.rowToolTips.end(),
                               {kUpperExplained.toString(), kBonusExplained.toString(), kTotalExplained.toString()});
    if (over && reviewed) {
        content.rows.push_back(kReviewRow.toString());
        content.rowToolTips.push_back(kReviewExplained.toString());
    }

    const int winner = over ? rules::winner(state) : 0;
    if (over)
        content.status = kGameWon.arg(state.Names[std::size_t(winner)],
                                      QString::number(state.Points[std::size_t(winner)][GameState::kTotalRow]));
    else if (state.NumPlayers > 0)
        content.status = kNowRolling.arg(state.Names[std::size_t(inTurn)]);
    else
        content.status = kNoGameYet.toString();

    QStringList review;
    bool anyTurnDone = false;
    const auto decisions = log.decisions();
    const auto verdicts = log.verdicts();
    for (int p = 1; p <= state.NumPlayers; ++p) {
        const auto& sheet = state.Points[std::size_t(p)];
        ui::SheetColumn column;
        column.name = state.Names[std::size_t(p)];
        column.marked = over ? p == winner : p == inTurn;
        column.description = column.marked ? (over ? kWinnerMark : kInTurn).toString() : QString();
        for (const auto& row : arena::kCategoryRows) {
            const std::int16_t points = sheet[std::size_t(row.index)];
            ui::SheetCell cell;
            if (points == 0) {
                cell = {QStringLiteral("0"), kGivenUp.toString(), ui::SheetCell::Look::GivenUp};
            } else if (points != GameState::kFree) {
                cell.text = QString::number(points);
            } else if (diceShown && p == inTurn) {
                cell = {QString::number(rules::CandidateOf(state, row.index)), kPossible.toString(),
                        ui::SheetCell::Look::Possible};
            }
            if (p == justWritten.player && row.index == justWritten.category) {
                cell.look = ui::SheetCell::Look::Marked;
                cell.description = cell.description.isEmpty()
                    ? kJustWritten.toString()
                    : cell.description + QStringLiteral(", ") + kJustWritten.toString();
            }
            column.cells.push_back(cell);
        }
        const QString upper
            = kUpperOf.arg(QString::number(rules::upperSum(state, p)), QString::number(rules::kBonusThreshold));
        column.cells.push_back({upper, {}, ui::SheetCell::Look::Sum});
        column.cells.push_back({QString::number(sheet[GameState::kBonusRow]), {}, ui::SheetCell::Look::Sum});
        column.cells.push_back({QString::number(sheet[GameState::kTotalRow]), {}, ui::SheetCell::Look::Sum});

        const rules::PlayerReview r = rules::reviewOf(p, decisions, verdicts);
        anyTurnDone = anyTurnDone || r.turnsDone > 0;
        if (r.turnsDone == 0) {
            review << kReviewNoTurn.arg(column.name);
        } else {
            review << (over ? kReviewPlayerDone : kReviewPlayer)
                          .arg(column.name, pointsDecimal(r.lost), costlyPhrase(r.costly));
            const QStringView who = computers[std::size_t(p)] ? QStringView(column.name) : QStringView();
            for (std::size_t i : r.costlyOnes)
                review << QStringLiteral("  ") + decisionLine(decisions[i], verdicts[i], who);
        }
        if (over && reviewed)
            column.cells.push_back({lossFigure(r.lost), kReviewCell.arg(pointsDecimal(r.lost), costlyPhrase(r.costly)),
                                    ui::SheetCell::Look::Sum});
        content.columns.push_back(std::move(column));
    }

    content.reviewHeading = kReviewHeading.toString();
    if (state.NumPlayers == 0 || !anyTurnDone)
        content.review = kReviewNotYet.toString();
    else if (!reviewed)
        content.review = kReviewWorking.toString();
    else
        content.review = review.join(QLatin1Char('\n'));
    return content;
}

} // namespace texts
