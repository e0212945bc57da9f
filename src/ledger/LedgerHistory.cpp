// Taking changes back and doing them again: each puts back bytes the history kept.
#include "ledger/EntryRules.h"
#include "ledger/Ledger.h"
#include "ledger/OwnFiles.h"

#include <algorithm>

namespace ledger {
namespace {

// As the changes themselves order them: a loan file is in place before the register names it,
// and goes only once the register no longer does.
QList<FileChange> inSafeOrder(QList<FileChange> files) {
    const auto rank = [](const FileChange& file) {
        return !file.bytes ? 2 : file.file == kRegisterFile ? 1 : 0;
    };
    std::stable_sort(files.begin(), files.end(),
                     [&](const FileChange& a, const FileChange& b) { return rank(a) < rank(b); });
    return files;
}

// The borrower whose loan file the change touched first, or nobody.
QString concerned(const QList<FileChange>& files) {
    for (const FileChange& file : files) {
        if (file.file != kRegisterFile && file.file.endsWith(kLoanFileSuffix))
            return file.file.chopped(kLoanFileSuffix.size());
    }
    return QString();
}

} // namespace

Outcome Ledger::undo() {
    const std::optional<ChangeSet> set = history_.undoable();
    if (!set)
        return {Problem::NoHistory, QString()};
    return takeBack(*set, set->before, Step::Undo, QStringLiteral("Kumottu: ") + set->subject);
}

Outcome Ledger::redo() {
    const std::optional<ChangeSet> set = history_.redoable();
    if (!set)
        return {Problem::NoHistory, QString()};
    return takeBack(*set, set->before, Step::Redo,
                    QStringLiteral("Tehty uudelleen: ") + set->subject);
}

Outcome Ledger::restoreBefore(qint64 number) {
    const std::optional<ChangeSet> set = history_.read(number);
    const auto files = set ? history_.filesBefore(number) : std::nullopt;
    if (!files)
        return {Problem::NoHistory, QString::number(number)};
    return takeBack(
        *set, *files, Step::Restore,
        QStringLiteral("Palautettu tila ennen muutosta %1 (%2)").arg(number).arg(set->what));
}

// Memory follows the files whether or not every file could be put back.
Outcome Ledger::takeBack(const ChangeSet& target, const QList<FileChange>& files, Step step,
                         const QString& what) {
    const Outcome outcome = write(Change{what, inSafeOrder(files)}, step, &target);
    muisti_.fill(QString());
    LueNimet();
    MuistiClear();
    const QString borrower = concerned(files);
    kenen_ = !borrower.isEmpty() && registered(borrower) ? borrower : kNobodyChosen;
    if (outcome.done())
        for (const auto& changed : changed_)
            changed();
    return outcome;
}

} // namespace ledger
