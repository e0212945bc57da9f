#pragma once

#include <QString>

namespace ledger {

// Why the ledger did not do what it was asked, in the order its checks run: the first that
// applies is the one the user hears about.
enum class Problem {
    None,
    Empty,
    Unstorable, // a character the files cannot hold, the marker or a line break
    Unusable,   // a text the program shows for "nothing", or a name no file can take
    Duplicate,
    Full,
    NoLoanFile, // the borrower named has no loan file to add loans to
    NotRegistered,
    NotHeld,     // the loan is not among the loans in memory
    Unreadable,  // a file on disk is not ours, so replacing it would lose it
    Failed,      // a file could not be written; it still holds what it held
    Unnamable,   // a registered name that cannot name a loan file (a register from elsewhere)
    Unconfirmed, // done, but the disk did not confirm that it keeps the file
    NoHistory    // no change kept to take back, do again or restore to
};

struct Outcome {
    Problem problem = Problem::None;
    QString file; // the file, or the name, the problem concerns
    // The files hold the change.
    bool done() const { return problem == Problem::None || problem == Problem::Unconfirmed; }
};

} // namespace ledger
