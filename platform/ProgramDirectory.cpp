// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramDirectory.h"

#include <QCoreApplication>
#include <QStandardPaths>

QString withTrailingSeparator(const QString& directory)
{
    if (directory.endsWith(QLatin1Char('/')))
        return directory;
    return directory + QLatin1Char('/');
}

QString executableDirectory()
{
    // The executable's own directory, not the working directory.
    return withTrailingSeparator(QCoreApplication::applicationDirPath());
}

QString userCacheDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}
