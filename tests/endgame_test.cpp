// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "fakes/ArenaFixture.h"
#include "ui/ElidedLabel.h"

// The end of a game: the winner, the record and the numbers read back from labels.
namespace {
// Puts the game one step from its end: every category used, the given totals on the sheets
// and shown.
void finishedSheets(ArenaFixture& f, const QStringList& totals)
{
    QStringList names;
    for (int i = 1; i <= totals.size(); ++i)
        names << QStringLiteral("P%1").arg(i);
    f.newGame(names);
    for (int p = 1; p <= totals.size(); ++p) {
        for (int c = 1; c <= 15; ++c)
            f.s().Points[p][c] = 0;
        f.s().Points[p][GameState::kTotalRow] = std::int16_t(totals[p - 1].toInt());
        f.a().lblSum[p]->setText(totals[p - 1]);
    }
}
} // namespace

class EndGameTest : public QObject {
    Q_OBJECT
private slots:
    void winner_data()
    {
        QTest::addColumn<QStringList>("totals");
        QTest::addColumn<int>("winner");
        QTest::newRow("200 150 200") << QStringList{"200", "150", "200"} << 1;
        QTest::newRow("150 200 200") << QStringList{"150", "200", "200"} << 2;
        QTest::newRow("150 200 201") << QStringList{"150", "200", "201"} << 3;
        QTest::newRow("empty 5") << QStringList{"", "5"} << 2;
        QTest::newRow("all empty") << QStringList{"", "", ""} << 1;
        QTest::newRow("one player") << QStringList{""} << 1;
    }
    void winner()
    {
        QFETCH(QStringList, totals);
        QFETCH(int, winner);
        ArenaFixture f;
        finishedSheets(f, totals);
        f.a().GameFinish();
        const auto messages = f.dialogs.messageTexts();
        QVERIFY(!messages.empty());
        const QString expected
            = QStringLiteral("Vinner gör P%1\r\nmed poängen: %2").arg(winner).arg(totals[winner - 1]);
        const auto& gameOver = std::find(messages.begin(), messages.end(), expected);
        QVERIFY2(gameOver != messages.end(), qPrintable(messages.front()));
        QCOMPARE(f.a().lblSpelareTur->text(), QStringLiteral("Spelet är slut"));
        QVERIFY(!f.a().Roller->isEnabled());
    }

    // Fault guarded: a message filled in two passes put the score where a name held "%2".
    void placeholdersInANameStayAsTyped()
    {
        ArenaFixture f;
        finishedSheets(f, {"7"});
        f.s().Names[1] = QStringLiteral("Bo %2 %1 %L1");
        f.a().GameFinish();
        QCOMPARE(f.dialogs.messageTexts().front(), QStringLiteral("Vinner gör Bo %2 %1 %L1\r\nmed poängen: 7"));
    }

    void gameGoesOnWhileACategoryIsFree()
    {
        ArenaFixture f;
        finishedSheets(f, {"10", "20"});
        f.s().Points[2][9] = 100;
        f.a().GameFinish();
        QVERIFY(f.dialogs.messageTexts().empty());
        QVERIFY(f.a().Roller->isEnabled());
        // Columns above the number of players are not looked at.
        f.s().Points[2][9] = 0;
        f.s().Points[3][1] = 100;
        f.a().GameFinish();
        QVERIFY(!f.dialogs.messageTexts().empty());
    }

    void record_data()
    {
        QTest::addColumn<QString>("storedScore"); // "" = nothing stored
        QTest::addColumn<QString>("total");
        QTest::addColumn<bool>("newRecord");
        QTest::newRow("first run") << ""
                                   << "1" << true;
        QTest::newRow("equal is no record") << "250"
                                            << "250" << false;
        QTest::newRow("one more is") << "250"
                                     << "251" << true;
        QTest::newRow("empty total") << ""
                                     << "" << false;
        QTest::newRow("stored text is 0") << "abc"
                                          << "3" << true;
        QTest::newRow("leading number") << "300 poäng"
                                        << "299" << false;
        QTest::newRow("absurd record") << "99999999999999999999"
                                       << "374" << false;
    }
    void record()
    {
        QFETCH(QString, storedScore);
        QFETCH(QString, total);
        QFETCH(bool, newRecord);
        ArenaFixture f;
        if (!storedScore.isEmpty()) {
            f.settings.values.insert("Kolvo/KolvoHighscore/Score", storedScore);
            f.settings.values.insert("Kolvo/KolvoHighscore/Name", "Gammal");
            f.a().LoadHighScore();
        }
        finishedSheets(f, {total});
        f.s().Names[1] = QStringLiteral("Ny");
        f.a().GameFinish();
        const bool congratulated = std::count(f.media.commands.begin(), f.media.commands.end(),
                                              QByteArray("Play /opt/kolvo/Congratulations.mid"))
            == 1;
        QCOMPARE(congratulated, newRecord);
        QCOMPARE(f.dialogs.messageTexts().back() == QStringLiteral("Nytt rekord !!"), newRecord);
        if (newRecord) {
            QCOMPARE(f.settings.values.value("Kolvo/KolvoHighscore/Score"), total);
            QCOMPARE(f.settings.values.value("Kolvo/KolvoHighscore/Name"), QStringLiteral("Ny"));
            QCOMPARE(f.a().Rekordhållare->text(), total);
            QCOMPARE(f.a().RekordHållareNamn->text(), QStringLiteral("Ny"));
        } else {
            QCOMPARE(f.settings.writes, 0);
            QCOMPARE(f.a().Rekordhållare->text(), storedScore.isEmpty() ? QStringLiteral("0") : storedScore);
        }
        // The sounds come before their messages: clap first, then the winner is named.
        QCOMPARE(f.media.commands.front(), QByteArray("Play /opt/kolvo/clap.wav"));
    }

    // Fault guarded: a record the store refused was shown as saved and lost unsaid.
    // Another game's higher record, stored meanwhile, is not overwritten either.
    void recordThatIsNotSavedIsSaid()
    {
        ArenaFixture f;
        f.settings.failure = QStringLiteral("Filen går inte att skriva till.");
        finishedSheets(f, {"120"});
        f.a().GameFinish();
        const auto messages = f.dialogs.messageTexts();
        QCOMPARE(messages[messages.size() - 2], QStringLiteral("Nytt rekord !!"));
        QCOMPARE(messages.back(),
                 QStringLiteral("Rekordet kunde inte sparas och finns inte kvar nästa gång.\r\n"
                                "Filen går inte att skriva till."));

        ArenaFixture g;
        finishedSheets(g, {"120"});
        g.s().Names[1] = QStringLiteral("Ny");
        g.settings.values.insert("Kolvo/KolvoHighscore/Score", "130");
        g.settings.values.insert("Kolvo/KolvoHighscore/Name", "Snabbare");
        g.a().GameFinish();
        QCOMPARE(g.dialogs.messageTexts().back(), QStringLiteral("Nytt rekord !!"));
        QCOMPARE(g.a().Rekordhållare->text(), QStringLiteral("130"));
        QCOMPARE(g.a().RekordHållareNamn->text(), QStringLiteral("Snabbare"));
    }

    // Fault guarded: long names were cut mid-letter. They are drawn shortened with an
    // ellipsis, while the caption the game reads back, and stores, stays whole.
    void longNamesAreElidedNotCut()
    {
        ArenaFixture f;
        const QString name = QStringLiteral("Karl-Johan Andersson ") + QString(179, QLatin1Char('x'));
        QCOMPARE(name.size(), 200);
        finishedSheets(f, {"77"});
        f.s().Names[1] = name;
        f.a().GameFinish();
        QCOMPARE(f.settings.values.value("Kolvo/KolvoHighscore/Name"), name);
        for (QLabel* shown : {f.a().lblPlayer[1], f.a().RekordHållareNamn, f.a().lblSpelareTur}) {
            shown->setText(name);
            auto* label = qobject_cast<ElidedLabel*>(shown);
            QVERIFY(label && label->isElided());
            QCOMPARE(label->text(), name);
            const QStringList lines = label->shownLines();
            QVERIFY(lines.last().endsWith(QChar(0x2026)));
            QVERIFY(lines.size() * label->fontMetrics().lineSpacing() <= label->height());
            for (const QString& line : lines)
                QVERIFY(label->fontMetrics().horizontalAdvance(line.trimmed()) <= label->contentsRect().width());
            QVERIFY(label->shownToolTip().endsWith(name));
        }
        QCOMPARE(f.a().RekordHållareNamn->toolTip(), QStringLiteral("Rekordhållarens namn"));
        f.a().RekordHållareNamn->setText(QStringLiteral("Bo"));
        QVERIFY(!static_cast<ElidedLabel*>(f.a().RekordHållareNamn)->isElided());
    }

    void defaultsWhenNothingIsStored()
    {
        ArenaFixture f;
        QCOMPARE(f.a().Rekordhållare->text(), QStringLiteral("0"));
        QCOMPARE(f.a().RekordHållareNamn->text(), QStringLiteral("Nobody"));
    }
};

QTEST_MAIN(EndGameTest)
#include "endgame_test.moc"
