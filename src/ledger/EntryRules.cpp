#include "ledger/EntryRules.h"

#include "ledger/LoanFile.h"
#include "ledger/StorableText.h"
#include "ledger/Tables.h"

#include <QFileInfo>

namespace ledger {

QString asStored(const QString& typed) {
    return typed.trimmed().normalized(QString::NormalizationForm_C);
}

Problem checkNewName(const QString& name, std::span<const QString> names) {
    if (name.isEmpty())
        return Problem::Empty;
    if (!isStorable(name))
        return Problem::Unstorable;
    if (!loanFileName(name) || name == kNobodyChosen || name == kNoBorrowers)
        return Problem::Unusable;
    if (slotOf(names, name) >= 0)
        return Problem::Duplicate;
    if (firstFreeSlot(names) < 0)
        return Problem::Full;
    return Problem::None;
}

Problem checkLoanText(const QString& loan, std::span<const QString> loans) {
    if (loan.isEmpty())
        return Problem::Empty;
    if (loan == kNoLoans)
        return Problem::Unusable;
    if (!isStorable(loan))
        return Problem::Unstorable;
    if (slotOf(loans, loan) >= 0)
        return Problem::Duplicate;
    return Problem::None;
}

Problem checkNewLoan(const QString& loan, std::span<const QString> loans, const QString& borrower) {
    if (const Problem problem = checkLoanText(loan, loans); problem != Problem::None)
        return problem;
    if (!hasLoanFile(borrower))
        return Problem::NoLoanFile;
    if (firstFreeSlot(loans) < 0)
        return Problem::Full;
    return Problem::None;
}

bool hasLoanFile(const QString& borrower) {
    const auto file = loanFileName(borrower);
    return file && QFileInfo(*file).isFile();
}

} // namespace ledger
