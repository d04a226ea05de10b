#pragma once
#include "platform/SettingsStore.h"

// Per-user settings over QSettings in its native format, one file per application.
class QtSettingsStore : public SettingsStore {
public:
    QString value(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) override;
    void setValue(const QString& application, const QString& section, const QString& key,
                     const QString& value) override;
};
