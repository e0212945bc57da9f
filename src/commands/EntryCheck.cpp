#include "commands/EntryCheck.h"

#include "ledger/LoanFile.h"
#include "ledger/StorableText.h"
#include "ledger/Tables.h"
#include "ui/Hints.h"

#include <QFileInfo>

namespace entry {

QString asStored(const QString& typed) {
    return typed.trimmed().normalized(QString::NormalizationForm_C);
}

bool isStorableLoan(const QString& loan) {
    return ledger::isStorable(loan);
}

NameProblem checkNewName(const QString& name, std::span<const QString> names) {
    if (name.isEmpty())
        return NameProblem::Empty;
    if (!ledger::isStorable(name))
        return NameProblem::Unstorable;
    // The program takes these for "nobody chosen", so such a borrower could never be picked.
    if (!ledger::loanFileName(name) || name == ui_text::kPrompt || name == ui_text::kNoBorrowers)
        return NameProblem::Unusable;
    if (ledger::slotOf(names, name) >= 0)
        return NameProblem::Duplicate;
    if (ledger::firstFreeSlot(names) < 0)
        return NameProblem::RegisterFull;
    return NameProblem::None;
}

LoanProblem checkNewLoan(const QString& loan, std::span<const QString> loans,
                         const QString& borrower) {
    if (loan.isEmpty())
        return LoanProblem::Empty;
    if (loan == ui_text::kNoLoans)
        return LoanProblem::Unusable;
    if (!isStorableLoan(loan))
        return LoanProblem::Unstorable;
    if (ledger::slotOf(loans, loan) >= 0)
        return LoanProblem::Duplicate;
    if (!hasLoanFile(borrower))
        return LoanProblem::NoLoanFile;
    if (ledger::firstFreeSlot(loans) < 0)
        return LoanProblem::Full;
    return LoanProblem::None;
}

bool hasLoanFile(const QString& borrower) {
    const auto file = ledger::loanFileName(borrower);
    return file && QFileInfo(*file).isFile();
}

} // namespace entry
