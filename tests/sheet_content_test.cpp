// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <algorithm>
#include <random>

#include "arena/ArenaDesign.h"
#include "arena/SheetTexts.h"
#include "rules/DecisionLog.h"
#include "rules/Evaluation.h"
#include "rules/GameFlow.h"
#include "rules/Solver.h"
#include "rules/Strategy.h"
#include "ui/ScoreSheet.h"

// What the score sheet's window is given to show: the sheets and their marks, the review in
// words and as a chart. No window: the content is a pure function of the game and its log.
namespace {

using Dice = rules::Dice;
using Kind = rules::Reason::Kind;
using Look = ui::SheetCell::Look;

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
    auto& sheet = s.Points[std::size_t(player)];
    sheet[GameState::kBonusRow] = std::int16_t(sheet[GameState::kBonusRow] + position.write(category, points));
    sheet[std::size_t(category)] = std::int16_t(points);
    sheet[GameState::kTotalRow] = std::int16_t(position.points);
}

// Anna: Ettor 3, Sexor 18, Kåk given up; Bo: Tvåor 6, in turn. Over: Bo ends with 36 to 21.
GameState annaAndBo(bool over)
{
    GameState s;
    rules::startGame(s, 2);
    s.Names[1] = QStringLiteral("Anna");
    s.Names[2] = QStringLiteral("Bo");
    for (const auto& [p, c, points] : {std::tuple{1, 1, 3}, {1, 6, 18}, {1, 13, 0}, {2, 2, 6}})
        put(s, p, c, points);
    for (int p = 1; over && p <= 2; ++p)
        for (int c = 1; c <= 15; ++c)
            if (s.Points[std::size_t(p)][std::size_t(c)] == GameState::kFree)
                put(s, p, c, c == 15 && p == 2 ? 30 : 0);
    s.CurrentPlayer = 1;
    return s;
}

// A whole game, each choice drawn as a computer of that temperature draws it.
void playGame(GameState& s, rules::DecisionLog& log, const rules::SolverTable& table, std::array<double, 2> heat)
{
    std::mt19937 random(5);
    std::uniform_real_distribution<double> unit(0, 1);
    const auto draw = [&] { return unit(random); };
    for (int turn = 0; turn < 15; ++turn) {
        for (int p = 1; p <= 2; ++p) {
            const rules::SheetPosition position = rules::sheetPositionOf(s, p);
            const rules::TurnPlan plan(table, position);
            Dice dice;
            std::generate(dice.begin(), dice.end(), [&] { return 1 + int(6 * draw()); });
            int left = 2;
            rules::Move move = rules::chooseMove(rules::choicesFor(plan, dice, left), heat[p - 1], draw);
            for (; !move.write && left > 0;
                 move = rules::chooseMove(rules::choicesFor(plan, dice, --left), heat[p - 1], draw)) {
                log.addHold(p, position, dice, move.kept, left);
                for (int i = 0; i < 5; ++i)
                    dice[std::size_t(i)] = move.kept & (1u << i) ? dice[std::size_t(i)] : 1 + int(6 * draw());
            }
            log.addCategory(p, position, dice, move.category, left);
            put(s, p, move.category, move.points);
        }
    }
}

} // namespace

Q_DECLARE_METATYPE(Dice)
Q_DECLARE_METATYPE(Kind)

class SheetContentTest : public QObject {
    Q_OBJECT
private slots:
    // The marks of the player in turn and of the winner; what the dice would give, for the
    // player in turn alone once the dice lie still; given-up rows and the row just written.
    void sheetMarks_data()
    {
        QTest::addColumn<bool>("over");
        QTest::addColumn<bool>("rolled");
        QTest::addColumn<bool>("rolling");
        QTest::addColumn<QString>("mark"); // of Bo's column
        QTest::addColumn<QString>("status");
        QTest::newRow("before Bo's roll") << false << false << false << "i tur"
                                          << "Nu kastar: Bo";
        QTest::newRow("Bo's dice lie still") << false << true << false << "i tur"
                                             << "Nu kastar: Bo";
        QTest::newRow("Bo's dice tumble") << false << true << true << "i tur"
                                          << "Nu kastar: Bo";
        QTest::newRow("Bo has won") << true << true << false << "vinnare"
                                    << "Spelet är slut. Vinnare: Bo med 36 poäng.";
    }
    void sheetMarks()
    {
        QFETCH(bool, over);
        QFETCH(bool, rolled);
        QFETCH(bool, rolling);
        QFETCH(QString, mark);
        QFETCH(QString, status);
        GameState s = annaAndBo(over);
        s.HasRolled = rolled;
        s.Rolling = rolling;
        s.DiceValue = {3, 3, 3, 2, 2};
        rules::EvaluateDice(s);
        const ui::SheetContent content = texts::sheetContent(s, {}, false, {1, 13});
        QCOMPARE(content.status, status);
        QCOMPARE(content.rows.size(), std::size_t(18)); // no review row without the table
        const ui::SheetColumn& anna = content.columns.at(0);
        const ui::SheetColumn& bo = content.columns.at(1);
        QVERIFY(!anna.marked && anna.description.isEmpty());
        QVERIFY(bo.marked);
        QCOMPARE(bo.description, mark);
        const bool possible = rolled && !rolling && !over;
        for (std::size_t row = 0; row < 15; ++row) {
            const int c = arena::kCategoryRows[row].index;
            QVERIFY(anna.cells[row].look != Look::Possible);
            if (c == 13) // given up, and just written
                QCOMPARE(std::tuple(anna.cells[row].text, anna.cells[row].look, anna.cells[row].description),
                         std::tuple(QStringLiteral("0"), Look::Marked, QStringLiteral("struken, nyss skriven")));
            if (s.Points[2][std::size_t(c)] == GameState::kFree)
                QCOMPARE(std::tuple(bo.cells[row].text, bo.cells[row].look == Look::Possible),
                         std::tuple(possible ? QString::number(rules::CandidateOf(s, c)) : QString(), possible));
        }
        QCOMPARE(anna.cells[15].text, QStringLiteral("21/63"));
    }

    // Nothing to review before a turn is played, a note while the table is made, then each
    // player's summary and line; the sheet's row only after the game.
    void reviewBeforeAndAfterTheTable_data()
    {
        QTest::addColumn<bool>("played");
        QTest::addColumn<bool>("reviewed");
        QTest::addColumn<bool>("over");
        QTest::addColumn<QString>("review"); // its start
        QTest::newRow("no turn played") << false << true << false << "Spelanalysen visas när en spelare";
        QTest::newRow("table not ready") << true << false << false << "Spelanalysen räknas fram";
        QTest::newRow("table ready") << true << true << false << "Anna: 0,0 poäng förlorade mot bästa spel, inget";
        QTest::newRow("game over") << true << true << true << "Anna: 0,0 poäng förlorade mot bästa spel under spelet";
    }
    void reviewBeforeAndAfterTheTable()
    {
        QFETCH(bool, played);
        QFETCH(bool, reviewed);
        QFETCH(bool, over);
        QFETCH(QString, review);
        const rules::CategoryMask used = usedAllBut({14, 15});
        static const auto table = rules::SolverTable::solve(used);
        rules::DecisionLog log;
        if (played) // Chans on 6 6 5 5 4, as the solver would
            log.addCategory(1, {used, 40, 120}, {6, 6, 5, 5, 4}, 15, 0);
        if (reviewed)
            log.judgeNew(*table);
        const ui::SheetContent content = texts::sheetContent(annaAndBo(over), log, reviewed);
        QVERIFY2(content.review.startsWith(review), qPrintable(content.review));
        const bool shown = played && reviewed;
        QCOMPARE(content.reviewSections.size(), std::size_t(shown ? 2 : 0));
        QCOMPARE(content.review.endsWith(u"Bo: ingen tur spelad ännu."), shown);
        QCOMPARE(content.rows.back() == u"Spelanalys", over && reviewed);
        QCOMPARE(content.chart.series.empty(), !shown);
        QCOMPARE(content.chart.note.startsWith(u"Spelanalysen räknas fram"), !reviewed);
        QVERIFY(!shown || content.chart.description.startsWith(u"Anna: ")); // no reference from this table
    }

    void decisionLine_data()
    {
        QTest::addColumn<int>("choice"); // kept dice, or minus the category written
        QTest::addColumn<int>("best");
        QTest::addColumn<QString>("computer");
        QTest::addColumn<QString>("line");
        QTest::newRow("a hold") << 0b00011 << 0b10011 << ""
                                << "Tur 4, efter kast 2: du höll 6 6 och kastade om tre, väntat slutresultat 231,4; "
                                   "bäst var att hålla 6 6 5 och kasta om två, 235,6 (−4,2 poäng)";
        QTest::newRow("all rolled, by a computer")
            << 0 << 0b00111 << "Datorn 2"
            << "Tur 4, efter kast 2: Datorn 2 kastade om alla fem, väntat slutresultat 231,4; bäst var att hålla 6 6 "
               "3 och kasta om två, 235,6 (−4,2 poäng)";
        QTest::newRow("given up") << -12 << -14 << "Datorn 1"
                                  << "Tur 4, efter kast 2: Datorn 1 strök Storan, väntat slutresultat 231,4; bäst var "
                                     "att stryka Kolvo, 235,6 (−4,2 poäng)";
    }
    void decisionLine()
    {
        QFETCH(int, choice);
        QFETCH(int, best);
        QFETCH(QString, computer);
        QFETCH(QString, line);
        rules::DecisionLog log;
        const Dice dice{6, 6, 3, 1, 5};
        if (choice >= 0)
            log.addHold(1, {0b111, 6, 6}, dice, std::uint8_t(choice), 1);
        else
            log.addCategory(1, {0b111, 6, 6}, dice, -choice, 1);
        rules::Verdict v;
        v.judged = true;
        std::tie(v.chosenFinal, v.bestFinal, v.lost) = std::tuple(231.4, 235.6, 4.2);
        v.bestIsHold = best >= 0;
        v.bestKept = std::uint8_t(v.bestIsHold ? best : 0);
        v.bestKeptCount = std::popcount(unsigned(v.bestKept));
        v.bestCategory = v.bestIsHold ? 0 : -best;
        QCOMPARE(texts::decisionLine(log.decisions().front(), v, computer), line);
    }

    // Why a costly choice cost what it did, on positions whose reason is plain: the solver's
    // parts, and the sentence worded from them, to a person or of a computer by name.
    void reasonOfCostlyChoice_data()
    {
        QTest::addColumn<QList<int>>("free");
        QTest::addColumn<int>("upper");
        QTest::addColumn<Dice>("dice");
        QTest::addColumn<int>("choice"); // kept dice, one roll left; or minus the category, none left
        QTest::addColumn<QString>("computer");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("best");       // category, or kept dice
        QTest::addColumn<QString>("reason"); // a pattern
        // Ettor 3, Treor 9, Fyror 8, Sexor 18: 38, and Femmor's 20 bring 58.
        QTest::newRow("bonus at stake")
            << QList<int>{2, 5, 10, 15} << 38 << Dice{5, 5, 5, 5, 2} << -10 << "" << Kind::BonusAtStake << 5
            << "Femmor hade fört dig till 58 av 63 mot bonusen; Fyrtal kan fyllas senare\\.";
        QTest::newRow("bonus earned, a computer")
            << QList<int>{5, 10, 15} << 45 << Dice{5, 5, 5, 5, 2} << -10 << "Datorn 1" << Kind::BonusAtStake << 5
            << "Femmor hade gett Datorn 1 bonusen på 50 poäng; Fyrtal kan fyllas senare\\.";
        QTest::newRow("Chans used early")
            << QList<int>{7, 13, 14, 15} << 70 << Dice{6, 6, 5, 3, 2} << -15 << "" << Kind::DumpUsedEarly << 7
            << "Chans var värd mer sparad till ett sämre kast: med Chans öppen väntades "
               "resten av spelet ge \\d+,\\d poäng mer\\.";
        QTest::newRow("Storan given up")
            << QList<int>{12, 14, 15} << 70 << Dice{1, 1, 3, 4, 6} << -12 << "" << Kind::StraightGivenUp << 14
            << "Att stryka Storan gav upp en kategori som ännu kunde slås: med Storan öppen väntades resten av spelet "
               "ge \\d+,\\d poäng mer\\.";
        QTest::newRow("Storan in Chans") << QList<int>{9, 12, 15} << 70 << Dice{2, 3, 4, 5, 6} << -15 << ""
                                         << Kind::StraightAtHand << 12
                                         << "Storan gav 20 poäng på en gång; Chans kan fyllas senare\\.";
        QTest::newRow("four sixes rolled again")
            << QList<int>{11, 14} << 70 << Dice{6, 6, 6, 6, 2} << 0 << "" << Kind::Play << 0b01111
            << "Att hålla 6 6 6 6 och kasta om en gav 17 % chans till Kolvo, mot 0 % när du kastade om alla fem\\.";
        QTest::newRow("four sixes rolled again, Sexor free")
            << QList<int>{6, 14, 15} << 40 << Dice{6, 6, 6, 6, 2} << 0 << "" << Kind::Play << 0b01111
            << "Att hålla 6 6 6 6 och kasta om en gav \\d+ % chans till Sexor, mot \\d+ % när du kastade om alla "
               "fem\\.";
        QTest::newRow("Storan rolled away")
            << QList<int>{12, 15} << 70 << Dice{2, 3, 4, 5, 6} << 0b01111 << "Datorn 3" << Kind::Play << 0b11111
            << "Att skriva Storan nu gav 20 poäng säkert; med det Datorn 3 höll var chansen till Storan bara 17 %\\.";
    }
    void reasonOfCostlyChoice()
    {
        QFETCH(QList<int>, free);
        QFETCH(int, upper);
        QFETCH(Dice, dice);
        QFETCH(int, choice);
        QFETCH(QString, computer);
        QFETCH(Kind, kind);
        QFETCH(int, best);
        QFETCH(QString, reason);
        const rules::CategoryMask used = usedAllBut(free);
        const auto table = rules::SolverTable::solve(used);
        const rules::SheetPosition position{used, upper, 150};
        rules::DecisionLog log;
        if (choice >= 0)
            log.addHold(1, position, dice, std::uint8_t(choice), 1);
        else
            log.addCategory(1, position, dice, -choice, 0);
        log.judgeNew(*table);
        const rules::Verdict& v = log.verdicts().front();
        const rules::Reason& r = v.reason;
        QVERIFY(v.lost > rules::kCostlyLoss);
        QCOMPARE(r.kind, kind);
        if (kind == Kind::Play) {
            QCOMPARE(r.bestPlay.rolls ? r.bestPlay.kept : 0b11111, best);
            QCOMPARE(r.chosenPlay.chance, rules::TurnPlan(*table, position).endChances(dice, std::uint8_t(choice), 1));
        } else {
            QCOMPARE(std::pair(r.chosen.category, r.best.category), std::pair(-choice, best));
            // Now and later add up to the solver's expected final score of each write.
            for (const auto& [e, final] : {std::pair{r.chosen, v.chosenFinal}, std::pair{r.best, v.bestFinal}}) {
                QCOMPARE(e.upperSum, upper + (e.category <= 6 ? e.points : 0));
                QCOMPARE(e.later, table->expectedRemaining(used | (1u << (e.category - 1)), e.upperSum));
                QVERIFY(std::abs(150 + e.points + e.bonus + e.later - final) < 1e-9);
            }
            QVERIFY(r.best.bonusReachable);
        }
        const QString said = texts::reasonLine(log.decisions().front(), v, computer);
        const QString pattern = QString(reason).replace(QStringLiteral(" %"), QStringLiteral("\u00a0%"));
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(said).hasMatch(),
                 qPrintable(said));
    }

    // A whole game of a beginner and a middling computer: the chart's points are the review's
    // expected finals, from perfect play's score to each final total, and the costly choices
    // are ringed on them; the costliest three lead; a screen reader hears them one at a time.
    void wholeGameReview()
    {
        static const rules::SolverTable table = *rules::SolverTable::solve();
        GameState s;
        rules::startGame(s, 2);
        s.Names[1] = QStringLiteral("Anna");
        s.Names[2] = QStringLiteral("Datorn 1");
        rules::DecisionLog log;
        playGame(s, log, table, {rules::temperatureOf(rules::Strength::Beginner), 1.0});
        log.judgeNew(table);
        const texts::Seats computers(0b100);
        const ui::SheetContent content = texts::sheetContent(s, log, true, {2, 15}, computers);
        const ui::ChartContent& chart = content.chart;
        QCOMPARE(chart.reference, table.expectedScore());
        QCOMPARE(chart.referenceLabel, QStringLiteral("Perfekt spel 248,4"));
        for (int p = 1; p <= 2; ++p) {
            const auto& points = chart.series.at(std::size_t(p - 1)).points;
            QCOMPARE(points.size(), std::size_t(16));
            QCOMPARE(points.front(), QPointF(0, table.expectedScore()));
            QCOMPARE(points.back(), QPointF(15, s.Points[std::size_t(p)][GameState::kTotalRow]));
            for (std::size_t i = 0; i < log.size(); ++i) {
                const rules::Decision& d = log.decisions()[i];
                const std::size_t after = std::size_t(d.turn());
                if (d.player != p)
                    continue;
                if (d.kind == rules::Decision::Kind::Category) // the point after a turn: its write's verdict
                    QCOMPARE(points[after].y(), log.verdicts()[i].chosenFinal);
                if (log.verdicts()[i].lost > rules::kCostlyLoss)
                    QVERIFY(std::any_of(chart.marks.begin(), chart.marks.end(), [&](const ui::ChartMark& m) {
                        return m.series == std::size_t(p - 1) && m.at == points[after];
                    }));
            }
            const rules::PlayerReview r = rules::reviewOf(p, log.decisions(), log.verdicts());
            QVERIFY(r.costly > 3);
            const ui::ReviewSection& section = content.reviewSections.at(std::size_t(p - 1));
            QCOMPARE(std::pair(section.first.size(), section.rest.size()), std::pair(std::size_t(3), r.rest.size()));
            QCOMPARE(section.first[0].line,
                     texts::decisionLine(log.decisions()[r.lessons[0]], log.verdicts()[r.lessons[0]],
                                         p == 2 ? QStringView(u"Datorn 1") : QStringView()));
            QVERIFY(!section.first[0].reason.isEmpty());
            QVERIFY(chart.description.contains(s.Names[std::size_t(p)] + QStringLiteral(": 248,4 före första turen")));
            const QStringList spoken = texts::spokenLessons(s, log, true, computers, p);
            QCOMPARE(spoken.size(), 4);
            QVERIFY(spoken[3].startsWith(s.Names[std::size_t(p)] + QStringLiteral(", lärdom 3 av 3: Tur ")));
        }
        QCOMPARE(texts::spokenLessons(s, log, false, computers, 0), QStringList{texts::kReviewWorking.toString()});
    }
};

QTEST_MAIN(SheetContentTest)
#include "sheet_content_test.moc"
