#include "ledger/LoanFile.h"

#include <QFile>

namespace ledger {
namespace {

constexpr qsizetype kMaxFileNameBytes = 255;
// Earlier releases saved through the file name with seven bytes more; names stay within their
// limit, so that a register written here still works with them.
constexpr qsizetype kSaveSuffixBytes = 7;

bool holdsUnsafeCharacter(const QString& name) {
    for (const QChar c : name) {
        if (c == u'/' || c == u'\0' || c == u'\n' || c == u'\r')
            return true;
    }
    return false;
}

} // namespace

std::optional<QString> loanFileName(const QString& borrower) {
    if (borrower.isEmpty() || borrower == u"." || borrower == u".." ||
        holdsUnsafeCharacter(borrower))
        return std::nullopt;
    const QString fileName = borrower + kLoanFileSuffix;
    for (const QString& own : kOwnFiles) {
        if (fileName == own)
            return std::nullopt;
    }
    if (QFile::encodeName(fileName).size() > kMaxFileNameBytes - kSaveSuffixBytes)
        return std::nullopt;
    return fileName;
}

} // namespace ledger
