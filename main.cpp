// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "app/KolvoApp.h"
#include "app/Translations.h"
#include "game/SolverCache.h"
#include "game/arena/ArenaTexts.h"
#include "game/arena/KolvoArena.h"
#include "platform/ProgramDirectory.h"
#include "platform/QtDialogs.h"
#include "platform/QtSettingsStore.h"
#include "platform/SdlMedia.h"
#include "platform/StdRandom.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(texts::kTitle.toString());
    // Docks match the window to the installed desktop entry, and its icon, by this name.
    QApplication::setDesktopFileName(QStringLiteral("io.github.kolvo.kolvo"));
    installSwedishTranslations(app);

    // The services outlive the windows, which the chain deletes when it goes.
    QtDialogs dialogs;
    StdRandom random;
    QtSettingsStore settings;
    // Sound failures are the media back-end's to word and the dialogs' to show.
    SdlMedia media([&dialogs](const MediaFailure& failure) { dialogs.showFailure(failure.text()); });
    const Services services{.dialogs = &dialogs,
                            .random = &random,
                            .settings = &settings,
                            .media = &media,
                            .programDirectory = executableDirectory,
                            .cacheDirectory = rules::defaultTableDirectory};

    KolvoApp kolvo(services,
                   [](const Services& s, FacePictureSource faces) { return new KolvoArena(s, std::move(faces)); });
    kolvo.start();
    return app.exec();
}
