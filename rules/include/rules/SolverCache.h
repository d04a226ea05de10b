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
bool saveTable(const SolverTable& table, const QString& directory); // atomically; creates the directory
std::optional<SolverTable> loadTable(const QString& directory);

// Hands the interface thread a whole-game table without ever making it wait: the first
// request loads the saved table or solves and saves a new one on a worker thread, and
// tableReady is emitted on the provider's own thread when the table is there. Destroying
// the provider stops an unfinished solution within a few milliseconds.
class TableProvider : public QObject {
    Q_OBJECT
public:
    explicit TableProvider(QString directory, QObject* parent = nullptr);
    ~TableProvider() override;

    void request(); // later calls do nothing
    bool ready() const;
    // True once no usable saved table was found: the table is being worked out (seconds,
    // where reading it takes milliseconds). solvingStarted is emitted then.
    bool solving() const { return solving_; }
    std::shared_ptr<const SolverTable> table() const; // null until ready

signals:
    void tableReady();
    void solvingStarted();

private:
    Q_INVOKABLE void announceReady();
    Q_INVOKABLE void announceSolving();

    QString directory_;
    mutable std::mutex mutex_;
    std::shared_ptr<const SolverTable> table_;
    std::atomic<bool> solving_ = false;
    std::jthread worker_; // last, so that it is stopped and joined before the rest goes
};

} // namespace rules
