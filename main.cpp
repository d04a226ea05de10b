#include <QApplication>

#include "app/KolvoApp.h"
#include "app/Translations.h"
#include "game/KolvoArena.h"
#include "platform/ProgramDirectory.h"
#include "platform/QtDialogs.h"
#include "platform/QtSettingsStore.h"
#include "platform/SdlMedia.h"
#include "platform/StdRandom.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kolvo"));
    InstallSwedishTranslations(app);

    // The services outlive the windows, which the chain deletes when it goes.
    QtDialogs dialogs;
    StdRandom random;
    QtSettingsStore settings;
    // Sound failures are the media back-end's to word and the dialogs' to show.
    SdlMedia media([&dialogs](const MediaFailure& failure) { dialogs.showFailure(failure.text()); });
    Services services;
    services.dialogs = &dialogs;
    services.random = &random;
    services.settings = &settings;
    services.media = &media;
    services.programDirectory = executableDirectory;

    KolvoApp kolvo(services, MakeArenaFactory<KolvoArena>());
    kolvo.start();
    return app.exec();
}
