#pragma once
#include <QString>

// Per-user text values addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or defaultValue when the key (or the whole store) is missing.
    virtual QString value(const QString& application, const QString& section,
                               const QString& key, const QString& defaultValue) = 0;
    // Creates or replaces the key.
    virtual void setValue(const QString& application, const QString& section,
                             const QString& key, const QString& value) = 0;
};
