// SPDX-License-Identifier: GPL-3.0-or-later
// Carries out media commands through the real SDL service and logs when, for the
// playback check (check_playback.py), which records the sound server meanwhile.
//
//   kolvo-sound-player STEP...
//
// A STEP is "<seconds>:<command>": hand the command (e.g. "Play /x/Roll.wav") to the
// service, then run the event loop for that many seconds. One line each on stdout:
//   DEVICES <n>                  the service's device count, before the first step
//   CMD <time> <command>         just before the command is handed over
//   FAIL <subject>\t<reason>     a failure as the reporter receives it
//   DONE <time>                  the service has shut down (after the last step)
// Times are seconds of CLOCK_MONOTONIC, the clock of Python's time.monotonic().
#include <chrono>
#include <cstdio>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "sound/SdlMedia.h"

namespace {

double now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    {
        SdlMedia media([](const MediaFailure& failure) {
            std::printf("FAIL %s\t%s\n", failure.subject.toUtf8().constData(), failure.reason.toUtf8().constData());
        });
        std::printf("DEVICES %u\n", media.waveOutGetNumDevs());
        for (int i = 1; i < argc; ++i) {
            const QByteArray step(argv[i]);
            const int colon = step.indexOf(':');
            if (colon < 0) {
                std::fprintf(stderr, "bad step: %s\n", argv[i]);
                return 2;
            }
            const double seconds = step.left(colon).toDouble();
            const QByteArray command = step.mid(colon + 1);
            std::printf("CMD %.6f %s\n", now(), command.constData());
            media.mciExecute(command);
            QEventLoop loop;
            QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
            loop.exec();
        }
    }
    std::printf("DONE %.6f\n", now());
    return 0;
}
