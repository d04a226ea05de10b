#include <QtTest>
#include "game/Evaluation.h"
class EvaluationTest : public QObject { Q_OBJECT private slots: void placeholder() { GameState s; EvaluateDice(s); QCOMPARE(CandidateOf(s, 15), 0); } };
QTEST_GUILESS_MAIN(EvaluationTest)
#include "evaluation_test.moc"
