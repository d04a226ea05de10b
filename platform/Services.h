// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <QString>

class Dialogs;
class RandomSource;
class SettingsStore;
class Media;

// The outside services a window is handed, built in one statement. Every member is
// set: the windows call them without checking. None is owned here.
struct Services {
    Dialogs* dialogs = nullptr;
    RandomSource* random = nullptr;
    SettingsStore* settings = nullptr;
    Media* media = nullptr;
    std::function<QString()> programDirectory;
    // Where the program may keep what it can make again (the coach's table).
    std::function<QString()> cacheDirectory;
};
