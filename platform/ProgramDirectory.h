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
// Removes from this process's environment the XDG base-directory variables that are not
// absolute paths, and the entries that are not from the search-path lists. The rules say
// to ignore such a value; libraries that take it as it stands (the sound server's client
// keeps its cookie under XDG_CONFIG_HOME) would write below the working directory. To be
// called first thing, before any library has read the environment.
void dropRelativeBaseDirectories();
