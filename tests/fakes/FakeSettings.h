#pragma once
#include <QMap>
#include <QString>

#include "platform/SettingsStore.h"

// An in-memory store keyed "application/section/key".
class FakeSettings : public SettingsStore {
public:
    QMap<QString, QString> values;
    int writes = 0;

    static QString path(const QString& a, const QString& s, const QString& k) { return a + '/' + s + '/' + k; }

    QString value(const QString& a, const QString& s, const QString& k, const QString& def) override
    {
        return values.value(path(a, s, k), def);
    }
    void setValue(const QString& a, const QString& s, const QString& k, const QString& v) override
    {
        ++writes;
        values.insert(path(a, s, k), v);
    }
};
