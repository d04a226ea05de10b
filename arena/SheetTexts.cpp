// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/SheetTexts.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <span>
#include <vector>
#include <QStringList>

#include "arena/ArenaDesign.h"
#include "arena/ArenaTexts.h"
#include "platform/Language.h"
#include "rules/Evaluation.h"
#include "rules/GameFlow.h"
#include "rules/ScoreSheet.h"
#include "ui/ScoreSheet.h"

namespace texts {

namespace {

constexpr Text kTurn{
    "Review", QT_TRANSLATE_NOOP("Review", "Tur %1, efter kast %2: %3, väntat slutresultat %4; %5, %6 (%7 poäng)")};
// Who chose: a person is spoken to, a computer spoken of.
constexpr Text kYou{"Review", QT_TRANSLATE_NOOP("Review", "du")};
constexpr Text kHeld{"Review", QT_TRANSLATE_NOOP("Review", "%1 höll %2 och kastade om %3")};
constexpr Text kRerolledAll{"Review", QT_TRANSLATE_NOOP("Review", "%1 kastade om alla fem")};
constexpr Text kHeldAll{"Review", QT_TRANSLATE_NOOP("Review", "%1 höll alla fem och kastade ändå")};
constexpr Text kReviewWrote{"Review", QT_TRANSLATE_NOOP("Review", "%1 skrev %2 (%3 poäng)")};
constexpr Text kReviewGaveUp{"Review", QT_TRANSLATE_NOOP("Review", "%1 strök %2")};
constexpr Text kBestHold{"Review", QT_TRANSLATE_NOOP("Review", "bäst var att hålla %1 och kasta om %2")};
constexpr Text kBestRerollAll{"Review", QT_TRANSLATE_NOOP("Review", "bäst var att kasta om alla fem")};
constexpr Text kBestWrite{"Review", QT_TRANSLATE_NOOP("Review", "bäst var att skriva %1 (%2 poäng)")};
constexpr Text kBestGiveUp{"Review", QT_TRANSLATE_NOOP("Review", "bäst var att stryka %1")};
constexpr QChar kMinus = QChar(0x2212);

// Why a choice cost what it did. %1 and the like are categories unless told.
constexpr Text kYouObject{"Review", QT_TRANSLATE_NOOP("Review", "dig")};
constexpr Text kBonusReach{
    "Review",
    QT_TRANSLATE_NOOP("Review", "%1 hade fört %2 till %3 av %4 mot bonusen; %5 kan fyllas senare.")}; // %2 whom
constexpr Text kBonusEarn{"Review",
                          QT_TRANSLATE_NOOP("Review", "%1 hade gett %2 bonusen på %3 poäng; %4 kan fyllas senare.")};
constexpr Text kBonusLost{
    "Review",
    QT_TRANSLATE_NOOP("Review", "Med %1 poäng i %2 kan bonusen inte längre nås; %3 hade hållit den inom räckhåll.")};
constexpr Text kBonusShort{
    "Review",
    QT_TRANSLATE_NOOP("Review", "%1 gav %2 poäng, %3 av %4 mot bonusen; %1 var värd mer sparad till ett bättre kast.")};
constexpr Text kStraightGivenUp{
    "Review",
    QT_TRANSLATE_NOOP(
        "Review",
        "Att stryka %1 gav upp en kategori som ännu kunde slås: med %1 öppen väntades resten av spelet ge %2 poäng "
        "mer.")};
constexpr Text kStraightGivenUpShort{
    "Review", QT_TRANSLATE_NOOP("Review", "Att stryka %1 gav upp en kategori som ännu kunde slås.")};
constexpr Text kStraightAtHand{"Review",
                               QT_TRANSLATE_NOOP("Review", "%1 gav %2 poäng på en gång; %3 kan fyllas senare.")};
constexpr Text kDumpUsed{
    "Review",
    QT_TRANSLATE_NOOP(
        "Review",
        "%1 var värd mer sparad till ett sämre kast: med %1 öppen väntades resten av spelet ge %2 poäng mer.")};
constexpr Text kDumpUsedShort{"Review", QT_TRANSLATE_NOOP("Review", "%1 var värd mer sparad till ett sämre kast.")};
constexpr Text kDumpAtHand{
    "Review",
    QT_TRANSLATE_NOOP(
        "Review", "%1 var rätt ställe för det här kastet: med %2 öppen väntades resten av spelet ge %3 poäng mer.")};
// The choice kept the best's category open: that is what it saved for later.
constexpr Text kMoreNow{
    "Review", QT_TRANSLATE_NOOP("Review", "%1 gav %2 poäng mer nu, mer än de %3 poäng det var värt att spara %1.")};
constexpr Text kMoreNowOnly{"Review", QT_TRANSLATE_NOOP("Review", "%1 gav %2 poäng mer nu.")};
constexpr Text kMoreNowAndLater{
    "Review", QT_TRANSLATE_NOOP("Review", "%1 gav %2 poäng mer nu och lämnade %3 poäng mer till resten av spelet.")};
constexpr Text kMoreLater{
    "Review", QT_TRANSLATE_NOOP("Review", "%1 gav %2 poäng mindre nu men lämnade %3 poäng mer till resten av spelet.")};
constexpr Text kSameNowMoreLater{
    "Review", QT_TRANSLATE_NOOP("Review", "%1 gav lika mycket nu och lämnade %2 poäng mer till resten av spelet.")};
// A choice with rolls left; %1 is the best play in words.
constexpr Text kPlayAim{"Review", QT_TRANSLATE_NOOP("Review", "%1 gav %2 chans till %3, mot %4 %5.")};
constexpr Text kPlayAimOverWrite{"Review",
                                 QT_TRANSLATE_NOOP("Review", "%1 gav %2 chans till %3; att %4 nu gav %5 poäng.")};
constexpr Text kPlaySure{
    "Review", QT_TRANSLATE_NOOP("Review", "Att skriva %1 nu gav %2 poäng säkert; %3 var chansen till %1 bara %4.")};
constexpr Text kPlayMostly{
    "Review", QT_TRANSLATE_NOOP("Review", "%1 gav %2 chans till %3 och i snitt %4 poäng mer i slutresultat.")};
constexpr Text kPlayOnAverage{"Review", QT_TRANSLATE_NOOP("Review", "%1 gav i snitt %2 poäng mer i slutresultat.")};
constexpr Text kKeepAndRoll{"Review", QT_TRANSLATE_NOOP("Review", "Att hålla %1 och kasta om %2")};
constexpr Text kRollAllFive{"Review", QT_TRANSLATE_NOOP("Review", "Att kasta om alla fem")};
constexpr Text kWriteNow{"Review", QT_TRANSLATE_NOOP("Review", "Att skriva %1 nu")};
constexpr Text kGiveUpNow{"Review", QT_TRANSLATE_NOOP("Review", "Att stryka %1 nu")};
constexpr Text kWithYourHold{"Review", QT_TRANSLATE_NOOP("Review", "med det %1 höll")}; // %1 who
constexpr Text kWhenRolledAll{"Review", QT_TRANSLATE_NOOP("Review", "när %1 kastade om alla fem")};
constexpr Text kWrite{"Review", QT_TRANSLATE_NOOP("Review", "skriva %1")};
constexpr Text kGiveUp{"Review", QT_TRANSLATE_NOOP("Review", "stryka %1")};
constexpr Text kPercent{"Review", QT_TRANSLATE_NOOP("Review", "%1\u00a0%")};
// With more players than this the chart labels only each player's costliest choice.
constexpr int kChartPlayersFullyLabelled = 2;
// A difference in expected points smaller than this is not worth a clause.
constexpr double kWorthTelling = 0.05;

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
        return v.chosenPoints > 0 ? kReviewWrote.arg(who, name, QString::number(v.chosenPoints))
                                  : kReviewGaveUp.arg(who, name);
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

QString percent(double chance)
{
    return kPercent.arg(QString::number(qRound(100 * chance)));
}

QString writeReason(const rules::Reason& r, QStringView whom)
{
    using Kind = rules::Reason::Kind;
    const QString chosen = categoryCaption(r.chosen.category).toString();
    const QString best = categoryCaption(r.best.category).toString();
    const QString threshold = QString::number(rules::kBonusThreshold);
    const double later = r.best.later - r.chosen.later;
    const int now = r.best.points + r.best.bonus - r.chosen.points - r.chosen.bonus;
    switch (r.kind) {
    case Kind::StraightGivenUp:
        return later > kWorthTelling ? kStraightGivenUp.arg(chosen, pointsDecimal(later))
                                     : kStraightGivenUpShort.arg(chosen);
    case Kind::StraightAtHand:
        return kStraightAtHand.arg(best, QString::number(r.best.points), chosen);
    case Kind::BonusAtStake:
        if (r.best.category <= 6) {
            if (r.best.bonus > 0)
                return kBonusEarn.arg(best, whom, QString::number(r.best.bonus), chosen);
            return kBonusReach.arg(best, whom, QString::number(r.best.upperSum), threshold, chosen);
        }
        if (!r.chosen.bonusReachable)
            return kBonusLost.arg(QString::number(r.chosen.points), chosen, best);
        return kBonusShort.arg(chosen, QString::number(r.chosen.points), QString::number(r.chosen.upperSum), threshold);
    case Kind::DumpUsedEarly:
        return later > kWorthTelling ? kDumpUsed.arg(chosen, pointsDecimal(later)) : kDumpUsedShort.arg(chosen);
    case Kind::DumpAtHand:
        if (later > kWorthTelling)
            return kDumpAtHand.arg(best, chosen, pointsDecimal(later));
        break;
    default:
        break;
    }
    if (now > 0 && later < -kWorthTelling)
        return kMoreNow.arg(best, QString::number(now), pointsDecimal(-later));
    if (now > 0 && later <= kWorthTelling)
        return kMoreNowOnly.arg(best, QString::number(now));
    if (now > 0)
        return kMoreNowAndLater.arg(best, QString::number(now), pointsDecimal(later));
    if (now < 0)
        return kMoreLater.arg(best, QString::number(-now), pointsDecimal(later));
    return kSameNowMoreLater.arg(best, pointsDecimal(later));
}

QString playPhrase(const rules::Dice& dice, const rules::PlayEffect& play)
{
    if (!play.rolls)
        return (play.points > 0 ? kWriteNow : kGiveUpNow).arg(categoryCaption(play.category));
    if (play.keptCount == 0)
        return kRollAllFive.toString();
    return kKeepAndRoll.arg(keptFaces(dice, play.kept), kCountWords[GameState::kDice - play.keptCount]);
}

QString playReason(const rules::Decision& d, const rules::Verdict& v, QStringView who)
{
    const rules::Reason& r = v.reason;
    const rules::PlayEffect& chosen = r.chosenPlay;
    const rules::PlayEffect& best = r.bestPlay;
    const QString bestPhrase = playPhrase(d.dice, best);
    const QString gain = pointsDecimal(v.lost);
    if (!best.rolls && best.points > 0 && chosen.rolls) {
        const QString with = chosen.keptCount == 0 ? kWhenRolledAll.arg(who) : kWithYourHold.arg(who);
        return kPlaySure.arg(categoryCaption(best.category), QString::number(best.points), with,
                             percent(chosen.chance[std::size_t(best.category)]));
    }
    if (r.aim > 0) {
        const auto aim = std::size_t(r.aim);
        if (!chosen.rolls)
            return kPlayAimOverWrite.arg(bestPhrase, percent(best.chance[aim]), categoryCaption(r.aim),
                                         (chosen.points > 0 ? kWrite : kGiveUp).arg(categoryCaption(chosen.category)),
                                         QString::number(chosen.points));
        const QString with = chosen.keptCount == 0 ? kWhenRolledAll.arg(who) : kWithYourHold.arg(who);
        return kPlayAim.arg(bestPhrase, percent(best.chance[aim]), categoryCaption(r.aim), percent(chosen.chance[aim]),
                            with);
    }
    const auto likeliest = std::max_element(best.chance.begin() + 1, best.chance.end());
    if (best.rolls && *likeliest > 0)
        return kPlayMostly.arg(bestPhrase, percent(*likeliest), categoryCaption(int(likeliest - best.chance.begin())),
                               gain);
    return kPlayOnAverage.arg(bestPhrase, gain);
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

namespace {

ui::ReviewEntry reviewEntry(const rules::Decision& d, const rules::Verdict& v, QStringView who)
{
    return {decisionLine(d, v, who), reasonLine(d, v, who)};
}

QString summaryOf(const QString& name, const rules::PlayerReview& r, bool over)
{
    if (r.turnsDone == 0)
        return kReviewNoTurn.arg(name);
    return (over ? kReviewPlayerDone : kReviewPlayer).arg(name, pointsDecimal(r.lost), costlyPhrase(r.costly));
}

// A player's part: the summary, the costliest choices, then the other costly ones.
ui::ReviewSection reviewSection(const QString& name, const rules::PlayerReview& r, bool over,
                                std::span<const rules::Decision> decisions, std::span<const rules::Verdict> verdicts,
                                QStringView who)
{
    ui::ReviewSection section;
    section.summary = summaryOf(name, r, over);
    section.firstHeading = kLessonsHeading.toString();
    section.restHeading = kRestHeading.toString();
    for (std::size_t i : r.lessons)
        section.first.push_back(reviewEntry(decisions[i], verdicts[i], who));
    for (std::size_t i : r.rest)
        section.rest.push_back(reviewEntry(decisions[i], verdicts[i], who));
    return section;
}

QString entryText(const ui::ReviewEntry& e)
{
    return e.reason.isEmpty() ? e.line : e.line + QStringLiteral(". ") + e.reason;
}

QStringList plainSection(const ui::ReviewSection& section)
{
    QStringList lines{section.summary};
    if (!section.first.empty())
        lines << QStringLiteral("  ") + section.firstHeading;
    for (std::size_t k = 0; k < section.first.size(); ++k)
        lines << QStringLiteral("  %1. %2").arg(QString::number(k + 1), entryText(section.first[k]));
    if (!section.rest.empty())
        lines << QStringLiteral("  ") + section.restHeading;
    for (const ui::ReviewEntry& e : section.rest)
        lines << QStringLiteral("    ") + entryText(e);
    return lines;
}

QString whenPhrase(int turnsDone)
{
    return turnsDone == 0 ? kBeforeFirstTurn.toString() : kAfterTurn.arg(QString::number(turnsDone));
}

// One player's line of the chart's description: where the line starts, its lowest point,
// where it ends, and where the costliest choices were.
QString chartDescription(const QString& name, const rules::PlayerReview& r, std::span<const rules::Decision> decisions,
                         std::span<const rules::Verdict> verdicts)
{
    const auto lowest = std::min_element(r.course.begin(), r.course.end(), [](const auto& a, const auto& b) {
        return a.expectedFinal < b.expectedFinal;
    });
    QString text
        = kChartPlayer.arg(name, pointsDecimal(r.course.front().expectedFinal), whenPhrase(r.course.front().turnsDone),
                           pointsDecimal(lowest->expectedFinal), whenPhrase(lowest->turnsDone),
                           pointsDecimal(r.course.back().expectedFinal), whenPhrase(r.course.back().turnsDone));
    QStringList losses;
    for (std::size_t i : r.lessons)
        losses << kChartLoss.arg(QString::number(decisions[i].turn()), lossFigure(verdicts[i].lost));
    if (!losses.isEmpty())
        text += u' ' + kChartLosses.arg(losses.join(QStringLiteral(", ")));
    return text;
}

} // namespace

ui::ChartContent reviewChart(const GameState& state, const rules::DecisionLog& log, bool reviewed)
{
    ui::ChartContent chart;
    chart.name = kChartName.toString();
    chart.xTitle = kChartXTitle.toString();
    chart.yTitle = kChartYTitle.toString();
    chart.lastX = GameState::kCategories;
    chart.note = reviewed ? kReviewNotYet.toString() : kReviewWorking.toString();
    if (!reviewed)
        return chart;
    const auto decisions = log.decisions();
    const auto verdicts = log.verdicts();
    QStringList description;
    if (!std::isnan(log.perfectScore())) {
        chart.reference = log.perfectScore();
        chart.referenceLabel = kChartReference.arg(pointsDecimal(chart.reference));
        description << kChartIntro.arg(pointsDecimal(chart.reference));
    }
    bool anyPoint = false;
    for (int p = 1; p <= state.NumPlayers; ++p) {
        const QString& name = state.Names[std::size_t(p)];
        const rules::PlayerReview r = rules::reviewOf(p, decisions, verdicts);
        ui::ChartSeries series{name, {}};
        for (const rules::CoursePoint& point : r.course)
            series.points.emplace_back(point.turnsDone, point.expectedFinal);
        chart.series.push_back(std::move(series));
        if (r.course.empty())
            continue;
        anyPoint = true;
        description << chartDescription(name, r, decisions, verdicts);
        // One ring a turn with costly choices, on the line where that turn ends (or, while
        // it goes on, where it began). Labelled with what its costliest choices lost, as the
        // lessons show them: with more than two lines, only a player's costliest of all.
        const std::size_t labelled = state.NumPlayers <= kChartPlayersFullyLabelled ? r.lessons.size() : 1;
        // By turn: what its labelled choices lost, and whether it has any.
        std::map<int, std::pair<double, bool>> turns;
        for (std::size_t i : r.costlyOnes)
            turns.try_emplace(decisions[i].turn(), 0.0, false);
        for (std::size_t k = 0; k < std::min(labelled, r.lessons.size()); ++k) {
            auto& [lost, lesson] = turns[decisions[r.lessons[k]].turn()];
            lost += verdicts[r.lessons[k]].lost;
            lesson = true;
        }
        for (const auto& [turn, loss] : turns) {
            const rules::CoursePoint* at = nullptr;
            for (const rules::CoursePoint& point : r.course)
                if (point.turnsDone <= turn)
                    at = &point;
            if (at)
                chart.marks.push_back({std::size_t(p - 1), QPointF(at->turnsDone, at->expectedFinal),
                                       loss.second ? lossFigure(loss.first) : QString()});
        }
    }
    if (!anyPoint)
        chart.series.clear();
    chart.description = description.join(u' ');
    return chart;
}

QStringList spokenLessons(const GameState& state, const rules::DecisionLog& log, bool reviewed, const Seats& computers,
                          int player)
{
    const auto decisions = log.decisions();
    const auto verdicts = log.verdicts();
    const bool over = rules::gameOver(state);
    QStringList spoken;
    bool anyTurnDone = false;
    for (int p = 1; p <= state.NumPlayers; ++p) {
        if (player != 0 && p != player)
            continue;
        const QString& name = state.Names[std::size_t(p)];
        const rules::PlayerReview r = rules::reviewOf(p, decisions, verdicts);
        anyTurnDone = anyTurnDone || r.turnsDone > 0;
        spoken << summaryOf(name, r, over);
        const QStringView who = computers[std::size_t(p)] ? QStringView(name) : QStringView();
        for (std::size_t k = 0; k < r.lessons.size(); ++k) {
            const std::size_t i = r.lessons[k];
            spoken << kSpokenLesson.arg(name, QString::number(k + 1), QString::number(r.lessons.size()),
                                        entryText(reviewEntry(decisions[i], verdicts[i], who)));
        }
    }
    if (!anyTurnDone)
        return {kReviewNotYet.toString()};
    if (!reviewed)
        return {kReviewWorking.toString()};
    return spoken;
}

QString reasonLine(const rules::Decision& decision, const rules::Verdict& verdict, QStringView computerName)
{
    switch (verdict.reason.kind) {
    case rules::Reason::Kind::None:
        return {};
    case rules::Reason::Kind::Play:
        return playReason(decision, verdict, computerName.isEmpty() ? kYou.toString() : computerName.toString());
    default:
        return writeReason(verdict.reason, computerName.isEmpty() ? kYouObject.toString() : computerName.toString());
    }
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

    std::vector<ui::ReviewSection> sections;
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
        const QStringView who = computers[std::size_t(p)] ? QStringView(column.name) : QStringView();
        sections.push_back(reviewSection(column.name, r, over, decisions, verdicts, who));
        if (over && reviewed)
            column.cells.push_back({lossFigure(r.lost), kReviewCell.arg(pointsDecimal(r.lost), costlyPhrase(r.costly)),
                                    ui::SheetCell::Look::Sum});
        content.columns.push_back(std::move(column));
    }

    content.reviewHeading = kReviewHeading.toString();
    if (state.NumPlayers == 0 || !anyTurnDone) {
        content.review = kReviewNotYet.toString();
    } else if (!reviewed) {
        content.review = kReviewWorking.toString();
    } else {
        QStringList lines;
        for (const ui::ReviewSection& section : sections)
            lines << plainSection(section);
        content.review = lines.join(QLatin1Char('\n'));
        content.reviewSections = std::move(sections);
    }
    content.chart = reviewChart(state, log, reviewed);
    return content;
}

} // namespace texts
