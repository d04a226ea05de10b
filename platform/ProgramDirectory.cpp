// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringList>

namespace {

// The XDG base-directory rules: a path in the variable that is not absolute is ignored, and
// the default under the home directory is used instead.
QString baseDirectory(const char* variable, QStringView underHome)
{
    const QString set = qEnvironmentVariable(variable);
    if (QDir::isAbsolutePath(set))
        return QDir::cleanPath(set);
    return QDir::homePath() + QLatin1Char('/') + underHome.toString();
}

} // namespace

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
    // Qt's own layout below the base directory, which Qt takes from the variable as it stands.
    const QString generic = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString own = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return baseDirectory("XDG_CACHE_HOME", u".cache") + own.mid(generic.size());
}

QString userConfigDirectory()
{
    return baseDirectory("XDG_CONFIG_HOME", u".config");
}

void dropRelativeBaseDirectories()
{
    for (const char* variable :
         {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_RUNTIME_DIR"}) {
        if (qEnvironmentVariableIsSet(variable) && !QDir::isAbsolutePath(qEnvironmentVariable(variable)))
            qunsetenv(variable);
    }
    for (const char* list : {"XDG_CONFIG_DIRS", "XDG_DATA_DIRS"}) {
        if (!qEnvironmentVariableIsSet(list))
            continue;
        QStringList kept = qEnvironmentVariable(list).split(QLatin1Char(':'), Qt::SkipEmptyParts);
        kept.removeIf([](const QString& entry) { return !QDir::isAbsolutePath(entry); });
        if (kept.isEmpty())
            qunsetenv(list);
        else
            qputenv(list, QFile::encodeName(kept.join(QLatin1Char(':'))));
    }
}
