#pragma once

#include <QString>
#include <span>

// The checks a typed borrower name or loan passes before it is stored. The problems are listed
// in the order the checks run; the first that applies is the one the user hears about.
namespace entry {

// A file gives its values back without outer blanks, so they are dropped before anything is
// compared or stored. Letters typed with a separate accent are joined with it, as the code
// page holds them.
QString asStored(const QString& typed);

// A loan that reads back as typed. The list's own "no loans" entry is refused before, as a loan
// that could never be edited or deleted.
bool isStorableLoan(const QString& loan);

enum class NameProblem { None, Empty, Unstorable, Unusable, Duplicate, RegisterFull };
NameProblem checkNewName(const QString& name, std::span<const QString> names);

enum class LoanProblem { None, Empty, Unusable, Unstorable, Duplicate, NoLoanFile, Full };
LoanProblem checkNewLoan(const QString& loan, std::span<const QString> loans,
                         const QString& borrower);

// Whether the borrower named so has a loan file to add loans to.
bool hasLoanFile(const QString& borrower);

} // namespace entry
