// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <algorithm>
#include <bit>
#include <random>
#include <set>

#include "arena/TableTexts.h"
#include "rules/DecisionLog.h"
#include "rules/Evaluation.h"
#include "rules/GameFlow.h"
#include "rules/Solver.h"
#include "rules/Strategy.h"
#include "ui/ScoreTable.h"

// What the score sheet's window is given to show: the sheets, their marks, the review of the
// decisions in words and as a chart. No window: the content is a pure function of the game.
namespace {

using Dice = rules::Dice;
using Look = ui::SheetCell::Look;

constexpr int kRows = 15; // category rows; the upper sum, bonus and total follow

rules::CategoryMask usedAllBut(const QList<int>& free)
{
    rules::CategoryMask used = rules::kAllCategories;
    for (int c : free)
        used &= rules::CategoryMask(~(1u << (c - 1)));
    return used;
}

// Writes points onto a sheet as the game does, bonus and total included.
void put(GameState& s, int player, int category, int points)
{
    rules::SheetPosition position = rules::sheetPositionOf(s, player);
    const int bonus = position.write(category, points);
    auto& sheet = s.Points[std::size_t(player)];
    sheet[std::size_t(category)] = std::int16_t(points);
    sheet[GameState::kBonusRow] = std::int16_t(sheet[GameState::kBonusRow] + bonus);
    sheet[GameState::kTotalRow] = std::int16_t(position.points);
}

// Anna has Ettor 3, Sexor 18 and Kåk given up; Bo has Tvåor 6 and is in turn.
GameState annaAndBo()
{
    GameState s;
    rules::startGame(s, 2);
    s.Names[1] = QStringLiteral("Anna");
    s.Names[2] = QStringLiteral("Bo");
    put(s, 1, 1, 3);
    put(s, 1, 6, 18);
    put(s, 1, 13, 0);
    put(s, 2, 2, 6);
    s.CurrentPlayer = 1;
    return s;
}

void fillUp(GameState& s)
{
    for (int p = 1; p <= s.NumPlayers; ++p)
        for (int c = 1; c <= GameState::kCategories; ++c)
            if (s.Points[std::size_t(p)][std::size_t(c)] == GameState::kFree)
                put(s, p, c, c == 15 && p == 2 ? 30 : 0);
}

// The row of a category: the rows follow the boxes' order on the board, not the numbers.
int rowOf(const ui::SheetContent& content, int category)
{
    const auto it = std::find(content.rows.begin(), content.rows.end(), texts::categoryCaption(category).toString());
    return int(it - content.rows.begin());
}

// A whole game, every choice drawn as a computer of the given temperature draws it (0: perfect).
void playGame(GameState& s, rules::DecisionLog& log, const rules::SolverTable& table,
              const std::vector<double>& temperatures, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> face(1, 6);
    std::uniform_real_distribution<double> unit(0, 1);
    const auto draw = [&] { return unit(random); };
    for (int turn = 0; turn < GameState::kCategories; ++turn) {
        for (int p = 1; p <= s.NumPlayers; ++p) {
            const rules::SheetPosition position = rules::sheetPositionOf(s, p);
            const rules::TurnPlan plan(table, position);
            Dice dice;
            for (int& d : dice)
                d = face(random);
            int rollsLeft = 2;
            rules::Move move;
            for (;; --rollsLeft) {
                move = rules::chooseMove(rules::choicesFor(plan, dice, rollsLeft), temperatures[std::size_t(p - 1)],
                                         draw);
                if (move.write || rollsLeft == 0)
                    break;
                log.addHold(p, position, dice, move.kept, rollsLeft);
                for (int i = 0; i < 5; ++i)
                    if (!(move.kept & (1u << i)))
                        dice[std::size_t(i)] = face(random);
            }
            log.addCategory(p, position, dice, move.category, rollsLeft);
            put(s, p, move.category, move.points);
        }
    }
}

} // namespace

Q_DECLARE_METATYPE(Look)
Q_DECLARE_METATYPE(Dice)

class SheetContentTest : public QObject {
    Q_OBJECT
private slots:
    // The marks of the player in turn and of the winner, the values the dice would give (the
    // player in turn's alone, once the dice lie still), given-up rows and the row just written.
    void sheetMarks_data()
    {
        QTest::addColumn<bool>("over");
        QTest::addColumn<bool>("rolled");
        QTest::addColumn<bool>("rolling");
        QTest::addColumn<int>("marked"); // column
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("possible");
        QTest::newRow("before Bo's roll") << false << false << false << 1 << "i tur"
                                          << "Nu kastar: Bo" << false;
        QTest::newRow("Bo's dice lie still") << false << true << false << 1 << "i tur"
                                             << "Nu kastar: Bo" << true;
        QTest::newRow("Bo's dice tumble") << false << true << true << 1 << "i tur"
                                          << "Nu kastar: Bo" << false;
        QTest::newRow("game over: Bo wins") << true << true << false << 1 << "vinnare"
                                            << "Spelet är slut. Vinnare: Bo med 36 poäng." << false;
    }
    void sheetMarks()
    {
        QFETCH(bool, over);
        QFETCH(bool, rolled);
        QFETCH(bool, rolling);
        QFETCH(int, marked);
        QFETCH(QString, mark);
        QFETCH(QString, status);
        QFETCH(bool, possible);
        GameState s = annaAndBo();
        if (over)
            fillUp(s);
        s.HasRolled = rolled;
        s.Rolling = rolling;
        s.DiceValue = {3, 3, 3, 2, 2};
        rules::EvaluateDice(s);
        const ui::SheetContent content = texts::sheetContent(s, {}, false, {1, 13});
        QCOMPARE(content.status, status);
        QCOMPARE(content.columns.size(), std::size_t(2));
        for (int c = 0; c < 2; ++c) {
            QCOMPARE(content.columns[std::size_t(c)].marked, c == marked);
            QCOMPARE(content.columns[std::size_t(c)].description, c == marked ? mark : QString());
        }
        QCOMPARE(content.rows.size(), std::size_t(kRows + 3)); // no review row without the table
        const auto& anna = content.columns[0].cells;
        const auto& bo = content.columns[1].cells;
        QCOMPARE(anna[std::size_t(rowOf(content, 6))].text, QStringLiteral("18"));
        QCOMPARE(anna[std::size_t(rowOf(content, 6))].look, Look::Plain);
        // Kåk given up, and just written.
        const ui::SheetCell& kak = anna[std::size_t(rowOf(content, 13))];
        QCOMPARE(kak.text, QStringLiteral("0"));
        QCOMPARE(kak.look, Look::Marked);
        QCOMPARE(kak.description, QStringLiteral("struken, nyss skriven"));
        QCOMPARE(anna[std::size_t(kRows)].text, QStringLiteral("21/63"));
        QCOMPARE(bo[std::size_t(rowOf(content, 2))].text, QStringLiteral("6"));
        for (int c = 1; c <= 15; ++c) {
            const ui::SheetCell& a = anna[std::size_t(rowOf(content, c))];
            const ui::SheetCell& b = bo[std::size_t(rowOf(content, c))];
            QVERIFY(a.look != Look::Possible);
            if (s.Points[2][std::size_t(c)] != GameState::kFree)
                continue;
            QCOMPARE(b.look == Look::Possible, possible);
            QCOMPARE(b.text, possible ? QString::number(rules::CandidateOf(s, c)) : QString());
            QCOMPARE(b.description, possible ? QStringLiteral("möjligt med tärningarna på bordet") : QString());
        }
        if (possible)
            QCOMPARE(bo[std::size_t(rowOf(content, 13))].text, QStringLiteral("13")); // Kåk 3 3 3 2 2
    }

    // The review says what it can: nothing before a turn is played, a note while the table is
    // being made, then each player's summary, lessons and chart; the sheet's row after the game.
    void reviewBeforeAndAfterTheTable_data()
    {
        QTest::addColumn<bool>("turnPlayed");
        QTest::addColumn<bool>("reviewed");
        QTest::addColumn<bool>("over");
        QTest::addColumn<QString>("review"); // its start
        QTest::addColumn<bool>("chart");
        QTest::newRow("no turn played") << false << true << false << "Spelanalysen visas när en spelare" << false;
        QTest::newRow("table not ready") << true << false << false << "Spelanalysen räknas fram" << false;
        QTest::newRow("table ready") << true << true << false
                                     << "Anna: 0,0 poäng förlorade mot bästa spel, inget val kostade mer än 1 poäng."
                                     << true;
        QTest::newRow("table ready, game over")
            << true << true << true
            << "Anna: 0,0 poäng förlorade mot bästa spel under spelet, inget val kostade mer än 1 poäng." << true;
    }
    void reviewBeforeAndAfterTheTable()
    {
        QFETCH(bool, turnPlayed);
        QFETCH(bool, reviewed);
        QFETCH(bool, over);
        QFETCH(QString, review);
        QFETCH(bool, chart);
        const rules::CategoryMask used = usedAllBut({14, 15});
        static const auto table = rules::SolverTable::solve(used);
        GameState s = annaAndBo();
        if (over)
            fillUp(s);
        rules::DecisionLog log;
        if (turnPlayed) // Anna writes Chans at once on 6 6 5 5 4, as the solver would
            log.addCategory(1, {used, 40, 120}, {6, 6, 5, 5, 4}, 15, 0);
        if (reviewed)
            log.judgeNew(*table);
        const ui::SheetContent content = texts::sheetContent(s, log, reviewed);
        QVERIFY2(content.review.startsWith(review), qPrintable(content.review));
        QCOMPARE(content.reviewHeading, QStringLiteral("Spelanalys"));
        QCOMPARE(content.reviewSections.size(), std::size_t(chart ? 2 : 0));
        if (chart)
            QCOMPARE(content.reviewSections[1].summary, QStringLiteral("Bo: ingen tur spelad ännu."));
        const bool row = over && reviewed;
        QCOMPARE(content.rows.back() == QStringLiteral("Spelanalys"), row);
        if (row)
            QCOMPARE(content.columns[0].cells.back().text, QStringLiteral("0,0"));
        QCOMPARE(content.chart.series.empty(), !chart);
        QCOMPARE(content.chart.note.startsWith(u"Spelanalysen räknas fram"), !reviewed);
        if (chart) {
            QCOMPARE(content.chart.series[0].points.size(), std::size_t(2));
            QVERIFY(content.chart.series[1].points.empty());
            QVERIFY(content.chart.description.startsWith(u"Anna: "));
        }
    }

    // A choice told in one line: what was done, its expected final score, the best, and the loss.
    void decisionLine_data()
    {
        QTest::addColumn<bool>("hold");
        QTest::addColumn<int>("choice"); // kept dice, or the category
        QTest::addColumn<int>("rollsLeft");
        QTest::addColumn<bool>("bestIsHold");
        QTest::addColumn<int>("best"); // kept dice, or the category
        QTest::addColumn<int>("bestPoints");
        QTest::addColumn<QString>("computer");
        QTest::addColumn<QString>("line");
        QTest::newRow("a hold, a better hold")
            << true << 0b00011 << 2 << true << 0b10011 << 0 << ""
            << "Tur 4, efter kast 1: du höll 6 6 och kastade om tre, väntat slutresultat 231,4; bäst var att hålla 6 6 "
               "5 och kasta om två, 235,6 (−4,2 poäng)";
        QTest::newRow("all rolled again, by a computer")
            << true << 0 << 1 << true << 0b00111 << 0 << "Datorn 2"
            << "Tur 4, efter kast 2: Datorn 2 kastade om alla fem, väntat slutresultat 231,4; bäst var att hålla 6 6 "
               "3 och kasta om två, 235,6 (−4,2 poäng)";
        QTest::newRow("all five held and rolled")
            << true << 0b11111 << 1 << true << 0 << 0 << ""
            << "Tur 4, efter kast 2: du höll alla fem och kastade ändå, väntat slutresultat 231,4; bäst var att "
               "kasta om alla fem, 235,6 (−4,2 poäng)";
        QTest::newRow("a write, a better write")
            << false << 15 << 0 << false << 6 << 12 << ""
            << "Tur 4, efter kast 3: du skrev Chans (21 poäng), väntat slutresultat 231,4; bäst var att skriva "
               "Sexor (12 poäng), 235,6 (−4,2 poäng)";
        QTest::newRow("given up, better given up elsewhere")
            << false << 12 << 0 << false << 14 << 0 << "Datorn 1"
            << "Tur 4, efter kast 3: Datorn 1 strök Storan, väntat slutresultat 231,4; bäst var att stryka Kolvo, "
               "235,6 (−4,2 poäng)";
    }
    void decisionLine()
    {
        QFETCH(bool, hold);
        QFETCH(int, choice);
        QFETCH(int, rollsLeft);
        QFETCH(bool, bestIsHold);
        QFETCH(int, best);
        QFETCH(int, bestPoints);
        QFETCH(QString, computer);
        QFETCH(QString, line);
        rules::DecisionLog log;
        const rules::SheetPosition threeUsed{0b111, 6, 6};
        const Dice dice{6, 6, 3, 1, 5};
        if (hold)
            log.addHold(1, threeUsed, dice, std::uint8_t(choice), rollsLeft);
        else
            log.addCategory(1, threeUsed, dice, choice, rollsLeft);
        rules::Verdict v;
        v.judged = true;
        v.chosenFinal = 231.4;
        v.bestFinal = 235.6;
        v.lost = 4.2;
        v.bestIsHold = bestIsHold;
        v.bestKept = std::uint8_t(bestIsHold ? best : 0);
        v.bestKeptCount = std::popcount(unsigned(v.bestKept));
        v.bestCategory = bestIsHold ? 0 : best;
        v.bestPoints = bestPoints;
        v.chosenPoints = choice == 15 ? 21 : 0;
        QCOMPARE(texts::decisionLine(log.decisions().front(), v, computer), line);
        QVERIFY(texts::reasonLine(log.decisions().front(), v, computer).isEmpty()); // no reason given
    }

    // Why a choice cost what it did, worded from the solver's parts, to a person or of a
    // computer by name.
    void reasonLine_data()
    {
        QTest::addColumn<QList<int>>("free");
        QTest::addColumn<int>("upper");
        QTest::addColumn<Dice>("dice");
        QTest::addColumn<int>("rollsLeft");
        QTest::addColumn<bool>("hold");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("computer");
        QTest::addColumn<QString>("reason"); // a pattern
        QTest::newRow("bonus at stake")
            << QList<int>{2, 5, 10, 15} << 38 << Dice{5, 5, 5, 5, 2} << 0 << false << 10 << ""
            << "Femmor hade fört dig till 58 av 63 mot bonusen; Fyrtal kan fyllas senare\\.";
        QTest::newRow("bonus at stake, a computer")
            << QList<int>{2, 5, 10, 15} << 38 << Dice{5, 5, 5, 5, 2} << 0 << false << 10 << "Datorn 1"
            << "Femmor hade fört Datorn 1 till 58 av 63 mot bonusen; Fyrtal kan fyllas senare\\.";
        QTest::newRow("bonus earned") << QList<int>{5, 10, 15} << 45 << Dice{5, 5, 5, 5, 2} << 0 << false << 10 << ""
                                      << "Femmor hade gett dig bonusen på 50 poäng; Fyrtal kan fyllas senare\\.";
        QTest::newRow("Chans used early")
            << QList<int>{7, 13, 14, 15} << 70 << Dice{6, 6, 5, 3, 2} << 0 << false << 15 << ""
            << "Chans var värd mer sparad till ett sämre kast: med Chans öppen väntades resten av spelet ge \\d+,\\d "
               "poäng mer\\.";
        QTest::newRow("Storan given up")
            << QList<int>{12, 14, 15} << 70 << Dice{1, 1, 3, 4, 6} << 0 << false << 12 << ""
            << "Att stryka Storan gav upp en kategori som ännu kunde slås: med Storan öppen väntades resten av spelet "
               "ge \\d+,\\d poäng mer\\.";
        QTest::newRow("Storan in Chans") << QList<int>{9, 12, 15} << 70 << Dice{2, 3, 4, 5, 6} << 0 << false << 15 << ""
                                         << "Storan gav 20 poäng på en gång; Chans kan fyllas senare\\.";
        QTest::newRow("four sixes rolled again")
            << QList<int>{11, 14} << 70 << Dice{6, 6, 6, 6, 2} << 1 << true << 0 << ""
            << "Att hålla 6 6 6 6 och kasta om en gav 17 % chans till Kolvo, mot 0 % när du kastade om alla fem\\.";
        QTest::newRow("Storan rolled away")
            << QList<int>{12, 15} << 70 << Dice{2, 3, 4, 5, 6} << 1 << true << 0b01111 << "Datorn 3"
            << "Att skriva Storan nu gav 20 poäng säkert; med det Datorn 3 höll var chansen till Storan bara 17 %\\.";
    }
    void reasonLine()
    {
        QFETCH(QList<int>, free);
        QFETCH(int, upper);
        QFETCH(Dice, dice);
        QFETCH(int, rollsLeft);
        QFETCH(bool, hold);
        QFETCH(int, choice);
        QFETCH(QString, computer);
        QFETCH(QString, reason);
        const rules::CategoryMask used = usedAllBut(free);
        const auto table = rules::SolverTable::solve(used);
        rules::DecisionLog log;
        if (hold)
            log.addHold(1, {used, upper, 150}, dice, std::uint8_t(choice), rollsLeft);
        else
            log.addCategory(1, {used, upper, 150}, dice, choice, rollsLeft);
        log.judgeNew(*table);
        const QString said = texts::reasonLine(log.decisions().front(), log.verdicts().front(), computer);
        const QString pattern = QString(reason).replace(QStringLiteral(" %"), QStringLiteral("\u00a0%"));
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(said).hasMatch(),
                 qPrintable(said));
    }

    // A whole game of a weak player and a middling one: the chart's points are the review's
    // expected finals, from perfect play's score to each player's final total; the review leads
    // with the costliest choices; a screen reader hears them one at a time.
    void wholeGameReview()
    {
        static const rules::SolverTable table = *rules::SolverTable::solve();
        GameState s;
        rules::startGame(s, 2);
        s.Names[1] = QStringLiteral("Anna");
        s.Names[2] = QStringLiteral("Datorn 1");
        rules::DecisionLog log;
        playGame(s, log, table,
                 {rules::temperatureOf(rules::Strength::Beginner), rules::temperatureOf(rules::Strength::Medium)}, 5);
        log.judgeNew(table);
        texts::Seats computers;
        computers[2] = true;
        const ui::SheetContent content = texts::sheetContent(s, log, true, {2, 15}, computers);
        const ui::ChartContent& chart = content.chart;

        QCOMPARE(chart.reference, table.expectedScore());
        QCOMPARE(chart.referenceLabel, QStringLiteral("Perfekt spel 248,4"));
        QCOMPARE(chart.series.size(), std::size_t(2));
        std::size_t marks = 0;
        for (int p = 1; p <= 2; ++p) {
            const rules::PlayerReview r = rules::reviewOf(p, log.decisions(), log.verdicts());
            const ui::ChartSeries& series = chart.series[std::size_t(p - 1)];
            QCOMPARE(series.name, s.Names[std::size_t(p)]);
            QCOMPARE(series.points.size(), std::size_t(16));
            QCOMPARE(series.points.front(), QPointF(0, table.expectedScore()));
            QCOMPARE(series.points.back(), QPointF(15, s.Points[std::size_t(p)][GameState::kTotalRow]));
            for (std::size_t t = 0; t < series.points.size(); ++t) {
                QCOMPARE(series.points[t].x(), double(r.course[t].turnsDone));
                QCOMPARE(series.points[t].y(), r.course[t].expectedFinal);
            }
            // Each point is the sheet after that turn's write, valued by the table.
            for (const rules::Decision& d : log.decisions()) {
                if (d.player != p || d.kind != rules::Decision::Kind::Category)
                    continue;
                GameState dice;
                for (int i = 0; i < 5; ++i)
                    dice.DiceValue[std::size_t(i)] = std::int16_t(d.dice[std::size_t(i)]);
                rules::EvaluateDice(dice);
                rules::SheetPosition after = d.position;
                after.write(d.category, rules::CandidateOf(dice, d.category));
                const double expected = after.points + table.expectedRemaining(after.used, after.upperSum);
                QVERIFY(std::abs(series.points[std::size_t(d.turn())].y() - expected) < 1e-9);
            }
            // The costliest three, each costing more than a point, lead the player's review.
            QVERIFY(r.costly > 3);
            const ui::ReviewSection& section = content.reviewSections[std::size_t(p - 1)];
            QCOMPARE(section.first.size(), std::size_t(3));
            QCOMPARE(section.rest.size(), std::size_t(r.costly - 3));
            for (std::size_t k = 0; k < 3; ++k) {
                const std::size_t i = r.lessons[k];
                QCOMPARE(section.first[k].line,
                         texts::decisionLine(log.decisions()[i], log.verdicts()[i], p == 2 ? s.Names[2] : QString()));
                QVERIFY(!section.first[k].reason.isEmpty());
                for (std::size_t j : r.rest)
                    QVERIFY(log.verdicts()[j].lost <= log.verdicts()[i].lost);
            }
            // A ring for each turn with a costly choice, on the player's line.
            std::set<int> costlyTurns;
            for (std::size_t i : r.costlyOnes)
                costlyTurns.insert(log.decisions()[i].turn());
            for (const ui::ChartMark& mark : chart.marks) {
                if (mark.series != std::size_t(p - 1))
                    continue;
                ++marks;
                QVERIFY(costlyTurns.count(int(mark.at.x())));
                QVERIFY(std::find(series.points.begin(), series.points.end(), mark.at) != series.points.end());
            }
            QVERIFY(chart.description.contains(s.Names[std::size_t(p)] + QStringLiteral(": 248,4 före första turen")));

            const QStringList spoken = texts::spokenLessons(s, log, true, computers, p);
            QCOMPARE(spoken.size(), 4);
            QVERIFY(spoken[0].startsWith(s.Names[std::size_t(p)] + QStringLiteral(": ")));
            QVERIFY(spoken[1].startsWith(s.Names[std::size_t(p)] + QStringLiteral(", lärdom 1 av 3: Tur ")));
        }
        QVERIFY(marks > 0);
        QCOMPARE(texts::spokenLessons(s, log, true, computers, 0).size(), 8);
        QCOMPARE(texts::spokenLessons(s, log, false, computers, 0), QStringList{texts::kReviewWorking.toString()});
    }
};

QTEST_MAIN(SheetContentTest)
#include "sheet_content_test.moc"
