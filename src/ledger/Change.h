#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace ledger {

// One file's part in a change: its new bytes, or nothing where the file goes.
struct FileChange {
    QString file;
    std::optional<QByteArray> bytes;
};

// Everything one user action does to the data files, in the order it is done: the order is what
// makes a change cut off half-way harmless (a loan file before the register that names it).
struct Change {
    QString what; // told to the user, in Finnish: "Poistettu lainaaja Aino (3 lainaa)"
    QList<FileChange> files;
};

} // namespace ledger
