// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QTemporaryDir>

#include "fakes/FakeDialogs.h"
#include "fakes/FakeMedia.h"
#include "fakes/FakeRandom.h"
#include "fakes/FakeSettings.h"
#include "platform/Services.h"

// Every outside service, scripted, wired the one way the program wires its real ones.
struct FakeServices {
    FakeDialogs dialogs;
    FakeRandom random;
    FakeSettings settings;
    FakeMedia media;
    QString programDirectory = QStringLiteral("/opt/kolvo/");
    QTemporaryDir cache; // never the user's

    Services services()
    {
        return Services{.dialogs = &dialogs,
                        .random = &random,
                        .settings = &settings,
                        .media = &media,
                        .programDirectory = [this] { return programDirectory; },
                        .cacheDirectory = [this] { return cache.path(); }};
    }
};
