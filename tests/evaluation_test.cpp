#include <QtTest>

#include <algorithm>
#include <array>
#include <limits>

#include "game/Evaluation.h"
#include "game/ScoreSheet.h"

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

template <typename F>
void forAllDice(F&& f)
{
    Dice d{};
    for (d[0] = 1; d[0] <= 6; ++d[0])
        for (d[1] = 1; d[1] <= 6; ++d[1])
            for (d[2] = 1; d[2] <= 6; ++d[2])
                for (d[3] = 1; d[3] <= 6; ++d[3])
                    for (d[4] = 1; d[4] <= 6; ++d[4])
                        f(d);
}

} // namespace

Q_DECLARE_METATYPE(Dice)
using Expected = std::array<int, 15>;
Q_DECLARE_METATYPE(Expected)

class EvaluationTest : public QObject {
    Q_OBJECT
private slots:
    void workedResults_data()
    {
        QTest::addColumn<Dice>("dice");
        QTest::addColumn<Expected>("expected"); // categories 1..15
        QTest::newRow("1 2 3 4 5") << Dice{1, 2, 3, 4, 5} << Expected{1, 2, 3, 4, 5, 0, 0, 0, 0, 0, 15, 0, 0, 0, 15};
        QTest::newRow("2 3 4 5 6") << Dice{2, 3, 4, 5, 6} << Expected{0, 2, 3, 4, 5, 6, 0, 0, 0, 0, 0, 20, 0, 0, 20};
        QTest::newRow("1 2 3 4 6") << Dice{1, 2, 3, 4, 6} << Expected{1, 2, 3, 4, 0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 16};
        QTest::newRow("3 3 3 5 5") << Dice{3, 3, 3, 5, 5} << Expected{0, 0, 9, 0, 10, 0, 10, 16, 9, 0, 0, 0, 19, 0, 19};
        QTest::newRow("5 5 6 6 6") << Dice{5, 5, 6, 6, 6} << Expected{0, 0, 0, 0, 10, 18, 12, 22, 18, 0, 0, 0, 28, 0, 28};
        QTest::newRow("1 1 6 6 3") << Dice{1, 1, 6, 6, 3} << Expected{2, 0, 3, 0, 0, 12, 12, 14, 0, 0, 0, 0, 0, 0, 17};
        QTest::newRow("2 5 2 1 6") << Dice{2, 5, 2, 1, 6} << Expected{1, 4, 0, 0, 5, 6, 4, 0, 0, 0, 0, 0, 0, 0, 16};
        QTest::newRow("3 3 3 1 2") << Dice{3, 3, 3, 1, 2} << Expected{1, 2, 9, 0, 0, 0, 6, 0, 9, 0, 0, 0, 0, 0, 12};
        QTest::newRow("4 4 4 4 2") << Dice{4, 4, 4, 4, 2} << Expected{0, 2, 0, 16, 0, 0, 8, 0, 12, 16, 0, 0, 0, 0, 18};
        QTest::newRow("6 6 6 6 6") << Dice{6, 6, 6, 6, 6} << Expected{0, 0, 0, 0, 0, 30, 12, 0, 18, 24, 0, 0, 0, 50, 30};
        QTest::newRow("2 2 2 2 2") << Dice{2, 2, 2, 2, 2} << Expected{0, 10, 0, 0, 0, 0, 4, 0, 6, 8, 0, 0, 0, 50, 10};
        QTest::newRow("5 4 3 2 1 shuffled") << Dice{5, 4, 3, 2, 1} << Expected{1, 2, 3, 4, 5, 0, 0, 0, 0, 0, 15, 0, 0, 0, 15};
    }
    void workedResults()
    {
        QFETCH(Dice, dice);
        QFETCH(Expected, expected);
        const GameState s = evaluated(dice);
        for (int c = 1; c <= 15; ++c)
            QVERIFY2(CandidateOf(s, c) == expected[c - 1],
                     qPrintable(QStringLiteral("category %1: %2, expected %3").arg(c).arg(CandidateOf(s, c)).arg(expected[c - 1])));
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
            const bool fullHouse = std::count(count.begin(), count.end(), 3) == 1
                                   && std::count(count.begin(), count.end(), 2) == 1;
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
        QCOMPARE(qint64(rules::LeadingNumber(caption)), value);
    }
};

QTEST_GUILESS_MAIN(EvaluationTest)
#include "evaluation_test.moc"
