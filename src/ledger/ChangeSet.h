#pragma once

#include "ledger/Change.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace ledger {

// What made a change set: a user's change, or taking one back, doing it again, or putting the
// files back as they were before an earlier set.
enum class Step : quint8 { Change, Undo, Redo, Restore };

// The data files as they were just before one change, and where the change stands among the
// changes that can be taken back. Undone changes wait on a second stack, as in an editor, so
// that each set says which set the next undo and the next redo would use.
struct ChangeSet {
    qint64 number = 0;
    Step step = Step::Change;
    qint64 target = 0;  // the set undone, redone, or restored to before
    qint64 below = 0;   // the set under this one on its stack
    qint64 undoTop = 0; // after this set: what the next undo takes back; 0 when nothing
    qint64 redoTop = 0; // and what the next redo does again
    QDateTime when;
    QString what;    // told to the user: "Kumottu: Lisätty laina lainaajalle Aino"
    QString subject; // the user's own change it concerns: "Lisätty laina lainaajalle Aino"
    QList<FileChange> before; // each file's bytes, or nothing where it did not exist
};

QByteArray encodeChangeSet(const ChangeSet& set);
// Nothing unless the bytes are a whole set this program wrote. Without the files it reads only
// as far as the description.
std::optional<ChangeSet> decodeChangeSet(const QByteArray& bytes, bool withFiles = true);
bool isChangeSet(const QByteArray& start);

} // namespace ledger
