// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// The directory of the running executable with exactly one trailing "/".
QString executableDirectory();
// Appends "/" unless the path already ends in one (the root "/" stays "/").
QString withTrailingSeparator(const QString& directory);
// The user's cache directory for this program, where it keeps what it can make again.
QString userCacheDirectory();
// The user's base directory for settings ($XDG_CONFIG_HOME when absolute, else ~/.config).
QString userConfigDirectory();
