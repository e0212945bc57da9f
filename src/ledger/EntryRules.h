#pragma once

#include "ledger/Outcome.h"

#include <QString>
#include <span>

// What a typed borrower name or loan must be before it is stored.
namespace ledger {

// The texts the program shows for "nothing chosen" and "nothing there": never a name or a loan,
// since they could never be picked, edited or deleted.
inline const QString kNobodyChosen = QStringLiteral("Lainaajan nimi:");
inline const QString kNoBorrowers = QStringLiteral("[EI LAINAAJIA!]");
inline const QString kNoLoans = QStringLiteral("[EI LAINAA!]");

// A file gives its values back without outer blanks, so they are dropped before anything is
// compared or stored. Letters typed with a separate accent are joined with it, as the code
// page holds them.
QString asStored(const QString& typed);

// Empty, Unstorable, Unusable, Duplicate or Full, or None.
Problem checkNewName(const QString& name, std::span<const QString> names);
// Empty, Unusable, Unstorable or Duplicate, or None: what the loan's text itself allows.
Problem checkLoanText(const QString& loan, std::span<const QString> loans);
// Empty, Unusable, Unstorable, Duplicate, NoLoanFile or Full, or None.
Problem checkNewLoan(const QString& loan, std::span<const QString> loans, const QString& borrower);

// Whether the borrower named so has a loan file to add loans to.
bool hasLoanFile(const QString& borrower);

} // namespace ledger
