// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>
#include <unistd.h>
#include <vector>

#include "app/Translations.h"
#include "platform/Announcer.h"
#include "platform/ProgramDirectory.h"
#include "platform/QtDialogs.h"
#include "platform/QtSettingsStore.h"
#include "platform/StdRandom.h"

// The real services over Qt: random numbers, the program directory, the per-user
// store and the dialogs.
namespace {

// When started with this variable, the test program only prints what the store holds.
constexpr char kReaderMode[] = "KOLVO_TEST_READ_STORE";
constexpr char kSaverMode[] = "KOLVO_TEST_SAVE_RECORD";
// Started on a small tmpfs of its own at XDG_CONFIG_HOME: saves a record with that many KiB
// free and fails unless the store is whole, old or new, and the window would show what it holds.
constexpr char kFullDiskMode[] = "KOLVO_TEST_FULL_DISK";

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs inspect on the next modal dialog once it is up. A dialog the inspection left
// open (a failed check returns early) is rejected, so a failure never hangs the test.
template <typename F> void whenModalShows(F inspect)
{
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, inspect] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        poll->stop();
        poll->deleteLater();
        QPointer<QWidget> guard(modal);
        inspect(modal);
        if (guard && guard->isVisible())
            if (auto* d = qobject_cast<QDialog*>(guard.data()))
                d->reject();
    });
    poll->start();
}

} // namespace

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The program's own Swedish button texts, as main installs them.
        installSwedishTranslations(*qApp);
    }

    void drawsStayBelowOneAndAreFair()
    {
        StdRandom random;
        random.seed(43200.5f);
        std::array<int, 8> faces{};
        constexpr int kDraws = 3'000'000;
        for (int i = 0; i < kDraws; ++i) {
            const float r = random.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            ++faces[faceFromDraw(r)];
        }
        QCOMPARE(faces[0], 0);
        QCOMPARE(faces[7], 0);
        for (int v = 1; v <= 6; ++v)
            QVERIFY2(std::abs(faces[v] - kDraws / 6) < kDraws / 600, qPrintable(QString::number(faces[v])));
        // The largest draw still makes a six, never a seven.
        QCOMPARE(faceFromDraw(std::nextafter(1.0f, 0.0f)), 6);
    }

    void seedsDecideTheSequence()
    {
        StdRandom a, b, c;
        a.seed(3600.25f);
        b.seed(3600.25f);
        c.seed(3600.5f);
        bool differs = false;
        for (int i = 0; i < 20; ++i) {
            const float x = a.next();
            QCOMPARE(x, b.next());
            differs = differs || x != c.next();
        }
        QVERIFY(differs);
        const float now = secondsSinceMidnight();
        QVERIFY(now >= 0.0f && now < 86400.0f);
    }

    void programDirectory_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("root") << "/"
                              << "/";
        QTest::newRow("plain") << "/opt/kolvo"
                               << "/opt/kolvo/";
        QTest::newRow("already") << "/opt/kolvo/"
                                 << "/opt/kolvo/";
        QTest::newRow("blanks") << "/opt/mitt spel"
                                << "/opt/mitt spel/";
    }
    void programDirectory()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(withTrailingSeparator(in), out);
    }

    void programDirectoryIsTheExecutablesNotTheWorkingOne()
    {
        const QString before = QDir::currentPath();
        QDir::setCurrent(QDir::tempPath());
        const QString dir = executableDirectory();
        QDir::setCurrent(before);
        QCOMPARE(dir, QFileInfo(QCoreApplication::applicationFilePath()).absolutePath() + QLatin1Char('/'));
    }

    void storeRoundTripsThroughASecondProcess_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("number") << "289";
        QTest::newRow("markup") << "<b>Bo</b> & <i>x</i>";
        QTest::newRow("comma and quotes") << "Bo, \"Kim\" ; Ö=1";
        QTest::newRow("line breaks") << "rad 1\r\nrad 2";
        QTest::newRow("emoji") << "🎲 Åsa";
        QTest::newRow("long") << QString(5000, QLatin1Char('k'));
        QTest::newRow("empty") << "";
    }
    void storeRoundTripsThroughASecondProcess()
    {
        QFETCH(QString, value);
        // Each row has a store of its own; the second process reads that one.
        const QString application
            = QStringLiteral("KolvoTest-") + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-');
        QtSettingsStore store;
        QCOMPARE(store.value(application, u"KolvoHighscore", u"Name", u"Nobody"), QStringLiteral("Nobody"));
        store.setValue(application, u"KolvoHighscore", u"Name", value);
        QCOMPARE(store.value(application, u"KolvoHighscore", u"Name", u"Nobody"), value);

        QProcess reader;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QLatin1String(kReaderMode), QStringLiteral("1"));
        env.insert(QStringLiteral("KOLVO_TEST_APPLICATION"), application);
        reader.setProcessEnvironment(env);
        reader.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(reader.waitForFinished(20000));
        QCOMPARE(QString::fromUtf8(reader.readAllStandardOutput()), value);
    }

    void damagedStoreReadsAsDefaults()
    {
        const QString dir = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/KolvoTrasig");
        QDir().mkpath(dir);
        QFile file(dir + QStringLiteral("/KolvoTrasig.conf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const char damaged[] = "\xff\xfe\x00garbage[[[\n=\n[KolvoHighscore]\nScore=a, b, c\n";
        file.write(damaged, sizeof(damaged) - 1);
        file.close();
        QtSettingsStore store;
        QCOMPARE(store.value(u"KolvoTrasig", u"KolvoHighscore", u"Name", u"Nobody"), QStringLiteral("Nobody"));
        // A list written by hand shows as it stands.
        QCOMPARE(store.value(u"KolvoTrasig", u"KolvoHighscore", u"Score", u"0"), QStringLiteral("a, b, c"));
    }

    // Fault guarded: two games ending at once on one account stored the lower record
    // last, and name and score could come from different games.
    void racingSavesKeepTheHigherRecordWhole()
    {
        const QString application = QStringLiteral("KolvoKapplopp");
        for (int round = 0; round < 8; ++round) {
            QFile::remove(QtSettingsStore().fileName(application));
            std::vector<std::unique_ptr<QProcess>> savers;
            for (const char* score : {"95", "55", "80", "60"}) {
                auto saver = std::make_unique<QProcess>();
                QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
                env.insert(QLatin1String(kSaverMode), QString::fromLatin1(score));
                env.insert(QStringLiteral("KOLVO_TEST_APPLICATION"), application);
                saver->setProcessEnvironment(env);
                saver->start(QCoreApplication::applicationFilePath(), {});
                savers.push_back(std::move(saver));
            }
            for (auto& saver : savers) {
                QVERIFY(saver->waitForFinished(20000));
                QCOMPARE(saver->exitCode(), 0);
            }
            QtSettingsStore store;
            QCOMPARE(store.value(application, u"KolvoHighscore", u"Score", u"0"), QStringLiteral("95"));
            QCOMPARE(store.value(application, u"KolvoHighscore", u"Name", u"Nobody"), QStringLiteral("Spelare 95"));
        }
    }

    // Fault guarded: a record that could not be written was reported as saved.
    void unwritableStoreSaysWhyAndIsLeftAlone_data()
    {
        QTest::addColumn<bool>("directoryInItsPlace");
        QTest::newRow("read-only file") << false;
        QTest::newRow("a directory in its place") << true;
    }
    void unwritableStoreSaysWhyAndIsLeftAlone()
    {
        QFETCH(bool, directoryInItsPlace);
        if (!directoryInItsPlace && ::geteuid() == 0)
            QSKIP("root writes read-only files");
        const QString application = QStringLiteral("KolvoLast-%1").arg(directoryInItsPlace);
        QtSettingsStore store;
        const QString file = store.fileName(application);
        QDir().mkpath(QFileInfo(file).absolutePath());
        if (directoryInItsPlace) {
            QVERIFY(QDir().mkpath(file));
        } else {
            store.setValue(application, u"KolvoHighscore", u"Score", u"40");
            QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
        }
        const QByteArray before = directoryInItsPlace ? QByteArray() : readAll(file);
        const auto result = store.setValuesIf(application, u"KolvoHighscore", {{"Score", "90"}, {"Name", "Bo"}},
                                              u"Score", u"0", [](const QString&) { return true; });
        QCOMPARE(result.outcome, SettingsStore::SaveResult::Outcome::Failed);
        QVERIFY2(result.reason.contains(QDir::toNativeSeparators(file)), qPrintable(result.reason));
        QCOMPARE(QFileInfo(file).isDir(), directoryInItsPlace);
        if (!directoryInItsPlace)
            QCOMPARE(readAll(file), before);
    }

    // Fault guarded: a store holding garbage was saved into yet reported as not saved, and an
    // empty lock file left by a save killed while making it failed every save for half a minute.
    void savesOverLeftovers_data()
    {
        QTest::addColumn<QByteArray>("store");
        QTest::addColumn<QByteArray>("lock"); // null: none
        QTest::newRow("garbage in the store") << QByteArray("\xff\xfe\x00[[[\n=\nScore=a, b\n", 18) << QByteArray();
        QTest::newRow("empty lock of a killed save") << QByteArray("[KolvoHighscore]\nScore=40\n") << QByteArray("");
    }
    void savesOverLeftovers()
    {
        QFETCH(QByteArray, store);
        QFETCH(QByteArray, lock);
        const QString application = QStringLiteral("KolvoRester-%1").arg(lock.isNull());
        const QString file = QtSettingsStore::fileName(application);
        QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
        for (const auto& [name, bytes] : {std::pair{file, store}, std::pair{file + ".save-lock", lock}}) {
            QFile f(name);
            QVERIFY(bytes.isNull() || (f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size()));
        }
        QtSettingsStore settings;
        const auto result = settings.setValuesIf(application, u"KolvoHighscore", {{"Score", "90"}}, u"Score", u"0",
                                                 [](const QString&) { return true; });
        QVERIFY2(result.outcome == SettingsStore::SaveResult::Outcome::Written, qPrintable(result.reason));
        QCOMPARE(settings.value(application, u"KolvoHighscore", u"Score", u"0"), QStringLiteral("90"));
    }

    // Fault guarded: a relative XDG_CONFIG_HOME or XDG_CACHE_HOME was taken as it stood, so the
    // record went elsewhere; the base-directory rules say to ignore it.
    void relativeBaseDirectoriesAreIgnored()
    {
        const QByteArray config = qgetenv("XDG_CONFIG_HOME"), cache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CONFIG_HOME", "relativ");
        qputenv("XDG_CACHE_HOME", "relativ");
        const QString store = QtSettingsStore::fileName(u"Kolvo"), cacheDirectory = userCacheDirectory();
        qputenv("XDG_CONFIG_HOME", config);
        qputenv("XDG_CACHE_HOME", cache);
        QCOMPARE(store, QDir::homePath() + "/.config/Kolvo/Kolvo.conf");
        QCOMPARE(cacheDirectory, QDir::homePath() + "/.cache/" + QCoreApplication::applicationName());
        QCOMPARE(QtSettingsStore::fileName(u"Kolvo"), config + "/Kolvo/Kolvo.conf"); // an absolute one is kept
        // Nor may any library see it: the sound server's client wrote "relativ/pulse/cookie"
        // into the working directory.
        const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
        qputenv("XDG_CACHE_HOME", "relativ");
        qputenv("XDG_DATA_DIRS", "relativ:/usr/share");
        dropRelativeBaseDirectories();
        QVERIFY(!qEnvironmentVariableIsSet("XDG_CACHE_HOME"));
        QCOMPARE(qgetenv("XDG_DATA_DIRS"), "/usr/share");
        QCOMPARE(qgetenv("XDG_CONFIG_HOME"), config);
        qputenv("XDG_CACHE_HOME", cache);
        if (dataDirs.isNull())
            qunsetenv("XDG_DATA_DIRS");
        else
            qputenv("XDG_DATA_DIRS", dataDirs);
    }

    // Fault guarded: with room for the lock files but not the new store, the store was left
    // empty: a failed save's changes were written again outside the lock, by the next read.
    void nearlyFullDiskKeepsTheOldStoreOrTheWholeNewOne_data()
    {
        QTest::addColumn<int>("freeKiB");
        for (int kib : {0, 4, 8, 12, 16, 32})
            QTest::addRow("%d KiB free", kib) << kib;
    }
    void nearlyFullDiskKeepsTheOldStoreOrTheWholeNewOne()
    {
        QFETCH(int, freeKiB);
        if (::geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("unshare")).isEmpty())
            QSKIP("a private tmpfs needs root and unshare");
        QTemporaryDir mountPoint;
        QProcess saver;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QLatin1String(kFullDiskMode), QString::number(freeKiB));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), mountPoint.path());
        saver.setProcessEnvironment(env);
        saver.start(QStringLiteral("unshare"),
                    {"-m", "sh", "-c", R"(mount -t tmpfs -o size=256k kolvo "$XDG_CONFIG_HOME" && exec "$0")",
                     QCoreApplication::applicationFilePath()});
        QVERIFY(saver.waitForFinished(20000));
        QVERIFY2(saver.exitCode() == 0, saver.readAllStandardError().constData());
    }

    void messageBoxShowsPlainTextInSwedish()
    {
        QtDialogs dialogs;
        QString shownText, title;
        QStringList buttons;
        whenModalShows([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            title = box->windowTitle();
            shownText = box->text();
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            for (auto* b : box->buttons())
                buttons << b->text();
            QCOMPARE(box->defaultButton()->text(), QStringLiteral("OK"));
            box->close(); // closing by other means counts as Cancel
        });
        const DialogAnswer answer = dialogs.message(QStringLiteral("Vinner gör <b>Bo</b> & Co\r\nmed poängen: 3"),
                                                    DialogButtons::OkCancel, QStringLiteral("Segrare"));
        QCOMPARE(answer, DialogAnswer::Cancel);
        QCOMPARE(title, QStringLiteral("Segrare"));
        QCOMPARE(shownText, QStringLiteral("Vinner gör <b>Bo</b> & Co\nmed poängen: 3"));
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"Avbryt", "OK"}));

        whenModalShows([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
        QCOMPARE(dialogs.message(QStringLiteral("Fråga"), DialogButtons::OkCancel, QStringLiteral("Kolvo")),
                 DialogAnswer::Ok);
        whenModalShows([](QWidget* w) { w->close(); });
        QCOMPARE(dialogs.message(QStringLiteral("Bara OK"), DialogButtons::Ok, QStringLiteral("Kolvo")),
                 DialogAnswer::Ok);
    }

    void messageBoxShowsItsTitleWhole()
    {
        // Whatever the decoration, it has room for the title in the title-bar font and
        // for three buttons of a bar's height (two lines) beside it.
        const QString title = QStringLiteral("Högsta poäng");
        QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        font.setBold(true);
        const QFontMetrics metrics(font);
        int width = 0;
        whenModalShows([&](QWidget* w) {
            width = w->width();
            w->close();
        });
        QtDialogs().message(QStringLiteral("Nytt rekord !!"), DialogButtons::Ok, title);
        QVERIFY2(width >= metrics.horizontalAdvance(title) + 3 * 2 * metrics.height(),
                 qPrintable(QString::number(width)));
    }

    // Every change of a list in a choice form is told with the list's label and its new value,
    // by the form itself: a screen reader reads Qt's list only as it is reached.
    void choiceFormTellsEachChange_data()
    {
        QTest::addColumn<QStringList>("keys"); // "<list> <Up|Down>", each in a pass of its own
        QTest::addColumn<QStringList>("told");
        QTest::newRow("down") << QStringList{"0 Down"} << QStringList{"Människor: 2"};
        QTest::newRow("down and up") << QStringList{"0 Down", "0 Up"} << QStringList{"Människor: 2", "Människor: 1"};
        QTest::newRow("up at the top") << QStringList{"0 Up"} << QStringList{};
        QTest::newRow("the second list") << QStringList{"1 Up"}
                                         << QStringList{"Tempo: Snabb: en tur på ett par sekunder"};
    }
    void choiceFormTellsEachChange()
    {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, told);
        const std::vector<ChoiceField> fields{
            {QStringLiteral("&Människor:"), {"1", "2", "3"}, 0},
            {QStringLiteral("&Tempo:"),
             {"Snabb: en tur på ett par sekunder", "Normal: en halv sekund mellan dragen"},
             1},
        };
        QStringList heard;
        whenModalShows([&](QWidget* w) {
            const QList<QComboBox*> lists = w->findChildren<QComboBox*>();
            auto* voice = w->findChild<Announcer*>();
            QVERIFY(lists.size() == 2 && voice);
            QObject::connect(voice, &Announcer::announced, w, [&heard](const QString& s) { heard << s; });
            for (const QString& step : keys) {
                const QStringList k = step.split(u' ');
                QTest::keyClick(lists[k[0].toInt()], k[1] == u"Up" ? Qt::Key_Up : Qt::Key_Down);
                bool passed = false;
                voice->afterTold(w, [&passed] { passed = true; });
                QTRY_VERIFY(passed);
            }
        });
        QtDialogs().askChoices(QStringLiteral("Mot datorn"), fields, [](const Choices&) { return true; });
        QCOMPARE(heard, told);
    }

    void inputBox()
    {
        QtDialogs dialogs;
        whenModalShows([](QWidget* w) {
            auto* edit = w->findChild<QLineEdit*>();
            QVERIFY(edit);
            QVERIFY(edit->text().isEmpty());
            QCOMPARE(w->windowTitle(), QStringLiteral("Kolvo"));
            QVERIFY(w->findChild<QLabel*>()->text() == QStringLiteral("Vad heter spelare nr 1 ?"));
            QTest::keyClicks(edit, QStringLiteral("<i>Åsa</i>"));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(dialogs.askText(QStringLiteral("Vad heter spelare nr 1 ?"), QStringLiteral("Kolvo")),
                 QStringLiteral("<i>Åsa</i>"));
        whenModalShows([](QWidget* w) {
            QTest::keyClicks(w->findChild<QLineEdit*>(), QStringLiteral("Bo"));
            auto* box = w->findChild<QDialogButtonBox*>();
            QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Avbryt"));
            box->button(QDialogButtonBox::Cancel)->click();
        });
        QCOMPARE(dialogs.askText(QStringLiteral("Vad heter spelare nr 2 ?"), QStringLiteral("Kolvo")), std::nullopt);
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(kSaverMode)) {
        // One game's end: save its record if it beats the stored one.
        QCoreApplication app(argc, argv);
        const QString score = qEnvironmentVariable(kSaverMode);
        const auto result = QtSettingsStore().setValuesIf(
            qEnvironmentVariable("KOLVO_TEST_APPLICATION"), u"KolvoHighscore",
            {{"Score", score}, {"Name", QStringLiteral("Spelare ") + score}}, u"Score", u"0",
            [&](const QString& stored) { return stored.toInt() < score.toInt(); });
        return result.outcome == SettingsStore::SaveResult::Outcome::Failed ? 1 : 0;
    }
    if (qEnvironmentVariableIsSet(kFullDiskMode)) {
        QCoreApplication app(argc, argv);
        QtSettingsStore store;
        const QString file = store.fileName(u"Kolvo");
        store.setValue(u"Kolvo", u"KolvoHighscore", u"Score", u"100");
        const QByteArray before = readAll(file);
        // Saved in an earlier game: Qt rereads a file only when its size or time differs.
        QFile earlier(file);
        if (!earlier.open(QIODevice::ReadOnly)
            || !earlier.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime))
            return 2;
        QFile filler(qEnvironmentVariable("XDG_CONFIG_HOME") + "/fyllning");
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        while (filler.write(QByteArray(4096, 'x')) == 4096) {}
        filler.resize(filler.size() - qEnvironmentVariableIntValue(kFullDiskMode) * 1024);
        const auto result = store.setValuesIf(u"Kolvo", u"KolvoHighscore", {{"Score", "250"}}, u"Score", u"0",
                                              [](const QString&) { return true; });
        const QString shown = store.value(u"Kolvo", u"KolvoHighscore", u"Score", u"0"); // as the window reads it
        const QByteArray after = readAll(file);
        const bool written = result.outcome == SettingsStore::SaveResult::Outcome::Written;
        const bool whole = written ? after.contains("Score=250") && shown == "250" : after == before && shown == "100";
        const QStringList left = QDir(QFileInfo(file).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QTextStream(stderr) << "saved: " << written << ", shown: " << shown << ", store after: " << after
                            << ", beside it: " << left.join(' ');
        return whole && left == QStringList{"Kolvo.conf"} ? 0 : 1;
    }
    if (qEnvironmentVariableIsSet(kReaderMode)) {
        QCoreApplication app(argc, argv);
        QtSettingsStore store;
        const QByteArray out
            = store.value(qEnvironmentVariable("KOLVO_TEST_APPLICATION"), u"KolvoHighscore", u"Name", u"Nobody")
                  .toUtf8();
        fwrite(out.constData(), 1, size_t(out.size()), stdout);
        return 0;
    }
    // A store of the test's own, never the user's.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    PlatformTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "platform_test.moc"
