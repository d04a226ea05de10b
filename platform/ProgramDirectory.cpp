#include "platform/ProgramDirectory.h"

#include <QCoreApplication>

QString WithTrailingSeparator(const QString& directory)
{
    if (directory.endsWith(QLatin1Char('/')))
        return directory;
    return directory + QLatin1Char('/');
}

QString ProgramDirectory()
{
    // The executable's own directory, not the working directory.
    return WithTrailingSeparator(QCoreApplication::applicationDirPath());
}
