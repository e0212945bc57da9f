// The changes a user makes to the register, each checked against every rule of the data first.
#include "ledger/EntryRules.h"
#include "ledger/Ledger.h"
#include "ledger/LoanFile.h"
#include "ledger/RecordFile.h"
#include "ledger/StorableText.h"

#include <algorithm>

namespace ledger {
namespace {

QString loanCount(qsizetype count) {
    return count == 1 ? QStringLiteral("1 laina") : QStringLiteral("%1 lainaa").arg(count);
}

} // namespace

Outcome Ledger::addBorrower(const QString& name) {
    if (const Problem problem = checkNewName(name, muisti_); problem != Problem::None)
        return {problem, name};
    // The register is asked first: a borrower whose register cannot be written gets no file.
    if (!mayReplace(kRegisterFile))
        return {Problem::Unreadable, kRegisterFile};
    const int slot = firstFreeSlot(muisti_);
    muisti_[std::size_t(slot)] = name;
    MuistiClear();
    // The loan file goes first: one that the register does not name is harmless and replaced when
    // the name is added, while a registered borrower without one could never get loans.
    Change change{QStringLiteral("Lisätty lainaaja ") + name, {}};
    Outcome outcome{Problem::Failed, kRegisterFile};
    if (addTable(change, *loanFileName(name), muisti2_) && addTable(change, kRegisterFile, muisti_))
        outcome = apply(change);
    if (!outcome.done())
        muisti_[std::size_t(slot)] = QString();
    return outcome;
}

Problem Ledger::addLoan(const QString& loan) {
    if (const Problem problem = checkNewLoan(loan, muisti2_, loansOf_); problem != Problem::None)
        return problem;
    muisti2_[std::size_t(firstFreeSlot(muisti2_))] = loan;
    unsaved_ = QStringLiteral("Lisätty laina lainaajalle ") + loansOf_;
    return Problem::None;
}

Problem Ledger::replaceLoan(const QString& loan, const QString& edited) {
    const std::pair<bool, Problem> refusals[] = {
        {edited.isEmpty(), Problem::Empty},         {edited == kNoLoans, Problem::Unusable},
        {!isStorable(edited), Problem::Unstorable}, {!registered(loansOf_), Problem::NotRegistered},
        {holdsLoan(edited), Problem::Duplicate},    {!holdsLoan(loan), Problem::NotHeld},
    };
    for (const auto& [refused, problem] : refusals) {
        if (refused)
            return problem;
    }
    muisti2_[std::size_t(slotOf(muisti2_, loan))] = edited;
    unsaved_ = QStringLiteral("Muokattu laina lainaajalta ") + loansOf_;
    return Problem::None;
}

void Ledger::dropLoans(const QList<int>& places) {
    const QStringList before = loans();
    ledger::MuistiClear(muisti2_);
    std::size_t slot = 0;
    qsizetype dropped = 0;
    for (int place = 0; place < before.size(); ++place) {
        if (places.contains(place))
            ++dropped;
        else
            muisti2_[slot++] = before[place];
    }
    if (dropped > 0) {
        unsaved_ = QStringLiteral("Poistettu %1 lainaajalta %2").arg(loanCount(dropped), loansOf_);
    }
}

Outcome Ledger::deleteBorrower(const QString& borrower) {
    const int slot = slotOf(muisti_, borrower);
    if (slot < 0)
        return {Problem::NotRegistered, borrower};
    const LoanTable loansOnDisk = loansOn(borrower);
    const auto loansGoing = std::count_if(loansOnDisk.begin(), loansOnDisk.end(),
                                          [](const QString& loan) { return !loan.isEmpty(); });
    muisti_[std::size_t(slot)] = QString();
    Change change{QStringLiteral("Poistettu lainaaja %1 (%2)").arg(borrower, loanCount(loansGoing)),
                  {}};
    Outcome outcome{Problem::Failed, kRegisterFile};
    if (addTable(change, kRegisterFile, muisti_)) {
        // The register goes first, so that a loan file goes only once nothing names it.
        if (const auto file = loanFileName(borrower))
            change.files.append({*file, std::nullopt});
        outcome = apply(change);
    }
    if (!outcome.done())
        muisti_[std::size_t(slot)] = borrower;
    return outcome;
}

} // namespace ledger
