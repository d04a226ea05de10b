// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/SolverCache.h"

#include <bit>
#include <cmath>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QMetaObject>
#include <QSaveFile>
#include <QtEndian>

namespace rules {

namespace {

constexpr char kMagic[8] = {'K', 'O', 'L', 'V', 'O', 'T', 'A', 'B'};
constexpr quint32 kFormatVersion = 1;
constexpr QStringView kFileName = u"solver-table.bin";

// magic, version, header size, value count, rules fingerprint, checksum; all little-endian.
constexpr qsizetype kHeaderSize = 8 + 4 + 4 + 8 + 8 + 8;

template <typename T> void put(char*& at, T value)
{
    qToLittleEndian(value, at);
    at += sizeof(T);
}

template <typename T> T take(const char*& at)
{
    const T value = qFromLittleEndian<T>(at);
    at += sizeof(T);
    return value;
}

} // namespace

QString tableFilePath(const QString& directory)
{
    return QDir(directory).filePath(kFileName.toString());
}

bool saveTable(const SolverTable& table, const QString& directory)
{
    const auto values = table.values();
    if (values.size() != SolverTable::valueCount() || !QDir().mkpath(directory))
        return false;
    QByteArray bytes(kHeaderSize + qsizetype(values.size() * sizeof(double)), Qt::Uninitialized);
    char* payload = bytes.data() + kHeaderSize;
    char* at = payload;
    for (double v : values)
        put(at, std::bit_cast<quint64>(v));
    at = bytes.data();
    std::memcpy(at, kMagic, sizeof kMagic);
    at += sizeof kMagic;
    put(at, kFormatVersion);
    put(at, quint32(kHeaderSize));
    put(at, quint64(values.size()));
    put(at, quint64(SolverTable::rulesFingerprint()));
    put(at, fnv1a(payload, std::size_t(bytes.size() - kHeaderSize)));

    QSaveFile file(tableFilePath(directory));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<SolverTable> loadTable(const QString& directory)
{
    QFile file(tableFilePath(directory));
    const qsizetype expectedSize = kHeaderSize + qsizetype(SolverTable::valueCount() * sizeof(double));
    if (!file.open(QIODevice::ReadOnly) || file.size() != expectedSize)
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (bytes.size() != expectedSize || std::memcmp(bytes.constData(), kMagic, sizeof kMagic) != 0)
        return std::nullopt;
    const char* at = bytes.constData() + sizeof kMagic;
    if (take<quint32>(at) != kFormatVersion || take<quint32>(at) != quint32(kHeaderSize)
        || take<quint64>(at) != SolverTable::valueCount() || take<quint64>(at) != SolverTable::rulesFingerprint())
        return std::nullopt;
    const char* payload = bytes.constData() + kHeaderSize;
    if (take<quint64>(at) != fnv1a(payload, std::size_t(bytes.size() - kHeaderSize)))
        return std::nullopt;
    std::vector<double> values(SolverTable::valueCount());
    for (double& v : values) {
        v = std::bit_cast<double>(take<quint64>(payload));
        if (!std::isfinite(v) || v < 0)
            return std::nullopt;
    }
    return SolverTable::fromValues(std::move(values));
}

TableProvider::TableProvider(QString directory, QObject* parent) : QObject(parent), directory_(std::move(directory))
{
}

TableProvider::~TableProvider()
{
    // Joined here, before QObject goes: the worker's last act is posting to this object.
    worker_.request_stop();
    if (worker_.joinable())
        worker_.join();
}

void TableProvider::request()
{
    if (worker_.joinable())
        return;
    worker_ = std::jthread([this, directory = directory_](std::stop_token stop) {
        std::optional<SolverTable> table = loadTable(directory);
        if (!table) {
            solving_ = true;
            QMetaObject::invokeMethod(this, "announceSolving", Qt::QueuedConnection);
            table = SolverTable::solve(0, stop);
            if (!table)
                return;
            saveTable(*table, directory); // without a cache the next run solves again, nothing worse
        }
        {
            const std::lock_guard lock(mutex_);
            table_ = std::make_shared<const SolverTable>(std::move(*table));
        }
        // A posted call that has not run when the provider is destroyed is dropped with it.
        // Named rather than a functor: nothing the worker allocates is freed on the other thread.
        QMetaObject::invokeMethod(this, "announceReady", Qt::QueuedConnection);
    });
}

void TableProvider::announceReady()
{
    emit tableReady();
}

void TableProvider::announceSolving()
{
    emit solvingStarted();
}

bool TableProvider::ready() const
{
    const std::lock_guard lock(mutex_);
    return table_ != nullptr;
}

std::shared_ptr<const SolverTable> TableProvider::table() const
{
    const std::lock_guard lock(mutex_);
    return table_;
}

} // namespace rules
