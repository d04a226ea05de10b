// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <QObject>
#include <QString>

#include "rules/Solver.h"

namespace rules {

// The whole-game table is kept between runs in one file of a directory the caller names
// (the user's cache directory). The
// file carries its format, the rules it was solved for and a checksum of its values; a file
// that fails any check is not trusted, and the table is solved again.
QString tableFilePath(const QString& directory);
// Atomically, and creating the directory: a new file of the directory's own is renamed over the
// table's name, so whatever stood there (a link, a pipe) is replaced, never written through.
bool saveTable(const SolverTable& table, const QString& directory);
// Reads only a regular file, and never waits on what stands in its place.
std::optional<SolverTable> loadTable(const QString& directory);

// Hands the interface thread a whole-game table without ever making it wait: the first
// request loads the saved table or solves and saves a new one on a worker thread, and
// tableReady is emitted on the provider's own thread when the table is there. Destroying
// the provider stops an unfinished solution within a few milliseconds, and never waits long
// for a worker held up by the file system: such a worker is left to end by itself.
class SolverTableProvider : public QObject {
    Q_OBJECT
public:
    explicit SolverTableProvider(QString directory, QObject* parent = nullptr);
    ~SolverTableProvider() override;

    void request(); // later calls do nothing
    bool ready() const;
    // True once no usable saved table was found: the table is being worked out (seconds,
    // where reading it takes milliseconds). solvingStarted is emitted then.
    bool solving() const;
    std::shared_ptr<const SolverTable> table() const; // null until ready

signals:
    void tableReady();
    void solvingStarted();

private:
    Q_INVOKABLE void announceReady();
    Q_INVOKABLE void announceSolving();

    struct Shared; // what the worker may still touch after the provider is gone

    QString directory_;
    std::shared_ptr<Shared> shared_;
    std::jthread worker_; // last, so that it is stopped before the rest goes
};

} // namespace rules
