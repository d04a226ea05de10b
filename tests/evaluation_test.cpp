// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <future>
#include <limits>
#include <map>
#include <numeric>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "rules/DecisionLog.h"
#include "rules/Evaluation.h"
#include "rules/GameFlow.h"
#include "rules/ScoreSheet.h"
#include "rules/Solver.h"
#include "rules/SolverCache.h"

namespace {

using Dice = std::array<int, 5>;

GameState evaluated(const Dice& dice)
{
    GameState s;
    for (int i = 0; i < 5; ++i)
        s.DiceValue[i] = static_cast<std::int16_t>(dice[i]);
    EvaluateDice(s);
    return s;
}

// Plays a short script on a game's state through the turn flow, as the window's handlers
// call it, and tells what came of it. Steps, split by ';':
//   new N          a game of N players
//   press          a press of the roll button; the dice tumble
//   settle a..e    the tumble ends with these faces on the free dice
//   roll a..e      press, then settle
//   hold i         a click on die i (0..4)
//   write c        a click on category c: "wP+B" (points, bonus) and the turn passes, or "refused"
//   fill           setup: every category but Chans of every player given up
//   keep / back    a copy of the state is kept / put back (a new game cancelled at a name prompt)
// The outcome: what each write said, then "turn P, rolls R, may roll, running, over, winner W,
// totals a/b/...".
QString playScript(const QString& script)
{
    GameState state;
    GameState kept;
    QStringList said;
    for (const QString& step : script.split(u';', Qt::SkipEmptyParts)) {
        const QStringList w = step.split(u' ', Qt::SkipEmptyParts);
        std::array<int, 5> faces{};
        for (int i = 1; i < w.size() && i <= 5; ++i)
            faces[std::size_t(i - 1)] = w[i].toInt();
        const QString& verb = w.front();
        if (verb == u"new") {
            rules::startGame(state, w[1].toInt());
        } else if (verb == u"press" || verb == u"roll") {
            rules::beginRoll(state);
        } else if (verb == u"hold") {
            rules::toggleHold(state, w[1].toInt());
        } else if (verb == u"write") {
            if (!rules::mayWrite(state, w[1].toInt())) {
                said << QStringLiteral("refused");
                continue;
            }
            const rules::Written written = rules::write(state, w[1].toInt());
            said << QStringLiteral("w%1+%2").arg(written.points).arg(written.bonus);
            rules::passTurn(state);
        } else if (verb == u"fill") {
            for (int p = 1; p <= state.NumPlayers; ++p)
                for (int c = 1; c < 15; ++c)
                    state.Points[p][c] = 0;
        } else if (verb == u"keep") {
            kept = state;
        } else if (verb == u"back") {
            state = kept;
        }
        if (verb == u"settle" || verb == u"roll") {
            rules::tumble(state, faces);
            rules::settleRoll(state);
        }
    }
    QStringList totals;
    for (int p = 1; p <= state.NumPlayers; ++p)
        totals << QString::number(state.Points[p][GameState::kTotalRow]);
    const auto yes = [](bool b, const char* what) { return b ? QString::fromLatin1(what) : QStringLiteral("-"); };
    said << QStringLiteral("turn %1, rolls %2, %3, %4, %5, winner %6, totals %7")
                .arg(state.CurrentPlayer + 1)
                .arg(rules::rollsMade(state))
                .arg(yes(rules::mayRoll(state), "may roll"), yes(rules::gameRunning(state), "running"),
                     yes(rules::gameOver(state), "over"))
                .arg(rules::gameOver(state) ? rules::winner(state) : 0)
                .arg(totals.join(u'/'));
    return said.join(QStringLiteral("; "));
}

template <typename F> void forAllDice(F&& f)
{
    Dice d{};
    for (d[0] = 1; d[0] <= 6; ++d[0])
        for (d[1] = 1; d[1] <= 6; ++d[1])
            for (d[2] = 1; d[2] <= 6; ++d[2])
                for (d[3] = 1; d[3] <= 6; ++d[3])
                    for (d[4] = 1; d[4] <= 6; ++d[4])
                        f(d);
}

int throwIndex(const Dice& d)
{
    int t = 0;
    for (int i = 4; i >= 0; --i)
        t = t * 6 + d[i] - 1;
    return t;
}

Dice throwOf(int t)
{
    Dice d{};
    for (int i = 0; i < 5; ++i, t /= 6)
        d[i] = t % 6 + 1;
    return d;
}

rules::CategoryMask usedAllBut(const QList<int>& free)
{
    rules::CategoryMask used = rules::kAllCategories;
    for (int c : free)
        used &= rules::CategoryMask(~(1u << (c - 1)));
    return used;
}

// The solitaire game played out over ordered throws and all 32 hold patterns, with upper sums
// never capped; it shares nothing with the solver but EvaluateDice.
class BruteForce {
public:
    BruteForce()
    {
        forAllDice([&](const Dice& d) {
            const GameState s = evaluated(d);
            for (int c = 1; c <= 15; ++c)
                score[throwIndex(d)][c] = CandidateOf(s, c);
        });
    }

    double remaining(rules::CategoryMask used, int upper)
    {
        if (used == rules::kAllCategories)
            return 0;
        const auto key = std::make_pair(used, upper);
        if (auto it = memo.find(key); it != memo.end())
            return it->second;
        const auto first = bestHolds(holdValues(bestHolds(holdValues(lastRoll(used, upper)))));
        double sum = 0;
        for (double v : first)
            sum += v;
        return memo[key] = sum / 7776;
    }

    // Per throw: the best category's points, bonus and what is left after it.
    std::vector<double> lastRoll(rules::CategoryMask used, int upper)
    {
        std::vector<double> value(7776, -1);
        for (int c = 1; c <= 15; ++c) {
            if (used & (1u << (c - 1)))
                continue;
            std::map<int, double> after; // by points
            for (int t = 0; t < 7776; ++t) {
                const int points = score[t][c];
                if (!after.count(points)) {
                    const int newUpper = c <= 6 ? upper + points : upper;
                    const int bonus = upper < 63 && newUpper >= 63 ? 50 : 0;
                    after[points] = points + bonus + remaining(used | (1u << (c - 1)), newUpper);
                }
                value[t] = std::max(value[t], after[points]);
            }
        }
        return value;
    }

    // Per pattern key (digits 1..6 kept, 0 rolled again): the average over every way the
    // rolled dice can fall of the throw's value.
    static std::vector<double> holdValues(const std::vector<double>& later)
    {
        std::vector<double> held(16807);
        for (int key = 0; key < 16807; ++key) {
            std::array<int, 5> digit{};
            int rolled = 0;
            for (int i = 0, k = key; i < 5; ++i, k /= 7)
                rolled += (digit[i] = k % 7) == 0;
            const int fills = int(std::pow(6, rolled));
            double sum = 0;
            for (int f = 0; f < fills; ++f) {
                Dice d = digit;
                for (int i = 0, rest = f; i < 5; ++i) {
                    if (d[i] == 0) {
                        d[i] = rest % 6 + 1;
                        rest /= 6;
                    }
                }
                sum += later[throwIndex(d)];
            }
            held[key] = sum / fills;
        }
        return held;
    }

    static int keyOf(const Dice& d, int pattern)
    {
        int key = 0;
        for (int i = 4; i >= 0; --i)
            key = key * 7 + ((pattern >> i) & 1 ? d[i] : 0);
        return key;
    }

    static std::vector<double> bestHolds(const std::vector<double>& held)
    {
        std::vector<double> best(7776, -1);
        for (int t = 0; t < 7776; ++t)
            for (int pattern = 0; pattern < 32; ++pattern)
                best[t] = std::max(best[t], held[keyOf(throwOf(t), pattern)]);
        return best;
    }

    std::array<std::array<int, 16>, 7776> score{};
    std::map<std::pair<rules::CategoryMask, int>, double> memo;
};

QString sortedFaces(const Dice& d, int kept)
{
    QList<int> faces;
    for (int i = 0; i < 5; ++i)
        if (kept & (1 << i))
            faces << d[i];
    std::sort(faces.begin(), faces.end());
    QString text;
    for (int f : faces)
        text += QString::number(f);
    return text;
}

enum class Damage { None, Payload, Truncated, Foreign, Version, Checksum, Missing };

} // namespace

Q_DECLARE_METATYPE(Dice)
Q_DECLARE_METATYPE(Damage)
using Expected = std::array<int, 15>;
Q_DECLARE_METATYPE(Expected)

class EvaluationTest : public QObject {
    Q_OBJECT
private slots:
    // The turn flow as short scripts: the rules decide turns, rolls, writes and the end.
    void flowScripts_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("a whole turn") << "new 2; roll 1 1 1 2 3; hold 0; hold 1; hold 2; roll 6 6 6 5 5; write 13"
                                      << "w13+0; turn 2, rolls 0, may roll, running, -, winner 0, totals 13/0";
        QTest::newRow("three rolls spend the turn") << "new 1; roll 1 2 3 4 6; roll 1 2 3 4 6; press"
                                                    << "turn 1, rolls 3, -, running, -, winner 0, totals 0";
        QTest::newRow("a press while tumbling counts") << "new 1; press; press"
                                                       << "turn 1, rolls 2, may roll, running, -, winner 0, totals 0";
        QTest::newRow("held dice keep their faces")
            << "new 1; roll 2 2 2 2 2; hold 4; roll 3 3 3 3 3; write 15"
            << "w14+0; turn 1, rolls 0, may roll, running, -, winner 0, totals 14";
        QTest::newRow("no hold before the dice settle")
            << "new 1; hold 0; press; hold 1; settle 5 5 5 5 5; write 5"
            << "w25+0; turn 1, rolls 0, may roll, running, -, winner 0, totals 25";
        QTest::newRow("the bonus at 63")
            << "new 1; roll 1 1 1 2 3; write 1; roll 2 2 2 1 3; write 2; roll 3 3 3 1 2; write 3;"
               "roll 4 4 4 1 2; write 4; roll 5 5 5 1 2; write 5; roll 6 6 6 1 2; write 6"
            << "w3+0; w6+0; w9+0; w12+0; w15+0; w18+50; turn 1, rolls 0, may roll, running, -, winner 0, totals 113";
        QTest::newRow("62 earns no bonus")
            << "new 1; roll 6 6 6 6 6; write 6; roll 5 5 5 5 1; write 5; roll 4 4 4 1 1; write 4"
            << "w30+0; w20+0; w12+0; turn 1, rolls 0, may roll, running, -, winner 0, totals 62";
        QTest::newRow("the last category ends the game")
            << "new 2; fill; roll 6 6 6 6 5; write 15; roll 1 1 1 1 2; write 15"
            << "w29+0; w6+0; turn 1, rolls 0, -, -, over, winner 1, totals 29/6";
        QTest::newRow("a tie goes to the first") << "new 2; fill; roll 6 6 6 6 5; write 15; roll 5 6 6 6 6; write 15"
                                                 << "w29+0; w29+0; turn 1, rolls 0, -, -, over, winner 1, totals 29/29";
        QTest::newRow("a used category is refused")
            << "new 1; roll 1 1 1 1 1; write 1; roll 1 1 2 2 2; write 1"
            << "w5+0; refused; turn 1, rolls 1, may roll, running, -, winner 0, totals 5";
        QTest::newRow("no write before the first roll settles")
            << "new 1; write 15; press; write 15"
            << "refused; refused; turn 1, rolls 1, may roll, running, -, winner 0, totals 0";
        QTest::newRow("the third roll is written only once settled")
            << "new 1; roll 1 1 1 1 1; roll 1 1 1 1 1; press; write 1; settle 2 2 2 2 2; write 1"
            << "refused; w0+0; turn 1, rolls 0, may roll, running, -, winner 0, totals 0";
        QTest::newRow("a cancelled new game is put back")
            << "new 2; roll 6 6 6 6 6; write 14; keep; new 3; back; roll 2 2 3 3 3; write 13"
            << "w50+0; w13+0; turn 1, rolls 0, may roll, running, -, winner 0, totals 50/13";
        QTest::newRow("no game") << ""
                                 << "turn 1, rolls 0, -, -, -, winner 0, totals ";
    }
    void flowScripts()
    {
        QFETCH(QString, script);
        QFETCH(QString, outcome);
        QCOMPARE(playScript(script), outcome);
    }
    void workedResults_data()
    {
        QTest::addColumn<Dice>("dice");
        QTest::addColumn<Expected>("expected"); // categories 1..15
        QTest::newRow("1 2 3 4 5") << Dice{1, 2, 3, 4, 5} << Expected{1, 2, 3, 4, 5, 0, 0, 0, 0, 0, 15, 0, 0, 0, 15};
        QTest::newRow("2 3 4 5 6") << Dice{2, 3, 4, 5, 6} << Expected{0, 2, 3, 4, 5, 6, 0, 0, 0, 0, 0, 20, 0, 0, 20};
        QTest::newRow("1 2 3 4 6") << Dice{1, 2, 3, 4, 6} << Expected{1, 2, 3, 4, 0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 16};
        QTest::newRow("3 3 3 5 5") << Dice{3, 3, 3, 5, 5} << Expected{0, 0, 9, 0, 10, 0, 10, 16, 9, 0, 0, 0, 19, 0, 19};
        QTest::newRow("5 5 6 6 6") << Dice{5, 5, 6, 6, 6}
                                   << Expected{0, 0, 0, 0, 10, 18, 12, 22, 18, 0, 0, 0, 28, 0, 28};
        QTest::newRow("1 1 6 6 3") << Dice{1, 1, 6, 6, 3} << Expected{2, 0, 3, 0, 0, 12, 12, 14, 0, 0, 0, 0, 0, 0, 17};
        QTest::newRow("2 5 2 1 6") << Dice{2, 5, 2, 1, 6} << Expected{1, 4, 0, 0, 5, 6, 4, 0, 0, 0, 0, 0, 0, 0, 16};
        QTest::newRow("3 3 3 1 2") << Dice{3, 3, 3, 1, 2} << Expected{1, 2, 9, 0, 0, 0, 6, 0, 9, 0, 0, 0, 0, 0, 12};
        QTest::newRow("4 4 4 4 2") << Dice{4, 4, 4, 4, 2} << Expected{0, 2, 0, 16, 0, 0, 8, 0, 12, 16, 0, 0, 0, 0, 18};
        QTest::newRow("6 6 6 6 6") << Dice{6, 6, 6, 6, 6}
                                   << Expected{0, 0, 0, 0, 0, 30, 12, 0, 18, 24, 0, 0, 0, 50, 30};
        QTest::newRow("2 2 2 2 2") << Dice{2, 2, 2, 2, 2} << Expected{0, 10, 0, 0, 0, 0, 4, 0, 6, 8, 0, 0, 0, 50, 10};
        QTest::newRow("5 4 3 2 1 shuffled")
            << Dice{5, 4, 3, 2, 1} << Expected{1, 2, 3, 4, 5, 0, 0, 0, 0, 0, 15, 0, 0, 0, 15};
    }
    void workedResults()
    {
        QFETCH(Dice, dice);
        QFETCH(Expected, expected);
        const GameState s = evaluated(dice);
        for (int c = 1; c <= 15; ++c)
            QVERIFY2(
                CandidateOf(s, c) == expected[c - 1],
                qPrintable(
                    QStringLiteral("category %1: %2, expected %3").arg(c).arg(CandidateOf(s, c)).arg(expected[c - 1])));
    }

    // Properties that hold for every one of the 7776 throws.
    void propertiesOverAllThrows()
    {
        int throws = 0;
        forAllDice([&](const Dice& d) {
            ++throws;
            const GameState s = evaluated(d);
            Dice sorted = d;
            std::sort(sorted.begin(), sorted.end());
            std::array<int, 7> count{};
            for (int v : d)
                ++count[v];
            const int sum = d[0] + d[1] + d[2] + d[3] + d[4];
            int faceCountSum = 0;
            for (int f = 1; f <= 6; ++f)
                faceCountSum += s.FaceCount[f];
            QCOMPARE(faceCountSum, 5);
            QCOMPARE(int(s.valChans), sum);
            for (int c = 1; c <= 15; ++c) {
                QVERIFY(CandidateOf(s, c) >= 0);
                QVERIFY(CandidateOf(s, c) <= (c == 14 ? 50 : 30));
            }
            // Straights only for exactly 1-5 and 2-6.
            QCOMPARE(s.valLillan != 0, (sorted == Dice{1, 2, 3, 4, 5}));
            QCOMPARE(s.valStoran != 0, (sorted == Dice{2, 3, 4, 5, 6}));
            const bool fullHouse
                = std::count(count.begin(), count.end(), 3) == 1 && std::count(count.begin(), count.end(), 2) == 1;
            QCOMPARE(s.valKak != 0, fullHouse);
            if (fullHouse)
                QCOMPARE(int(s.valKak), sum);
            // Four or five of a kind is never two pairs.
            if (*std::max_element(count.begin(), count.end()) >= 4)
                QCOMPARE(int(s.valTvaPar), 0);
            QCOMPARE(s.valKolvo != 0, sorted[0] == sorted[4]);
            // Nothing carries over from the previous evaluation.
            GameState again = s;
            EvaluateDice(again);
            for (int c = 1; c <= 15; ++c)
                QCOMPARE(CandidateOf(again, c), CandidateOf(s, c));
        });
        QCOMPARE(throws, 7776);
    }

    void staleValuesAreCleared()
    {
        GameState s = evaluated({6, 6, 6, 6, 6});
        for (int i = 0; i < 5; ++i)
            s.DiceValue[i] = static_cast<std::int16_t>(i + 1);
        EvaluateDice(s);
        QCOMPARE(int(s.valKolvo), 0);
        QCOMPARE(int(s.valSexor), 0);
        QCOMPARE(int(s.valLillan), 15);
    }

    // A die without a face (0) is counted nowhere; in particular 0 1 2 3 4 is no small
    // straight, though no face repeats and no six shows.
    void blankDieCountsNowhere_data()
    {
        QTest::addColumn<Dice>("dice");
        QTest::newRow("0 1 2 3 4") << Dice{0, 1, 2, 3, 4};
        QTest::newRow("0 2 3 4 5") << Dice{0, 2, 3, 4, 5};
        QTest::newRow("0 0 0 0 0") << Dice{0, 0, 0, 0, 0};
        QTest::newRow("0 3 3 3 5") << Dice{0, 3, 3, 3, 5};
    }
    void blankDieCountsNowhere()
    {
        QFETCH(Dice, dice);
        const GameState s = evaluated(dice);
        int counted = 0;
        for (int f = 1; f <= 6; ++f)
            counted += s.FaceCount[f];
        QCOMPARE(counted, int(std::count_if(dice.begin(), dice.end(), [](int v) { return v >= 1; })));
        QCOMPARE(int(s.valLillan), 0);
        QCOMPARE(int(s.valStoran), 0);
        QCOMPARE(int(s.valKak), 0);
        QCOMPARE(int(s.valKolvo), 0);
    }

    void categoryOutsideRangeHasNoCandidate()
    {
        const GameState s = evaluated({6, 6, 6, 6, 6});
        QCOMPARE(int(CandidateOf(s, 0)), 0);
        QCOMPARE(int(CandidateOf(s, 16)), 0);
        QCOMPARE(int(CandidateOf(s, 14)), 50);
        QCOMPARE(int(CandidateOf(s, 15)), 30);
    }

    // The value of a label: the record and the totals are compared by it.
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<qint64>("value");
        QTest::newRow("plain") << "374" << qint64(374);
        QTest::newRow("trailing text") << "12abc" << qint64(12);
        QTest::newRow("no number") << "abc" << qint64(0);
        QTest::newRow("empty") << "" << qint64(0);
        QTest::newRow("huge") << "99999999999999999999" << std::numeric_limits<qint64>::max();
        QTest::newRow("max") << "9223372036854775807" << std::numeric_limits<qint64>::max();
        QTest::newRow("max minus one") << "9223372036854775806" << std::numeric_limits<qint64>::max() - 1;
        QTest::newRow("leading zeros") << "007" << qint64(7);
        QTest::newRow("arabic digits") << "٣" << qint64(0);
    }
    void leadingNumber()
    {
        QFETCH(QString, caption);
        QFETCH(qint64, value);
        QCOMPARE(qint64(rules::leadingNumber(caption)), value);
    }

    // Small positions solved both ways: the position's value, every hold of one throw with two
    // and with one roll left, and every category.
    void solverAgreesWithBruteForce_data()
    {
        QTest::addColumn<QList<int>>("free");
        QTest::addColumn<int>("upper");
        QTest::addColumn<Dice>("dice");
        QTest::newRow("Sexor, 45 up") << QList<int>{6} << 45 << Dice{6, 2, 6, 5, 1};
        QTest::newRow("Sexor, 33 up: five sixes or no bonus") << QList<int>{6} << 33 << Dice{6, 6, 6, 6, 3};
        QTest::newRow("Sexor, bonus already") << QList<int>{6} << 63 << Dice{6, 1, 1, 1, 1};
        QTest::newRow("Femmor Sexor, 40 up") << QList<int>{5, 6} << 40 << Dice{5, 6, 5, 6, 2};
        QTest::newRow("Fyror Sexor, 35 up") << QList<int>{4, 6} << 35 << Dice{4, 4, 6, 1, 6};
        QTest::newRow("Ettor Storan Kolvo, 60 up") << QList<int>{1, 12, 14} << 60 << Dice{1, 2, 3, 4, 4};
        QTest::newRow("Tvåor Två par Lillan, 55 up") << QList<int>{2, 8, 11} << 55 << Dice{2, 2, 3, 5, 5};
        QTest::newRow("Treor Triss Chans, bonus out of reach") << QList<int>{3, 9, 15} << 20 << Dice{3, 3, 6, 6, 1};
        QTest::newRow("Par Fyrtal Kåk, upper done") << QList<int>{7, 10, 13} << 70 << Dice{4, 4, 4, 2, 2};
    }
    void solverAgreesWithBruteForce()
    {
        QFETCH(QList<int>, free);
        QFETCH(int, upper);
        QFETCH(Dice, dice);
        static BruteForce brute;
        const rules::CategoryMask used = usedAllBut(free);
        const auto table = rules::SolverTable::solve(used);
        QVERIFY(table);
        QVERIFY(std::abs(table->expectedRemaining(used, upper) - brute.remaining(used, upper)) < 1e-9);

        const rules::TurnPlan plan(*table, {used, upper, 100});
        const auto last = brute.lastRoll(used, upper);
        const auto oneLeft = BruteForce::holdValues(last);
        const auto twoLeft = BruteForce::holdValues(BruteForce::bestHolds(oneLeft));
        for (int rollsLeft : {1, 2}) {
            std::map<QString, double> solver;
            for (const rules::HoldChoice& c : plan.rankHolds(dice, rollsLeft))
                QVERIFY(solver.emplace(sortedFaces(dice, c.kept), c.expectedFinal - 100).second);
            for (int pattern = 0; pattern < 32; ++pattern) {
                // Keeping all five means scoring now.
                const double expected = pattern == 31
                    ? last[throwIndex(dice)]
                    : (rollsLeft == 1 ? oneLeft : twoLeft)[BruteForce::keyOf(dice, pattern)];
                QVERIFY(solver.count(sortedFaces(dice, pattern)));
                QVERIFY2(std::abs(solver[sortedFaces(dice, pattern)] - expected) < 1e-9,
                         qPrintable(QStringLiteral("hold %1, %2 left").arg(sortedFaces(dice, pattern)).arg(rollsLeft)));
            }
        }
        const auto categories = plan.rankCategories(dice);
        QCOMPARE(categories.size(), std::size_t(free.size()));
        QVERIFY(std::abs(categories.front().expectedFinal - 100 - last[throwIndex(dice)]) < 1e-9);
        for (const rules::CategoryChoice& c : categories) {
            const int newUpper = c.category <= 6 ? upper + c.pointsNow : upper;
            const double after = c.pointsNow + (upper < 63 && newUpper >= 63 ? 50 : 0)
                + brute.remaining(used | (1u << (c.category - 1)), newUpper);
            QVERIFY(std::abs(c.expectedFinal - 100 - after) < 1e-9);
        }
    }

    // One category left: keep what helps it, whatever the upper sum.
    void lastCategoryIsExact_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<double>("expected");
        // Each die alone: keep 5 or 6 with two rolls to come, 4 to 6 with one: 14/3 a die.
        QTest::newRow("Chans") << 15 << 70.0 / 3;
        // Five of a kind within three rolls, keeping the most frequent face: 2783176 / 6^10.
        QTest::newRow("Kolvo") << 14 << 50.0 * 2783176 / 60466176;
    }
    void lastCategoryIsExact()
    {
        QFETCH(int, category);
        QFETCH(double, expected);
        const rules::CategoryMask used = usedAllBut({category});
        const auto table = rules::SolverTable::solve(used);
        QVERIFY(table);
        for (int upper : {0, 40, 63})
            QVERIFY(std::abs(table->expectedRemaining(used, upper) - expected) < 1e-12);
    }

    // Regression guard: an upper sum the used rows cannot make has no value; ranking on one
    // would sort by NaN.
    void unreachableSheetHasNoRanking()
    {
        const rules::CategoryMask used = usedAllBut({2, 3, 4, 5, 6});
        const auto table = rules::SolverTable::solve(used);
        const rules::TurnPlan plan(*table, {used, 45, 0}); // "Ettor" alone makes at most 5
        QVERIFY(std::isnan(plan.expectedFinal()));
        QVERIFY(plan.rankHolds({6, 6, 6, 2, 2}, 2).empty());
        QVERIFY(plan.rankCategories({6, 6, 6, 2, 2}).empty());
    }

    // Two players who do exactly what the coach advises, on a sheet with five rows left:
    // every decision is judged, and none loses anything, also where stopping early is best.
    void coachPlayLosesNothing()
    {
        const rules::CategoryMask used = usedAllBut({1, 6, 9, 13, 15});
        const auto table = rules::SolverTable::solve(used);
        QVERIFY(table);
        std::array<rules::SheetPosition, 3> sheet{{{}, {used, 30, 120}, {used, 50, 140}}};
        std::mt19937 random(7);
        std::uniform_int_distribution<int> face(1, 6);
        rules::DecisionLog log;
        int stoppedEarly = 0;
        for (int turn = 0; turn < 5; ++turn) {
            for (int player : {1, 2}) {
                rules::SheetPosition& position = sheet[std::size_t(player)];
                const rules::TurnPlan plan(*table, position);
                rules::Dice dice;
                for (int& d : dice)
                    d = face(random);
                int rollsLeft = 2;
                for (; rollsLeft > 0; --rollsLeft) {
                    const rules::HoldChoice hold = plan.rankHolds(dice, rollsLeft).front();
                    if (hold.keptCount == 5)
                        break; // the coach says: keep them all and write now
                    log.addHold(player, position, dice, hold.kept, rollsLeft);
                    for (int i = 0; i < 5; ++i)
                        if (!(hold.kept & (1u << i)))
                            dice[std::size_t(i)] = face(random);
                }
                stoppedEarly += rollsLeft > 0;
                const rules::CategoryChoice choice = plan.rankCategories(dice).front();
                log.addCategory(player, position, dice, choice.category, rollsLeft);
                const bool upper = choice.category <= 6;
                position.points
                    += choice.pointsNow + (upper ? rules::upperBonus(position.upperSum, choice.pointsNow) : 0);
                position.upperSum += upper ? choice.pointsNow : 0;
                position.used |= rules::CategoryMask(1u << (choice.category - 1));
            }
        }
        QVERIFY(stoppedEarly > 0);
        const auto verdicts = rules::judge(*table, log.decisions());
        QCOMPARE(verdicts.size(), log.size());
        for (int player : {1, 2}) {
            const rules::PlayerReview review = rules::reviewOf(player, log.decisions(), verdicts);
            QCOMPARE(review.turnsDone, 5);
            QCOMPARE(review.judged,
                     int(std::count_if(log.decisions().begin(), log.decisions().end(),
                                       [player](const auto& d) { return d.player == player; })));
            QCOMPARE(review.lost, 0.0);
            QCOMPARE(review.costly, 0);
            QVERIFY(review.costlyOnes.empty());
        }
        QCOMPARE(log.decisions().back().turn(), 16 - 1);
    }

    // Choices the solver ranks lower lose exactly the difference it gives; the same faces
    // kept from other places are the same hold.
    void badChoiceLosesWhatSolverSays_data()
    {
        QTest::addColumn<bool>("hold");
        QTest::addColumn<Dice>("dice");
        QTest::addColumn<int>("choice"); // a hold: the kept dice, bit i die i; else the category
        QTest::addColumn<int>("rollsLeft");
        QTest::addColumn<QString>("keptFaces"); // a hold: the faces the solver's entry keeps
        QTest::newRow("three sixes rolled again") << true << Dice{6, 6, 6, 2, 3} << 0 << 2 << "";
        QTest::newRow("a pair of sixes, kept from the right") << true << Dice{6, 2, 6, 6, 3} << 0b01100 << 1 << "66";
        QTest::newRow("Chans written on a full house") << false << Dice{4, 4, 4, 2, 2} << 15 << 0 << "";
        QTest::newRow("three sixes written early as Chans") << false << Dice{6, 6, 6, 1, 2} << 15 << 2 << "";
        QTest::newRow("Kolvo given up") << false << Dice{1, 2, 3, 5, 5} << 14 << 0 << "";
    }
    void badChoiceLosesWhatSolverSays()
    {
        QFETCH(bool, hold);
        QFETCH(Dice, dice);
        QFETCH(int, choice);
        QFETCH(int, rollsLeft);
        QFETCH(QString, keptFaces);
        const rules::CategoryMask used = usedAllBut({1, 6, 9, 13, 14, 15});
        const auto table = rules::SolverTable::solve(used);
        QVERIFY(table);
        const rules::SheetPosition position{used, 40, 150};
        const rules::TurnPlan plan(*table, position);
        double best = 0;
        double chosen = -1;
        if (rollsLeft > 0) {
            const auto holds = plan.rankHolds(dice, rollsLeft);
            best = holds.front().expectedFinal;
            for (const rules::HoldChoice& h : holds)
                if (hold && sortedFaces(dice, h.kept) == (keptFaces.isEmpty() ? sortedFaces(dice, choice) : keptFaces))
                    chosen = h.expectedFinal;
        }
        const auto categories = plan.rankCategories(dice);
        if (rollsLeft == 0)
            best = categories.front().expectedFinal;
        for (const rules::CategoryChoice& c : categories)
            if (!hold && c.category == choice)
                chosen = c.expectedFinal;
        QVERIFY(chosen >= 0 && best - chosen > 0.05);

        rules::DecisionLog log;
        if (hold)
            log.addHold(2, position, dice, std::uint8_t(choice), rollsLeft);
        else
            log.addCategory(2, position, dice, choice, rollsLeft);
        const rules::Verdict verdict = rules::judge(*table, log.decisions()).front();
        QVERIFY(verdict.judged);
        QCOMPARE(verdict.lost, best - chosen);
        QCOMPARE(verdict.bestFinal, best);
        const rules::PlayerReview review = rules::reviewOf(2, log.decisions(), std::vector{verdict});
        QCOMPARE(review.lost, best - chosen);
        QCOMPARE(review.costly, best - chosen > rules::kCostlyLoss ? 1 : 0);
        QCOMPARE(review.costlyOnes,
                 best - chosen > rules::kCostlyLoss ? std::vector<std::size_t>{0} : std::vector<std::size_t>{});
        QCOMPARE(rules::reviewOf(1, log.decisions(), std::vector{verdict}).judged, 0);
    }

    // Every choice that cost more than a point, in the order made; the review leads with the
    // costliest three of them, then the others in the order made. Another player's never count.
    void reviewListsEveryCostlyChoice_data()
    {
        QTest::addColumn<QList<double>>("losses");
        QTest::addColumn<QList<int>>("lessons");
        QTest::addColumn<QList<int>>("rest");
        QTest::newRow("1.0 is not more than a point")
            << QList<double>{0.5, 3.0, 0.0, 1.5, 7.25, 1.0} << QList<int>{4, 1, 3} << QList<int>{};
        QTest::newRow("costliest first, the rest in order")
            << QList<double>{1.1, 7.0, 2.0, 9.1, 1.2, 6.3, 0.4, 1.9} << QList<int>{3, 1, 5} << QList<int>{0, 2, 4, 7};
        QTest::newRow("equal losses: the earlier first")
            << QList<double>{2.5, 4.0, 2.5, 2.5} << QList<int>{1, 0, 2} << QList<int>{3};
        QTest::newRow("none costly") << QList<double>{0.2, 1.0} << QList<int>{} << QList<int>{};
    }
    void reviewListsEveryCostlyChoice()
    {
        QFETCH(QList<double>, losses);
        QFETCH(QList<int>, lessons);
        QFETCH(QList<int>, rest);
        std::vector<rules::Verdict> verdicts;
        rules::DecisionLog log;
        for (double lost : losses) {
            for (int player : {1, 2}) {
                log.addCategory(player, {}, {1, 2, 3, 4, 5}, 15, 0);
                rules::Verdict& v = verdicts.emplace_back();
                v.judged = true;
                v.lost = player == 1 ? lost : 20.0;
            }
        }
        const auto mine = [](const QList<int>& list) {
            std::vector<std::size_t> out;
            for (int i : list)
                out.push_back(std::size_t(2 * i));
            return out;
        };
        const rules::PlayerReview review = rules::reviewOf(1, log.decisions(), verdicts);
        QCOMPARE(review.lost, std::accumulate(losses.begin(), losses.end(), 0.0));
        QCOMPARE(review.lessons, mine(lessons));
        QCOMPARE(review.rest, mine(rest));
        std::vector<std::size_t> all = mine(lessons + rest);
        std::sort(all.begin(), all.end());
        QCOMPARE(review.costlyOnes, all);
        QCOMPARE(review.costly, int(all.size()));
    }

    // The chance that a turn ends writing a category for points, played perfectly from a hold.
    void endChancesFollowPerfectPlay_data()
    {
        QTest::addColumn<QList<int>>("free");
        QTest::addColumn<Dice>("dice");
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("rollsLeft");
        QTest::addColumn<int>("category");
        QTest::addColumn<double>("chance");
        QTest::newRow("four sixes, one roll, Kolvo")
            << QList<int>{14} << Dice{6, 6, 6, 6, 2} << 0b01111 << 1 << 14 << 1.0 / 6;
        QTest::newRow("four sixes, two rolls, Kolvo")
            << QList<int>{14} << Dice{6, 6, 6, 6, 2} << 0b01111 << 2 << 14 << 11.0 / 36;
        QTest::newRow("all five kept: written now")
            << QList<int>{7, 14} << Dice{6, 6, 6, 6, 2} << 0b11111 << 2 << 7 << 1.0;
        QTest::newRow("no roll left: written now") << QList<int>{11, 15} << Dice{1, 2, 3, 4, 5} << 0 << 0 << 11 << 1.0;
        // 2 3 4 5 kept, one roll: a 1 or a 6 makes a straight; Storan alone is free.
        QTest::newRow("an open-ended straight")
            << QList<int>{12} << Dice{2, 3, 4, 5, 5} << 0b01111 << 1 << 12 << 1.0 / 6;
    }
    void endChancesFollowPerfectPlay()
    {
        QFETCH(QList<int>, free);
        QFETCH(Dice, dice);
        QFETCH(int, kept);
        QFETCH(int, rollsLeft);
        QFETCH(int, category);
        QFETCH(double, chance);
        const rules::CategoryMask used = usedAllBut(free);
        const auto table = rules::SolverTable::solve(used);
        const rules::TurnPlan plan(*table, {used, 20, 100});
        const auto chances = plan.endChances(dice, std::uint8_t(kept), rollsLeft);
        QVERIFY(std::abs(chances[std::size_t(category)] - chance) < 1e-12);
        QVERIFY(std::accumulate(chances.begin(), chances.end(), 0.0) <= 1 + 1e-12);
    }

    void cacheTrustsOnlyAnIntactFile_data()
    {
        QTest::addColumn<Damage>("damage");
        QTest::newRow("intact") << Damage::None;
        QTest::newRow("a value changed") << Damage::Payload;
        QTest::newRow("truncated") << Damage::Truncated;
        QTest::newRow("foreign file of the same size") << Damage::Foreign;
        QTest::newRow("other format version") << Damage::Version;
        QTest::newRow("checksum changed") << Damage::Checksum;
        QTest::newRow("no file") << Damage::Missing;
    }
    void cacheTrustsOnlyAnIntactFile()
    {
        QFETCH(Damage, damage);
        std::vector<double> values(rules::SolverTable::valueCount());
        for (std::size_t i = 0; i < values.size(); ++i)
            values[i] = double(i % 997) / 4;
        const auto table = rules::SolverTable::fromValues(values);
        QVERIFY(table);
        QTemporaryDir dir;
        QVERIFY(rules::saveTable(*table, dir.path()));

        QFile file(rules::tableFilePath(dir.path()));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        const auto patch = [&](qsizetype at, char byte) {
            bytes[at] = byte;
            QVERIFY(file.seek(0));
            QCOMPARE(file.write(bytes), bytes.size());
        };
        switch (damage) {
        case Damage::None:
            break;
        case Damage::Payload:
            patch(bytes.size() / 2, char(bytes[bytes.size() / 2] ^ 0x10));
            break;
        case Damage::Truncated:
            QVERIFY(file.resize(file.size() - 1));
            break;
        case Damage::Foreign:
            bytes.fill('x');
            patch(0, 'x');
            break;
        case Damage::Version:
            patch(8, char(bytes[8] + 1));
            break;
        case Damage::Checksum:
            patch(32, char(bytes[32] ^ 1));
            break;
        case Damage::Missing:
            QVERIFY(file.remove());
            break;
        }
        file.close();

        const auto loaded = rules::loadTable(dir.path());
        QCOMPARE(loaded.has_value(), damage == Damage::None);
        if (loaded)
            QVERIFY(std::equal(values.begin(), values.end(), loaded->values().begin(), loaded->values().end()));
    }

    // Fault guarded: the table was written through a link in its place, over the link's target
    // (a user's file, or a device node as root), and a pipe in its place blocked the worker's
    // open() for good, and with it the program's exit.
    void cacheReplacesOnlyItsOwnEntry_data()
    {
        QTest::addColumn<QString>("inItsPlace");
        QTest::newRow("link to a file elsewhere") << "precious";
        QTest::newRow("link to nothing yet") << "absent";
        QTest::newRow("pipe") << "";
    }
    void cacheReplacesOnlyItsOwnEntry()
    {
        QFETCH(QString, inItsPlace);
        QTemporaryDir root;
        const QString cache = root.filePath("cache"), entry = rules::tableFilePath(cache);
        QFile precious(root.filePath("precious"));
        QVERIFY(QDir().mkpath(cache) && precious.open(QIODevice::WriteOnly) && precious.write("keep me") == 7);
        precious.close();
        if (inItsPlace.isEmpty())
            QCOMPARE(::mkfifo(QFile::encodeName(entry).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(root.filePath(inItsPlace), entry));

        auto loading = std::async(std::launch::async, [&] { return rules::loadTable(cache).has_value(); });
        if (loading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            ::close(::open(QFile::encodeName(entry).constData(), O_WRONLY | O_NONBLOCK)); // lets the reader go
            QFAIL("opening the cache blocked");
        }
        QVERIFY(!loading.get());
        std::vector<double> values(rules::SolverTable::valueCount(), 2.5);
        QVERIFY(rules::saveTable(*rules::SolverTable::fromValues(values), cache));
        const auto entries
            = [](const QString& d) { return QDir(d).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); };
        QCOMPARE(entries(root.path()), (QStringList{"cache", "precious"}));
        QCOMPARE(entries(cache), QStringList{QFileInfo(entry).fileName()});
        QVERIFY(precious.open(QIODevice::ReadOnly));
        QCOMPARE(precious.readAll(), QByteArray("keep me"));
        QVERIFY(!QFileInfo(entry).isSymLink() && rules::loadTable(cache));
    }

    // Nothing is solved before the first request; a saved table arrives through the signal;
    // a provider destroyed while solving stops and saves nothing.
    void providerWorksInTheBackground()
    {
        std::vector<double> values(rules::SolverTable::valueCount(), 1.5);
        QTemporaryDir saved;
        QVERIFY(rules::saveTable(*rules::SolverTable::fromValues(values), saved.path()));
        rules::SolverTableProvider provider(saved.path());
        QSignalSpy arrived(&provider, &rules::SolverTableProvider::tableReady);
        QVERIFY(!provider.ready());
        provider.request();
        QVERIFY(arrived.wait(20000));
        QCOMPARE(arrived.count(), 1);
        QVERIFY(provider.ready());
        QCOMPARE(provider.table()->expectedScore(), 1.5);

        QTemporaryDir empty;
        {
            rules::SolverTableProvider solving(empty.path());
            solving.request();
        }
        QVERIFY(!QFile::exists(rules::tableFilePath(empty.path())));
    }
};

QTEST_GUILESS_MAIN(EvaluationTest)
#include "evaluation_test.moc"
