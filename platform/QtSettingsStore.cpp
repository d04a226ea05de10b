// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace {

// Another instance holds the lock only for the moment of its own save.
constexpr int kLockWaitMs = 2000;

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

QSettings::Status writeAll(QSettings& settings, QStringView section, const SettingsStore::Entries& entries)
{
    for (const auto& [key, value] : entries)
        settings.setValue(keyPath(section, key), value);
    settings.sync(); // one write of the whole file
    return settings.status();
}

QString failureReason(const QString& file, QSettings::Status status)
{
    const QFileInfo info(file);
    if (info.isDir())
        return QStringLiteral("I stället för filen %1 finns en mapp.").arg(QDir::toNativeSeparators(file));
    if (status == QSettings::FormatError)
        return QStringLiteral("Filen %1 är skadad.").arg(QDir::toNativeSeparators(file));
    return QStringLiteral("Filen %1 går inte att skriva till.").arg(QDir::toNativeSeparators(file));
}

} // namespace

QString QtSettingsStore::value(QStringView application, QStringView section, QStringView key, QStringView defaultValue)
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application.toString(),
                             application.toString());
    return read(settings, section, key, defaultValue);
}

void QtSettingsStore::setValue(QStringView application, QStringView section, QStringView key, QStringView value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application.toString(), application.toString());
    writeAll(settings, section, {{key.toString(), value.toString()}});
}

QString QtSettingsStore::fileName(QStringView application)
{
    // Where QSettings keeps a user's native store on this platform, worked out without
    // opening one: a QSettings object reads the whole file when it is made.
    return QStringLiteral("%1/%2/%2.conf")
        .arg(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), application);
}

SettingsStore::SaveResult QtSettingsStore::setValuesIf(QStringView application, QStringView section,
                                                       const Entries& entries, QStringView guardKey,
                                                       QStringView guardDefault,
                                                       const std::function<bool(const QString&)>& stillWanted)
{
    using Outcome = SaveResult::Outcome;
    const QString file = fileName(application);
    QDir().mkpath(QFileInfo(file).absolutePath());
    // Not "<file>.lock": QSettings takes that one itself while it writes.
    QLockFile lock(file + QStringLiteral(".save-lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        if (lock.error() == QLockFile::LockFailedError)
            return {Outcome::Failed, QStringLiteral("Ett annat Kolvo sparade samtidigt och blev inte klart.")};
        return {Outcome::Failed,
                QStringLiteral("Mappen %1 går inte att skriva i.")
                    .arg(QDir::toNativeSeparators(QFileInfo(file).absolutePath()))};
    }
    // Made under the lock, so it reads what the last save left.
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application.toString(), application.toString());
    if (!stillWanted(read(settings, section, guardKey, guardDefault)))
        return {Outcome::Kept, QString()};
    const QSettings::Status status = writeAll(settings, section, entries);
    if (status != QSettings::NoError || QFileInfo(file).isDir())
        return {Outcome::Failed, failureReason(file, status)};
    return {Outcome::Written, QString()};
}
