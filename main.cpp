// SPDX-License-Identifier: GPL-3.0-or-later
#include <malloc.h>

#include <QApplication>

#include "app/KolvoApp.h"
#include "arena/ArenaTexts.h"
#include "arena/KolvoArena.h"
#include "platform/Language.h"
#include "platform/ProgramDirectory.h"
#include "platform/QtDialogs.h"
#include "platform/QtSettingsStore.h"
#include "sound/SdlMedia.h"
#include "sound/SoundChoice.h"
#include "platform/StdRandom.h"

int main(int argc, char** argv)
{
    // A tune's synthesizer holds the soundfont's samples, megabytes in one block. Once such
    // a block was freed, glibc would raise its trim and mmap thresholds above it and keep
    // every later synthesizer's memory after the tune; with the trim threshold fixed at its
    // default, freeing a tune and malloc_trim give the memory back to the system.
    constexpr int kTrimThreshold = 128 * 1024;
    ::mallopt(M_TRIM_THRESHOLD, kTrimThreshold);
    dropRelativeBaseDirectories();

    QApplication app(argc, argv);
    QApplication::setApplicationName(texts::kTitle.toString());
    // Docks match the window to the installed desktop entry, and its icon, by this name.
    QApplication::setDesktopFileName(QStringLiteral("io.github.kolvo.kolvo"));

    // The services outlive the windows, which the chain deletes when it goes.
    QtDialogs dialogs;
    StdRandom random;
    QtSettingsStore settings;
    // Every window is made in the language the player chose, Swedish unless another was.
    language::restore(settings, texts::kStoreApplication);
    // Sound failures are the media back-end's to word and the dialogs' to show.
    SdlMedia media([&dialogs](const MediaFailure& failure) { dialogs.showFailure(failure.text()); });
    sound::restoreSoundChoice(media, settings, texts::kStoreApplication);
    const Services services{.dialogs = &dialogs,
                            .random = &random,
                            .settings = &settings,
                            .media = &media,
                            .programDirectory = executableDirectory,
                            .cacheDirectory = userCacheDirectory};

    KolvoApp kolvo(services,
                   [](const Services& s, FacePictureSource faces) { return new KolvoArena(s, std::move(faces)); });
    kolvo.start();
    return app.exec();
}
