#pragma once

#include "ledger/Change.h"
#include "ledger/ChangeSet.h"

#include <QList>
#include <QString>
#include <optional>

namespace ledger {

// The history's folder in the data folder: hidden, and no loan file (always "….kdx") can take it.
inline const QString kHistoryFolder = QStringLiteral(".historia");

// The change sets kept beside the data files, one file each ("000042.muutos"), so that every
// change can be taken back, also after a restart. A set is written whole under a temporary name
// and synced before it takes its own, and that before the change touches a data file, so a
// set that can be read is a whole one. Only the last kMostSets sets stay, fewer when they pass
// kMostBytes, never fewer than kFewestSets; any other file in the folder is left alone. The
// folder is read at the first change, never at start-up.
class History {
  public:
    static constexpr int kMostSets = 200;
    static constexpr int kFewestSets = 10;
    static constexpr qint64 kMostBytes = qint64(64) << 20;

    explicit History(QString folder = kHistoryFolder) : folder_(std::move(folder)) {}

    // Keeps the files the change touches, as they are now, as the newest set made by `step`
    // (of the set `target`: the one undone, redone or restored to). Nothing, when the files
    // cannot be read or the set cannot be written; 0 when the change only writes back what the
    // files hold, with a new time in their first line.
    std::optional<qint64> keep(const Change& change, Step step, const ChangeSet* target = nullptr);
    // Drops the newest set, that of a change that wrote nothing.
    void forget(qint64 number);
    // Removes the oldest sets beyond the bounds.
    void prune();

    std::optional<ChangeSet> read(qint64 number) const;
    std::optional<ChangeSet> undoable();
    std::optional<ChangeSet> redoable();
    // Every set that can be read, newest first, without its files.
    QList<ChangeSet> list();
    // The files every set from `number` on touched, as they were before set `number`: nothing
    // unless each of those sets can be read.
    std::optional<QList<FileChange>> filesBefore(qint64 number);

  private:
    struct Entry {
        qint64 number;
        qint64 size;
    };
    QString path(qint64 number) const;
    void load();
    bool write(qint64 number, const QByteArray& bytes);
    void readState();

    QString folder_;
    bool loaded_ = false;
    QList<Entry> sets_; // oldest first
    qint64 undoTop_ = 0;
    qint64 redoTop_ = 0;
};

} // namespace ledger
