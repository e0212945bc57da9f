#include "ledger/RegisterDraft.h"

#include "ledger/EntryRules.h"
#include "ledger/Ledger.h"
#include "ledger/LoanFile.h"
#include "ledger/RecordFile.h"

#include <QFileInfo>
#include <algorithm>

namespace ledger {

Problem RegisterDraft::addBorrower(const QString& name) {
    const QString stored = asStored(name);
    if (slotOf(names_, stored) >= 0)
        return Problem::None;
    const Problem problem = checkNewName(stored, names_);
    if (problem == Problem::None)
        names_[std::size_t(firstFreeSlot(names_))] = stored;
    return problem;
}

Problem RegisterDraft::putLoan(const QString& name, int slot, const QString& loan) {
    const int borrower = slotOf(names_, asStored(name));
    if (borrower < 0)
        return Problem::NotRegistered;
    LoanTable& loans = loans_[std::size_t(borrower)];
    const QString stored = asStored(loan);
    if (const Problem problem = checkLoanText(stored, loans); problem != Problem::None)
        return problem;
    if (slot < 0 || slot >= kLoanSlots)
        return Problem::Full;
    if (!loans[std::size_t(slot)].isEmpty())
        return Problem::Duplicate;
    loans[std::size_t(slot)] = stored;
    return Problem::None;
}

const LoanTable& RegisterDraft::loansOf(const QString& name) const {
    static const LoanTable kNone;
    const int borrower = slotOf(names_, asStored(name));
    return borrower < 0 ? kNone : loans_[std::size_t(borrower)];
}

int RegisterDraft::borrowerCount() const {
    return int(
        std::count_if(names_.begin(), names_.end(), [](const QString& n) { return !n.isEmpty(); }));
}

int RegisterDraft::loanCount() const {
    int count = 0;
    for (const LoanTable& loans : loans_)
        count += int(std::count_if(loans.begin(), loans.end(),
                                   [](const QString& l) { return !l.isEmpty(); }));
    return count;
}

// The loan files first and the register after them, so that a change cut off half-way never
// leaves a registered borrower without a file; then the files of borrowers who go, once nothing
// names them, and only those that are ours.
Outcome Ledger::replaceRegister(const RegisterDraft& draft, const QString& source) {
    Change change{QStringLiteral("Tuotu rekisteri tiedostosta ") + source, {}};
    for (const QString& name : draft.names()) {
        if (!name.isEmpty() && !addTable(change, *loanFileName(name), draft.loansOf(name)))
            return {Problem::Failed, *loanFileName(name)};
    }
    if (!addTable(change, kRegisterFile, draft.names()))
        return {Problem::Failed, kRegisterFile};
    for (const QString& going : names()) {
        const auto file = loanFileName(going);
        if (file && slotOf(draft.names(), going) < 0 && QFileInfo::exists(*file) &&
            mayReplace(*file))
            change.files.append({*file, std::nullopt});
    }
    const Outcome outcome = apply(change);
    if (outcome.done()) {
        muisti_ = draft.names();
        MuistiClear();
    }
    return outcome;
}

} // namespace ledger
