// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/SettingsStore.h"

// Per-user settings over QSettings in its native format, one file per application.
// A conditional save locks the store with a lock file beside it.
class QtSettingsStore : public SettingsStore {
public:
    QString value(QStringView application, QStringView section, QStringView key, QStringView defaultValue) override;
    void setValue(QStringView application, QStringView section, QStringView key, QStringView value) override;
    SaveResult setValuesIf(QStringView application, QStringView section, const Entries& entries, QStringView guardKey,
                           QStringView guardDefault,
                           const std::function<bool(const QString& stored)>& stillWanted) override;

    // The file that holds the application's store.
    static QString fileName(QStringView application);
};
