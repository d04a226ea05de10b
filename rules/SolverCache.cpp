// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/SolverCache.h"

#include <bit>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QTemporaryFile>
#include <QtEndian>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

    // Created exclusively beside the table and renamed over its name: the rename replaces the
    // directory entry itself, so a link there is never followed out of the directory. A file
    // torn by a crash fails its checksum, so the table is not synced to disk first.
    const QString path = tableFilePath(directory);
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
        return false;
    file.close();
    if (file.error() != QFileDevice::NoError
        || std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return false;
    file.setAutoRemove(false);
    return true;
}

std::optional<SolverTable> loadTable(const QString& directory)
{
    // A pipe or a device in the table's place would block the open or the reads.
    const QString path = tableFilePath(directory);
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    struct stat opened {};
    const qsizetype expectedSize = kHeaderSize + qsizetype(SolverTable::valueCount() * sizeof(double));
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_size != expectedSize)
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

namespace {

// How long a provider that goes waits for its worker; the program's exit waits on this.
constexpr std::chrono::milliseconds kWorkerGrace{200};

} // namespace

struct SolverTableProvider::Shared {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    SolverTableProvider* owner = nullptr; // null once the provider is going
    std::atomic<bool> solving = false;
    std::shared_ptr<const SolverTable> table;
};

SolverTableProvider::SolverTableProvider(QString directory, QObject* parent)
    : QObject(parent), directory_(std::move(directory)), shared_(std::make_shared<Shared>())
{
    shared_->owner = this;
}

SolverTableProvider::~SolverTableProvider()
{
    worker_.request_stop();
    if (!worker_.joinable())
        return;
    bool done = false;
    {
        std::unique_lock lock(shared_->mutex);
        shared_->owner = nullptr; // the worker posts to this object no more
        done = shared_->finished.wait_for(lock, kWorkerGrace, [this] { return shared_->done; });
    }
    // A worker still in a file-system call after the grace owns nothing of this object; the
    // process may end under it.
    if (done)
        worker_.join();
    else
        worker_.detach();
}

void SolverTableProvider::request()
{
    if (worker_.joinable())
        return;
    worker_ = std::jthread([shared = shared_, directory = directory_](std::stop_token stop) {
        std::optional<SolverTable> table = loadTable(directory);
        if (!table && !stop.stop_requested()) {
            shared->solving = true;
            {
                const std::lock_guard lock(shared->mutex);
                if (shared->owner)
                    QMetaObject::invokeMethod(shared->owner, "announceSolving", Qt::QueuedConnection);
            }
            table = SolverTable::solve(0, stop);
            if (table)
                saveTable(*table, directory); // without a cache the next run solves again, nothing worse
        }
        const std::lock_guard lock(shared->mutex);
        if (table) {
            shared->table = std::make_shared<const SolverTable>(std::move(*table));
            // Posted under the lock, so the provider cannot be going meanwhile; a call not run
            // when it is destroyed is dropped with it. Named rather than a functor: nothing the
            // worker allocates is freed on the other thread.
            if (shared->owner)
                QMetaObject::invokeMethod(shared->owner, "announceReady", Qt::QueuedConnection);
        }
        shared->done = true;
        shared->finished.notify_all();
    });
}

void SolverTableProvider::announceReady()
{
    emit tableReady();
}

void SolverTableProvider::announceSolving()
{
    emit solvingStarted();
}

bool SolverTableProvider::ready() const
{
    const std::lock_guard lock(shared_->mutex);
    return shared_->table != nullptr;
}

bool SolverTableProvider::solving() const
{
    return shared_->solving;
}

std::shared_ptr<const SolverTable> SolverTableProvider::table() const
{
    const std::lock_guard lock(shared_->mutex);
    return shared_->table;
}

} // namespace rules
