// SPDX-License-Identifier: GPL-3.0-or-later
// The SDL media service without a sound server: SDL's dummy output mixes in real time
// but plays nothing, and the mixer probe tells whether a command made sound. Also the
// failure box its failures are shown in, through the real dialogs: alone, and over a
// whole game played with broken sound files.
#include <QtTest>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include <fluidsynth.h>

#include "fakes/FakeRandom.h"
#include "fakes/FakeSettings.h"
#include "arena/KolvoArena.h"
#include "platform/QtDialogs.h"
#include "sound/SdlMedia.h"
#include "platform/Services.h"
#include "sound/TuneFont.h"

using namespace std::chrono_literals;

namespace {

const QString kSounds = QStringLiteral(KOLVO_SOUNDS_DIR);
// Set in the environment of a child run that checks what a fresh process loads.
constexpr char kFreshProcess[] = "KOLVO_TEST_FRESH_PROCESS";
// A MIDI header and a track that is cut short after its first byte of events.
constexpr char kCutTune[] = "MThd\0\0\0\6\0\0\0\1\0\x60MTrk\0\0\1\0\0\x90";

QByteArray play(const QString& path)
{
    return "Play " + path.toLocal8Bit();
}

// Collects what the service reports, as the injected reporter.
struct Failures {
    std::vector<MediaFailure> seen;
    SdlMedia::Reporter reporter()
    {
        return [this](const MediaFailure& failure) { seen.push_back(failure); };
    }
};

// Waits for the worker, then lets the queued reports arrive.
void settle(SdlMedia& media)
{
    media.waitUntilIdle();
    QCoreApplication::processEvents();
}

bool audibleAfter(SdlMedia& media, const QByteArray& command, std::chrono::milliseconds within)
{
    media.armAudibleProbe();
    media.mciExecute(command);
    return media.waitAudible(within).has_value();
}

QList<QMessageBox*> failureBoxes()
{
    QList<QMessageBox*> boxes;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w);
            box && box->isVisible() && box->objectName() == QLatin1String("KolvoFailureBox"))
            boxes.append(box);
    return boxes;
}

void closeFailureBoxes()
{
    for (QMessageBox* box : failureBoxes())
        box->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(failureBoxes().isEmpty());
}

// Counts the failure boxes as they open: how many, how many at once, how many over a modal box.
struct FailureWatch : QObject {
    int shown = 0;
    int mostOpen = 0;
    int overModal = 0;

    void check() { mostOpen = std::max(mostOpen, int(failureBoxes().size())); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("KolvoFailureBox")) {
            ++shown;
            overModal += QApplication::activeModalWidget() ? 1 : 0;
            check();
        }
        return false;
    }
};

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A tune rendered by FluidSynth from a soundfont file, offline, through the end of its tail.
std::vector<short> render(const QByteArray& fontPath, const QByteArray& midi)
{
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", 44100);
    fluid_synth_t* synth = new_fluid_synth(settings);
    std::vector<short> out;
    if (fluid_synth_sfload(synth, fontPath.constData(), 1) != FLUID_FAILED) {
        fluid_player_t* player = new_fluid_player(synth);
        fluid_player_add_mem(player, midi.constData(), std::size_t(midi.size()));
        fluid_player_play(player);
        short block[2 * 512];
        for (int tail = 0; tail < 100; tail += fluid_player_get_status(player) == FLUID_PLAYER_PLAYING ? 0 : 1) {
            fluid_synth_write_s16(synth, 512, block, 0, 2, block, 1, 2);
            out.insert(out.end(), std::begin(block), std::end(block));
        }
        delete_fluid_player(player);
    }
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return out;
}

} // namespace

class SdlMediaTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Kolvo")); // as the program names itself
        qputenv("SDL_AUDIODRIVER", "dummy");
        QVERIFY(QFile::exists(kSounds + "/Roll.wav"));
    }
    void init() { qputenv("SDL_AUDIODRIVER", "dummy"); }

    // A run that plays nothing loads no audio library; the first sound asked for does.
    // In a process of its own: any earlier test of this one has loaded the mixer.
    void nothingLoadedBeforeTheFirstSound()
    {
        QProcess fresh;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kFreshProcess), QStringLiteral("1"));
        fresh.setProcessEnvironment(env);
        fresh.setProcessChannelMode(QProcess::ForwardedChannels);
        fresh.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(fresh.waitForFinished(60'000));
        QCOMPARE(fresh.exitStatus(), QProcess::NormalExit);
        QCOMPARE(fresh.exitCode(), 0);
    }

    void dummyOutputCountsAsOneDevice()
    {
        SdlMedia media([](const MediaFailure&) {});
        QCOMPARE(media.waveOutGetNumDevs(), 1u);
    }

    // A machine without sound output: the count is 0 and nothing breaks.
    void noServerMeansNoDevice()
    {
        qputenv("SDL_AUDIODRIVER", "pulseaudio");
        qputenv("PULSE_SERVER", "unix:/nonexistent/kolvo-no-server");
        Failures failures;
        {
            SdlMedia media(failures.reporter());
            QCOMPARE(media.waveOutGetNumDevs(), 0u);
        }
        qunsetenv("PULSE_SERVER");
        QVERIFY(failures.seen.empty());
    }

    void refusedCommands_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("reason");
        const int command = int(MediaFailure::Kind::Command);
        const int file = int(MediaFailure::Kind::File);
        QTest::newRow("unknown verb") << QByteArray("Stop /k/Roll.wav") << command << "Stop /k/Roll.wav"
                                      << "Okänt kommando.";
        QTest::newRow("verb alone") << QByteArray("Play") << command << "Play"
                                    << "Filnamnet saknas.";
        QTest::newRow("no path") << QByteArray("Play ") << command << "Play "
                                 << "Filnamnet saknas.";
        QTest::newRow("quoted path is not a wave") << QByteArray("Play \"/k/Roll.wav\"") << file << "\"/k/Roll.wav\""
                                                   << "Filtypen kan inte spelas upp (bara .wav och .mid).";
        QTest::newRow("mp3") << QByteArray("Play /k/låt.mp3") << file << "/k/låt.mp3"
                             << "Filtypen kan inte spelas upp (bara .wav och .mid).";
    }
    void refusedCommands()
    {
        QFETCH(QByteArray, command);
        QFETCH(int, kind);
        QFETCH(QString, subject);
        QFETCH(QString, reason);
        Failures failures;
        SdlMedia media(failures.reporter());
        QVERIFY(!media.mciExecute(command));
        QVERIFY2(failures.seen.empty(), "reported before the caller went on");
        settle(media);
        QCOMPARE(failures.seen.size(), std::size_t(1));
        QCOMPARE(failures.seen[0], (MediaFailure{MediaFailure::Kind(kind), subject, reason}));
    }

    void verbInAnyCase_data()
    {
        QTest::addColumn<QByteArray>("verb");
        QTest::newRow("Play") << QByteArray("Play");
        QTest::newRow("play") << QByteArray("play");
        QTest::newRow("PLAY") << QByteArray("PLAY");
    }
    void verbInAnyCase()
    {
        QFETCH(QByteArray, verb);
        Failures failures;
        SdlMedia media(failures.reporter());
        QVERIFY(audibleAfter(media, verb + " " + (kSounds + "/Roll.wav").toLocal8Bit(), 2s));
        settle(media);
        QVERIFY(failures.seen.empty());
    }

    void unplayableFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing wave") << "saknas.wav" << QByteArray() << "Filen finns inte.";
        QTest::newRow("missing tune") << "saknas.MID" << QByteArray() << "Filen finns inte.";
        QTest::newRow("text as wave") << "text.wav" << QByteArray("inte ljud\n")
                                      << "Filen är ingen WAV-ljudfil som kan spelas upp.";
        QTest::newRow("text as tune") << "text.mid" << QByteArray("inte heller\n")
                                      << "Filen är ingen MIDI-fil som kan spelas upp.";
        QTest::newRow("empty wave") << "tom.wav" << QByteArray("") << "Filen är ingen WAV-ljudfil som kan spelas upp.";
        QTest::newRow("directory") << "mapp.wav" << QByteArray("<dir>") << "Det är ingen vanlig fil.";
    }
    void unplayableFiles()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (content == "<dir>") {
            QVERIFY(QDir().mkdir(path));
        } else if (!content.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        Failures failures;
        SdlMedia media(failures.reporter());
        QVERIFY(media.mciExecute(play(path)));
        settle(media);
        QCOMPARE(failures.seen.size(), std::size_t(1));
        QCOMPARE(failures.seen[0], (MediaFailure{MediaFailure::Kind::File, path, reason}));
        QVERIFY(failures.seen[0].text().startsWith("Ljudfilen kunde inte spelas upp:\n" + path + "\n\n"));
    }

    // A tune whose only track is cut short. SDL_mixer takes it, since FluidSynth reads
    // the tracks only once the tune plays, and then it ends at once in silence: no
    // failure can be reported, but the ended tune is let go and the next one plays.
    void cutShortTune()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("kort.mid"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kCutTune, sizeof kCutTune - 1);
        file.close();
        Failures failures;
        SdlMedia media(failures.reporter());
        QVERIFY(!audibleAfter(media, play(file.fileName()), 300ms));
        QVERIFY(audibleAfter(media, play(kSounds + "/Congratulations.mid"), 3s));
        settle(media);
        QVERIFY(failures.seen.empty());
    }

    // Nothing is remembered: a file that failed is tried again, and once it is there it plays.
    void failureIsNotRemembered()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Roll.wav");
        Failures failures;
        SdlMedia media(failures.reporter());
        media.mciExecute(play(path));
        media.mciExecute(play(path));
        settle(media);
        QCOMPARE(failures.seen.size(), std::size_t(2));
        QVERIFY(QFile::copy(kSounds + "/Roll.wav", path));
        QVERIFY(audibleAfter(media, play(path), 2s));
        settle(media);
        QCOMPARE(failures.seen.size(), std::size_t(2));
    }

    // A wave is read and decoded once; repeating it needs no file access.
    void repeatedWaveIsKept()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Roll.wav");
        QVERIFY(QFile::copy(kSounds + "/Roll.wav", path));
        Failures failures;
        SdlMedia media(failures.reporter());
        QVERIFY(audibleAfter(media, play(path), 2s));
        media.waitUntilIdle();
        QVERIFY(QFile::remove(path));
        media.mciExecute(play(path));
        settle(media);
        QVERIFY(failures.seen.empty());
    }

    void everyFilePlays_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Roll.wav", "glass.wav", "claps.wav", "clap.wav", "Congratulations.mid", "I3IK.MID"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyFilePlays()
    {
        QFETCH(QString, name);
        Failures failures;
        SdlMedia media(failures.reporter());
        QVERIFY(audibleAfter(media, play(kSounds + "/" + name), 3s));
        settle(media);
        QVERIFY(failures.seen.empty());
    }

    // The command does not set the path off; everything after the first blank is the path.
    void pathWithBlanksAndNonAsciiLetters()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("Kolvo spel/Åsa och Örjan"));
        const QString wave = dir.filePath("Kolvo spel/Åsa och Örjan/Tärning  rull.wav");
        const QString tune = dir.filePath("Kolvo spel/Åsa och Örjan/Grattis på dig.MID");
        QVERIFY(QFile::copy(kSounds + "/Roll.wav", wave));
        QVERIFY(QFile::copy(kSounds + "/Congratulations.mid", tune));
        Failures failures;
        SdlMedia media(failures.reporter());
        QVERIFY(audibleAfter(media, play(wave), 2s));
        QVERIFY(audibleAfter(media, play(tune), 3s));
        settle(media);
        QVERIFY(failures.seen.empty());
    }

    void relativePathIsLookedUpInTheWorkingDirectory()
    {
        const QString before = QDir::currentPath();
        QTemporaryDir empty, withTune;
        QVERIFY(QFile::copy(kSounds + "/I3IK.MID", withTune.filePath("I3IK.MID")));
        Failures failures;
        SdlMedia media(failures.reporter());
        QVERIFY(QDir::setCurrent(empty.path()));
        media.mciExecute("Play I3IK.MID");
        media.waitUntilIdle();
        QVERIFY(QDir::setCurrent(withTune.path()));
        const bool audible = audibleAfter(media, "Play I3IK.MID", 3s);
        media.waitUntilIdle();
        QDir::setCurrent(before);
        QVERIFY(audible);
        QCoreApplication::processEvents();
        QCOMPARE(failures.seen.size(), std::size_t(1));
        QCOMPARE(failures.seen[0].subject, QStringLiteral("I3IK.MID"));
    }

    // The call hands the work over: even the first play of a tune, which loads the whole
    // soundfont, returns long before it is heard.
    void callReturnsAtOnce()
    {
        SdlMedia media([](const MediaFailure&) {});
        media.waveOutGetNumDevs();
        media.armAudibleProbe();
        media.mciExecute(play(kSounds + "/I3IK.MID"));
        QVERIFY2(!media.waitAudible(0ms), "the tune sounded before the call returned");
        QVERIFY(media.waitAudible(10s));
    }

    // A soundfont that is not there, or not one: tunes are refused, waves still play.
    void soundFontFailures_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray() << "Ljudbanken för MIDI saknas: ";
        QTest::newRow("not a soundfont") << QByteArray("RIFF inte en ljudbank\n")
                                         << "Ljudbanken för MIDI kan inte läsas: ";
    }
    void soundFontFailures()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString font = dir.filePath("kolvo.sf2");
        if (!content.isNull()) {
            QFile file(font);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        Failures failures;
        SdlMedia media(failures.reporter(), font.toStdString());
        media.mciExecute(play(kSounds + "/I3IK.MID"));
        settle(media);
        QCOMPARE(failures.seen.size(), std::size_t(1));
        QCOMPARE(failures.seen[0].reason, reason + font);
        QVERIFY(audibleAfter(media, play(kSounds + "/Roll.wav"), 2s));
    }

    // More sounds at once than there are channels: the newest still starts.
    // Guards the cut of the soundfont that tunes are loaded with: a zone, sample or
    // guard point too few would change the sound, or silence a note.
    void cutFontPlaysTheTuneAsTheWholeFont_data()
    {
        QTest::addColumn<QString>("tune");
        QTest::newRow("record") << "Congratulations.mid";
        QTest::newRow("set-up") << "I3IK.MID";
    }
    void cutFontPlaysTheTuneAsTheWholeFont()
    {
        QFETCH(QString, tune);
        const QByteArray fontPath = SdlMedia::kDefaultSoundFont;
        const QByteArray font = contents(QString::fromLatin1(fontPath)), midi = contents(kSounds + '/' + tune);
        const auto keys = tunefont::keysOfTune(midi, font);
        QVERIFY(keys);
        const QByteArray cut = tunefont::cutFont(font, *keys);
        QVERIFY2(cut.size() * 5 < font.size(), qPrintable(QString::number(cut.size())));
        QTemporaryDir dir;
        QFile file(dir.filePath("cut.sf2"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(cut) == cut.size());
        file.close();

        const std::vector<short> whole = render(fontPath, midi);
        QVERIFY(std::count_if(whole.begin(), whole.end(), [](short v) { return v != 0; }) > 44100);
        QVERIFY(render(QFile::encodeName(file.fileName()), midi) == whole);
    }

    // Damaged fonts and tunes the cut cannot follow give no cut (the whole font is then
    // used); what a cut of a damaged font gives is a font that holds together.
    void cutFontRefusesWhatItCannotFollow()
    {
        const QByteArray font = contents(QString::fromLatin1(SdlMedia::kDefaultSoundFont));
        const QByteArray midi = contents(kSounds + "/Congratulations.mid");
        const auto keys = tunefont::keysOfTune(midi, font);
        QVERIFY(keys);
        for (qsizetype length : {qsizetype(0), qsizetype(11), qsizetype(100), font.size() / 2, font.size() - 1})
            QVERIFY(tunefont::cutFont(font.first(length), *keys).isEmpty());

        const qsizetype pdta = font.indexOf("pdta");
        QVERIFY(pdta > 0);
        std::mt19937 random(7);
        for (int round = 0; round < 200; ++round) {
            QByteArray damaged = font;
            for (int i = 0; i < 8; ++i)
                damaged[pdta + qsizetype(random() % std::uint32_t(font.size() - pdta))] = char(random());
            const QByteArray cut = tunefont::cutFont(damaged, *keys);
            if (!cut.isEmpty())
                QVERIFY(!tunefont::cutFont(cut, *keys).isEmpty());
        }

        QByteArray withSysEx = midi;
        withSysEx.insert(midi.indexOf("MTrk") + 8, QByteArray("\0\xf0\x05\x7e\x7f\x09\x01\xf7", 8));
        withSysEx[midi.indexOf("MTrk") + 7] = char(withSysEx[midi.indexOf("MTrk") + 7] + 8);
        QVERIFY(!tunefont::keysOfTune(withSysEx, font));
        QVERIFY(!tunefont::keysOfTune(QByteArray(kCutTune, sizeof kCutTune - 1), font));
        QVERIFY(!tunefont::keysOfTune(midi, "RIFF"));
    }

    void manyWavesAtOnce()
    {
        // Every channel busy with a long silence: only the newest sound can be heard.
        QTemporaryDir dir;
        const QString silence = dir.filePath("silence.wav");
        QFile file(silence);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const quint32 bytes = 44100 * 2 * 10;
        QByteArray wave("RIFF....WAVEfmt \x10\0\0\0\1\0\1\0\x44\xac\0\0\x88\x58\1\0\2\0\x10\0data....", 44);
        qToLittleEndian<quint32>(36 + bytes, wave.data() + 4);
        qToLittleEndian<quint32>(bytes, wave.data() + 40);
        file.write(wave + QByteArray(bytes, '\0'));
        file.close();
        Failures failures;
        SdlMedia media(failures.reporter());
        for (int i = 0; i < SdlMedia::kEffectChannels + 4; ++i)
            media.mciExecute(play(silence));
        settle(media);
        QVERIFY(audibleAfter(media, play(kSounds + "/Roll.wav"), 10s));
        settle(media);
        QVERIFY(failures.seen.empty());
    }

    // Fault guarded: Ljud off left the set-up tune playing on into the game.
    void stopSilencesTheTuneAndWhatIsQueued()
    {
        Failures failures;
        SdlMedia media(failures.reporter());
        QVERIFY(audibleAfter(media, play(kSounds + "/I3IK.MID"), 3s));
        media.mciExecute(play(kSounds + "/claps.wav"));
        QVERIFY(media.mciExecute("Stop"));
        settle(media);
        media.armAudibleProbe();
        QVERIFY(!media.waitAudible(500ms));
        QVERIFY(audibleAfter(media, play(kSounds + "/Roll.wav"), 2s)); // the next sound plays again
        settle(media);
        QVERIFY(failures.seen.empty());
    }

    void shutdownWhilePlaying()
    {
        QElapsedTimer clock;
        {
            SdlMedia media([](const MediaFailure&) {});
            QVERIFY(audibleAfter(media, play(kSounds + "/I3IK.MID"), 3s));
            media.mciExecute(play(kSounds + "/claps.wav"));
            media.mciExecute(play(kSounds + "/Congratulations.mid")); // may still be loading
            clock.start();
        }
        // Within its close bound; the margin is for a loaded machine, a hang is what fails.
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed()) + " ms"));
    }

    // A report that arrives after the service is gone is dropped, not delivered to a dead reporter.
    void reportsDieWithTheService()
    {
        Failures failures;
        {
            SdlMedia media(failures.reporter());
            media.mciExecute("Play /nonexistent/x.wav");
            media.waitUntilIdle();
        }
        QCoreApplication::processEvents();
        QVERIFY(failures.seen.empty());
    }

    // A sound server that takes the connection and never answers: the first count gives
    // up after its bound, and the service still closes within its own.
    void stalledServer()
    {
        QTemporaryDir dir;
        const QByteArray path = dir.filePath("stalled").toLocal8Bit();
        const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
        QVERIFY(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
        QVERIFY(::listen(server, 4) == 0); // connections wait in the backlog, unanswered
        qputenv("SDL_AUDIODRIVER", "pulseaudio");
        qputenv("PULSE_SERVER", "unix:" + path);
        QElapsedTimer clock;
        qint64 first = 0, second = 0;
        {
            SdlMedia media([](const MediaFailure&) {});
            clock.start();
            const unsigned devices = media.waveOutGetNumDevs();
            first = clock.restart();
            QCOMPARE(devices, 0u);
            QCOMPARE(media.waveOutGetNumDevs(), 0u); // the bound is spent: no second wait
            second = clock.restart();
        }
        const qint64 closed = clock.elapsed();
        ::close(server); // the worker left behind gets its error and ends
        qunsetenv("PULSE_SERVER");
        // The first count waits out its bound and no longer; the second does not wait it
        // again. The upper margins are for a loaded machine: a hang is what fails.
        QVERIFY2(first >= 250 && first < 5000, qPrintable(QString::number(first) + " ms"));
        QVERIFY2(second < 250, qPrintable(QString::number(second) + " ms"));
        QVERIFY2(closed < 5000, qPrintable(QString::number(closed) + " ms"));
    }

    // Through the dialogs service: one failure box in the whole program, never over a modal box.
    void failureBox()
    {
        QtDialogs dialogs;
        const MediaFailure roll{MediaFailure::Kind::File, "/k/Roll.wav", "Filen finns inte."};
        const MediaFailure glass{MediaFailure::Kind::File, "/k/glass.wav", "Filen finns inte."};
        const MediaFailure clap{MediaFailure::Kind::File, "/k/clap.wav", "Filen finns inte."};
        dialogs.showFailure(roll.text());
        QList<QMessageBox*> boxes = failureBoxes();
        QCOMPARE(boxes.size(), 1);
        QPointer<QMessageBox> box = boxes[0];
        QCOMPARE(box->windowTitle(), QStringLiteral("Kolvo"));
        QCOMPARE(box->text(), QStringLiteral("Ljudfilen kunde inte spelas upp:\n/k/Roll.wav\n\nFilen finns inte."));
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->windowModality(), Qt::NonModal);
        QCOMPARE(box->buttons().size(), 1);
        QVERIFY(box->button(QMessageBox::Ok));

        dialogs.showFailure(glass.text()); // another failure while the box is open is dropped
        QCOMPARE(failureBoxes(), QList<QMessageBox*>{box.data()});
        QCOMPARE(box->text(), roll.text());
        box->button(QMessageBox::Ok)->click();
        QTRY_VERIFY(box.isNull());

        // Failures during a modal box wait for it; the first of them shows once it has closed.
        int shownDuringModal = -1;
        QTimer::singleShot(0, this, [&] {
            dialogs.showFailure(clap.text());
            dialogs.showFailure(glass.text());
        });
        // Answered once it is up, whenever that is on this machine.
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            auto* modal = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!modal || !modal->isVisible())
                return;
            answer.stop();
            QCoreApplication::sendPostedEvents();
            shownDuringModal = int(failureBoxes().size());
            modal->defaultButton()->click();
        });
        answer.start(20);
        dialogs.message(QStringLiteral("Segrare"), DialogButtons::Ok, QString());
        QCOMPARE(shownDuringModal, 0);
        QTRY_COMPARE(failureBoxes().size(), 1);
        QCOMPARE(failureBoxes()[0]->text(), clap.text());
        QCoreApplication::sendPostedEvents(); // the second failure, had it been kept
        QCoreApplication::processEvents();
        QCOMPARE(failureBoxes().size(), 1);
        closeFailureBoxes();
    }

    // Closing the game's last window ends the program even with a failure on screen.
    void openBoxDoesNotKeepTheProgramRunning()
    {
        QtDialogs dialogs;
        QWidget window;
        window.show();
        dialogs.showFailure(MediaFailure{MediaFailure::Kind::File, "/k/clap.wav", "Filen finns inte."}.text());
        QCOMPARE(failureBoxes().size(), 1);
        QTimer::singleShot(0, &window, &QWidget::close);
        QTimer safety;
        safety.setSingleShot(true);
        connect(&safety, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        safety.start(3000);
        const int code = QApplication::exec(); // quitting closes the box as well
        closeFailureBoxes();
        QCOMPARE(code, 0);
    }

    // Broken sound files through a whole game on the real dialogs: failures keep coming
    // (every roll, every scratch, the end, the record), some while the game's own boxes
    // are up. At no moment is more than one failure box open, none opens while a modal
    // box is up, and the failure that came during the winner's message shows after it.
    void failureBoxesDuringAWholeGame()
    {
        QTemporaryDir dir;
        const auto write = [&](const char* name, const QByteArray& content) {
            QFile file(dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        };
        write("Roll.wav", "inte ljud\n");
        write("glass.wav", QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16)); // cut short
        write("claps.wav", QByteArray(4000, '\x7f'));
        write("Congratulations.mid", QByteArray(kCutTune, sizeof kCutTune - 1));
        // clap.wav is missing

        QtDialogs dialogs;
        FakeRandom random; // every die a one: nine scratches, a record
        FakeSettings settings;
        SdlMedia media([&dialogs](const MediaFailure& failure) { dialogs.showFailure(failure.text()); });
        const Services services{.dialogs = &dialogs,
                                .random = &random,
                                .settings = &settings,
                                .media = &media,
                                .programDirectory = [&dir] { return dir.path() + u'/'; },
                                .cacheDirectory = [&dir] { return dir.path(); }};
        KolvoArena arena(services, [](int) {
            QImage face(32, 32, QImage::Format_ARGB32_Premultiplied);
            face.fill(Qt::white);
            return face;
        });
        arena.Form_Load();
        arena.show();

        FailureWatch watch;
        qApp->installEventFilter(&watch);
        QStringList answered;
        QTimer player; // answers the game's modal boxes, once the failures begun before them are in
        connect(&player, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            media.waitUntilIdle();
            QCoreApplication::processEvents();
            watch.check();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                answered << box->text();
                box->defaultButton()->click();
            } else if (auto* name = modal->findChild<QLineEdit*>()) {
                answered << QStringLiteral("name");
                name->setText(QStringLiteral("Åsa"));
                modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            }
        });
        player.start(20);

        arena.SpelarNummer_Click(1);
        for (int category = 1; category <= 15; ++category) {
            arena.Roller_Click();
            arena.Timer1->stop();
            do
                arena.Timer1_Timer();
            while (arena.table().tickCount() != 0);
            settle(media);
            watch.check();
            closeFailureBoxes(); // so that the next failure may show
            arena.ScoreVal[category]->click();
            settle(media);
            watch.check();
        }
        QTRY_COMPARE(failureBoxes().size(), 1);
        const QString last = failureBoxes()[0]->text();
        player.stop();
        qApp->removeEventFilter(&watch);
        closeFailureBoxes();

        QCOMPARE(answered.size(), 1 + 9 + 2);
        QVERIFY(answered.contains(QStringLiteral("Nytt rekord !!")));
        QCOMPARE(watch.overModal, 0);
        QCOMPARE(watch.mostOpen, 1);
        QVERIFY2(watch.shown >= 15, qPrintable(QString::number(watch.shown)));
        QVERIFY2(last.contains(QStringLiteral("clap.wav")), qPrintable(last));
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(kFreshProcess)) {
        QCoreApplication app(argc, argv);
        qputenv("SDL_AUDIODRIVER", "dummy");
        const auto loaded = [] { return ::dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_NOLOAD) != nullptr; };
        SdlMedia media([](const MediaFailure&) {});
        media.mciExecute("Stop all"); // refused before any audio work
        if (loaded())
            return 1;
        return media.waveOutGetNumDevs() == 1u && loaded() ? 0 : 2;
    }
    QApplication app(argc, argv);
    SdlMediaTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "sound_sdlmedia_test.moc"
