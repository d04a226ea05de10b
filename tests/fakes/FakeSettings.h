// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QMap>
#include <QString>

#include "platform/SettingsStore.h"

// An in-memory store keyed "application/section/key". A test sets failure to make
// every conditional save fail with that reason.
class FakeSettings : public SettingsStore {
public:
    QMap<QString, QString> values;
    int writes = 0; // saves, each of one or several keys
    QString failure;

    static QString path(QStringView a, QStringView s, QStringView k) { return QStringLiteral("%1/%2/%3").arg(a, s, k); }

    QString value(QStringView a, QStringView s, QStringView k, QStringView def) override
    {
        return values.value(path(a, s, k), def.toString());
    }
    void setValue(QStringView a, QStringView s, QStringView k, QStringView v) override
    {
        ++writes;
        values.insert(path(a, s, k), v.toString());
    }
    SaveResult setValuesIf(QStringView a, QStringView s, const Entries& entries, QStringView guardKey,
                           QStringView guardDefault, const std::function<bool(const QString&)>& stillWanted) override
    {
        if (!failure.isEmpty())
            return {SaveResult::Outcome::Failed, failure};
        if (!stillWanted(value(a, s, guardKey, guardDefault)))
            return {SaveResult::Outcome::Kept, QString()};
        ++writes;
        for (const auto& [k, v] : entries)
            values.insert(path(a, s, k), v);
        return {SaveResult::Outcome::Written, QString()};
    }
};
