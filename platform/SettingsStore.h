// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringView>

// Per-user text values addressed by application, section and key.
class SettingsStore {
public:
    using Entries = QList<QPair<QString, QString>>; // key, value

    // What became of a conditional save.
    struct SaveResult {
        enum class Outcome { Written, Kept, Failed };
        Outcome outcome = Outcome::Failed;
        QString reason; // with Failed: why, in plain words of the language shown
    };

    virtual ~SettingsStore() = default;
    // The stored text, or defaultValue when the key (or the whole store) is missing.
    virtual QString value(QStringView application, QStringView section, QStringView key, QStringView defaultValue) = 0;
    // Creates or replaces the key.
    virtual void setValue(QStringView application, QStringView section, QStringView key, QStringView value) = 0;

    // Writes all entries into the section as one save, holding a lock on the store
    // against other processes, provided stillWanted approves the text stored under
    // guardKey (or guardDefault) as it is read afresh under that lock. Kept when it does
    // not approve; Failed, with the reason, when the store could not be locked or written.
    virtual SaveResult setValuesIf(QStringView application, QStringView section, const Entries& entries,
                                   QStringView guardKey, QStringView guardDefault,
                                   const std::function<bool(const QString& stored)>& stillWanted)
        = 0;
};
