// SPDX-License-Identifier: GPL-3.0-or-later
// The game's two ways into the media service, against the recording fake.
#include <QtTest>

#include "fakes/FakeMedia.h"
#include "fakes/FakeSettings.h"
#include "sound/PlaySound.h"
#include "sound/SoundChoice.h"

class PlaySoundTest : public QObject {
    Q_OBJECT
private slots:
    void nothingIsIssued_data()
    {
        QTest::addColumn<unsigned>("devices");
        QTest::addColumn<QString>("storedChoice");
        QTest::newRow("no output device") << 0u << QString();
        // Fault guarded: the tune played from the set-up window whatever the player had chosen.
        QTest::newRow("sound off, from the last run") << 1u << QStringLiteral("off");
    }
    void nothingIsIssued()
    {
        QFETCH(unsigned, devices);
        QFETCH(QString, storedChoice);
        FakeMedia media;
        FakeSettings settings;
        media.devices = devices;
        if (!storedChoice.isNull())
            settings.setValue(u"Kolvo", sound::kPreferenceSection, sound::kSoundKey, storedChoice);
        sound::restoreSoundChoice(media, settings, u"Kolvo");
        for (const char* file : {"Roll.wav", "claps.wav", "glass.wav", "clap.wav", "Congratulations.mid"})
            sound::PlaySound(media, QStringLiteral("/opt/kolvo/") + QLatin1String(file));
        sound::playSetupTune(media);
        QCOMPARE(media.commands, std::vector<QByteArray>(storedChoice.isNull() ? 0 : 1, "Stop"));
    }

    // Ljud off stops the tune that plays on from the set-up window; on again, the next sound plays.
    void soundOffAndOnAgain()
    {
        FakeMedia media;
        FakeSettings settings;
        sound::playSetupTune(media);
        sound::chooseSound(media, settings, u"Kolvo", false);
        sound::PlaySound(media, QStringLiteral("/k/Roll.wav"));
        QCOMPARE(media.commands, (std::vector<QByteArray>{"Play I3IK.MID", "Stop"}));
        QCOMPARE(settings.value(u"Kolvo", sound::kPreferenceSection, sound::kSoundKey, u""), QStringLiteral("off"));
        sound::chooseSound(media, settings, u"Kolvo", true);
        sound::PlaySound(media, QStringLiteral("/k/Roll.wav"));
        QCOMPARE(media.commands.back(), QByteArray("Play /k/Roll.wav"));
    }

    void commandIsPlayAndThePathAsGiven_data()
    {
        QTest::addColumn<QString>("wavName");
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("roll, directory with a blank")
            << QStringLiteral("/opt/kolvo spel/Roll.wav") << QByteArray("Play /opt/kolvo spel/Roll.wav");
        QTest::newRow("fanfare") << QStringLiteral("/opt/kolvo/Congratulations.mid")
                                 << QByteArray("Play /opt/kolvo/Congratulations.mid");
        QTest::newRow("non-ASCII letters become UTF-8") << QStringLiteral("/hem/Åsa Öberg/spel/glass.wav")
                                                        << QByteArray("Play /hem/\xc3\x85sa \xc3\x96"
                                                                      "berg/spel/glass.wav");
    }
    void commandIsPlayAndThePathAsGiven()
    {
        QFETCH(QString, wavName);
        QFETCH(QByteArray, command);
        FakeMedia media;
        sound::PlaySound(media, wavName);
        QCOMPARE(media.commands.size(), std::size_t(1));
        QCOMPARE(media.commands.front(), command);
    }

    void rollBuiltFromTheProgramDirectory()
    {
        FakeMedia media;
        const QString AppDir = QStringLiteral("/opt/kolvo spel/");
        sound::PlaySound(media, AppDir + QStringLiteral("Roll.wav"));
        QCOMPARE(media.commands.at(0), QByteArray("Play /opt/kolvo spel/Roll.wav"));
    }

    void setupTuneNamesNoDirectory()
    {
        FakeMedia media;
        sound::playSetupTune(media);
        QCOMPARE(media.commands.size(), std::size_t(1));
        QCOMPARE(media.commands.front(), QByteArray("Play I3IK.MID"));
    }

    // The applause right after a roll: the second request does not wait for the first.
    void twoSoundsInARowAreBothIssued()
    {
        FakeMedia media;
        sound::PlaySound(media, QStringLiteral("/k/Roll.wav"));
        sound::PlaySound(media, QStringLiteral("/k/claps.wav"));
        QCOMPARE(media.commands, (std::vector<QByteArray>{"Play /k/Roll.wav", "Play /k/claps.wav"}));
    }

    // Every request asks for the device count anew: a device that appears is used.
    void gateIsAskedAtEveryRequest()
    {
        FakeMedia media;
        media.devices = 0;
        sound::PlaySound(media, QStringLiteral("/k/Roll.wav"));
        media.devices = 2;
        sound::PlaySound(media, QStringLiteral("/k/Roll.wav"));
        sound::playSetupTune(media);
        QCOMPARE(media.commands, (std::vector<QByteArray>{"Play /k/Roll.wav", "Play I3IK.MID"}));
    }
};

QTEST_GUILESS_MAIN(PlaySoundTest)
#include "sound_playsound_test.moc"
