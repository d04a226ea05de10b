// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSettingsStore.h"

#include <cstdio>

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>
#include <QThread>

#include <fcntl.h>
#include <unistd.h>

#include "platform/ProgramDirectory.h"

// Qt keeps one parsed copy of each settings file per process, and a QSettings that failed to
// write leaves its changes there: the next QSettings opened on that file, by any reader, writes
// them again, outside any lock of ours. So the store itself is only ever read through QSettings;
// a save writes the whole new store into a file of its own and renames that over the store.

namespace {

// Another instance holds the lock only for the moment of its own save.
constexpr int kLockWaitMs = 2000;
constexpr int kLockPollMs = 20;
// An owner writes its name into the lock file the moment it has made it; a lock file still
// without one after this long was left by a process that died in between.
constexpr qint64 kNamelessLockMs = 200;

QString keyPath(QStringView section, QStringView key)
{
    return QStringLiteral("%1/%2").arg(section, key);
}

QString read(const QSettings& settings, QStringView section, QStringView key, QStringView defaultValue)
{
    const QVariant value = settings.value(keyPath(section, key));
    if (!value.isValid())
        return defaultValue.toString();
    // A hand-edited file may hold a list (unquoted commas); show it as it was written.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

QString failureReason(const QString& file)
{
    if (QFileInfo(file).isDir())
        return QCoreApplication::translate("SettingsStore", "I stället för filen %1 finns en mapp.")
            .arg(QDir::toNativeSeparators(file));
    return QCoreApplication::translate("SettingsStore", "Filen %1 går inte att skriva till.")
        .arg(QDir::toNativeSeparators(file));
}

// QLockFile takes a lock file that names no owner for a live one until it is half a minute
// old; removeStaleLockFile removes it only when no live process holds it.
bool lockStore(QLockFile& lock, const QString& lockFile)
{
    const QDeadlineTimer deadline(kLockWaitMs);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        qint64 pid = 0;
        QString host, application;
        const QDateTime made = QFileInfo(lockFile).lastModified();
        if (!lock.getLockInfo(&pid, &host, &application) && made.isValid()
            && made.msecsTo(QDateTime::currentDateTime()) > kNamelessLockMs)
            lock.removeStaleLockFile();
        else
            QThread::msleep(kLockPollMs);
    }
    return true;
}

void syncDirectory(const QString& directory)
{
    const int fd = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Unlike QFile::rename, replaces what stands at to.
bool renameOver(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// Either the whole new store is in place when this returns true, or the old one is untouched.
bool replaceStore(const QString& file, const QSettings& stored, QStringView section,
                  const SettingsStore::Entries& entries)
{
    QTemporaryFile next(file + QStringLiteral(".XXXXXX"));
    if (!next.open())
        return false;
    next.close();
    {
        QSettings writer(next.fileName(), QSettings::NativeFormat);
        for (const QString& key : stored.allKeys())
            if (!key.isEmpty()) // a bare "=" in a damaged store names nothing QSettings can write
                writer.setValue(key, stored.value(key));
        for (const auto& [key, value] : entries)
            writer.setValue(keyPath(section, key), value);
        writer.sync();
        if (writer.status() != QSettings::NoError)
            return false;
    }
    // Qt may put a file in place that it could not write whole, and answers a QSettings on a
    // file it wrote from its own copy while size and time agree; only what reads back under a
    // name it has not seen counts.
    QTemporaryFile checked(file + QStringLiteral(".XXXXXX"));
    if (!checked.open())
        return false;
    checked.close();
    if (!renameOver(next.fileName(), checked.fileName()))
        return false;
    {
        const QSettings written(checked.fileName(), QSettings::NativeFormat);
        if (written.status() != QSettings::NoError)
            return false;
        for (const auto& [key, value] : entries)
            if (!written.contains(keyPath(section, key)) || read(written, section, key, {}) != value)
                return false;
    }
    if (QFileInfo::exists(file))
        QFile::setPermissions(checked.fileName(), QFile::permissions(file));
    if (!renameOver(checked.fileName(), file))
        return false;
    checked.setAutoRemove(false);
    syncDirectory(QFileInfo(file).absolutePath());
    return true;
}

} // namespace

QString QtSettingsStore::value(QStringView application, QStringView section, QStringView key, QStringView defaultValue)
{
    const QSettings settings(fileName(application), QSettings::NativeFormat);
    return read(settings, section, key, defaultValue);
}

void QtSettingsStore::setValue(QStringView application, QStringView section, QStringView key, QStringView value)
{
    setValuesIf(application, section, {{key.toString(), value.toString()}}, key, {},
                [](const QString&) { return true; });
}

QString QtSettingsStore::fileName(QStringView application)
{
    // Where QSettings keeps a user's native store, with the base directory as the XDG rules
    // have it (QSettings and QStandardPaths take a relative one as it stands).
    return QStringLiteral("%1/%2/%2.conf").arg(userConfigDirectory(), application);
}

SettingsStore::SaveResult QtSettingsStore::setValuesIf(QStringView application, QStringView section,
                                                       const Entries& entries, QStringView guardKey,
                                                       QStringView guardDefault,
                                                       const std::function<bool(const QString&)>& stillWanted)
{
    using Outcome = SaveResult::Outcome;
    const QString name = fileName(application);
    const QString directory = QFileInfo(name).absolutePath();
    QDir().mkpath(directory);
    // Not "<file>.lock": QSettings takes that one itself while it writes.
    const QString lockFile = name + QStringLiteral(".save-lock");
    QLockFile lock(lockFile);
    if (!lockStore(lock, lockFile)) {
        if (lock.error() == QLockFile::LockFailedError)
            return {
                Outcome::Failed,
                QCoreApplication::translate("SettingsStore", "Ett annat Kolvo sparade samtidigt och blev inte klart.")};
        return {Outcome::Failed,
                QCoreApplication::translate("SettingsStore", "Mappen %1 går inte att skriva i.")
                    .arg(QDir::toNativeSeparators(directory))};
    }
    // A store the user linked elsewhere is replaced where it lies.
    const QString file = QFileInfo::exists(name) ? QFileInfo(name).canonicalFilePath() : name;
    const QFileInfo info(file);
    // A store made read-only is left so.
    if (info.isDir() || (info.exists() && !info.isWritable()))
        return {Outcome::Failed, failureReason(name)};
    // Read under the lock, so it is what the last save left.
    const QSettings stored(file, QSettings::NativeFormat);
    if (!stillWanted(read(stored, section, guardKey, guardDefault)))
        return {Outcome::Kept, QString()};
    if (!replaceStore(file, stored, section, entries))
        return {Outcome::Failed, failureReason(name)};
    return {Outcome::Written, QString()};
}
