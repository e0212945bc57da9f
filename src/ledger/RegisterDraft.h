#pragma once

#include "ledger/Outcome.h"
#include "ledger/Tables.h"

#include <QString>
#include <array>

namespace ledger {

// A whole register put together from outside, one borrower and one loan at a time, each checked
// by the rules of what a user types, before Ledger::replaceRegister() puts it in place of the
// register on disk in one change. Names and loans are taken as they would be stored.
class RegisterDraft {
  public:
    // Registers the borrower in the next slot unless they are there already: Empty, Unstorable,
    // Unusable or Full, or None.
    Problem addBorrower(const QString& name);
    // Puts the loan in the borrower's slot, counted from 0; the borrower must have been added.
    // Empty, Unusable, Unstorable, Full (a slot beyond the file's), Duplicate (a slot taken, or a
    // loan the borrower has in another slot) or NotRegistered, or None.
    Problem putLoan(const QString& name, int slot, const QString& loan);

    const NameTable& names() const { return names_; }
    // Nothing but free slots for a borrower not in the draft.
    const LoanTable& loansOf(const QString& name) const;
    int borrowerCount() const;
    int loanCount() const;

  private:
    NameTable names_;
    std::array<LoanTable, kNameSlots> loans_;
};

} // namespace ledger
