#pragma once

#include "ledger/Change.h"
#include "ledger/History.h"
#include "ledger/Outcome.h"
#include "ledger/Tables.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <span>
#include <vector>

namespace ledger {

class RegisterDraft;

// The register of names, the borrower whose loans are in memory, and those loans: what the
// window and the command line show, and the one way any of them changes a data file. Every rule
// of the data is checked here, and every change is one Change applied in the order that loses
// nothing. Slots are kept as the files keep them, so a save writes back the slots as they were.
class Ledger {
  public:
    // The first line of every file it writes; a ledger that only reads needs none.
    explicit Ledger(std::function<QString()> header = {});

    // Each is told after every change of the files, so that views can follow.
    void onChanged(std::function<void()> changed) { changed_.push_back(std::move(changed)); }

    const NameTable& muisti() const { return muisti_; }
    const LoanTable& muisti2() const { return muisti2_; }
    // The borrower the user last picked.
    const QString& kenen() const { return kenen_; }
    void setKenen(const QString& borrower) { kenen_ = borrower; }
    // Whose loans are in memory: empty when nobody's.
    const QString& loansOf() const { return loansOf_; }

    // The register.
    void LueNimet();
    // Writes the register as it is in memory: nothing to take back.
    Outcome TallennaNimet();
    QStringList names() const;
    bool hasNames() const { return anyFilled(muisti_); }
    bool registered(const QString& name) const { return slotOf(muisti_, name) >= 0; }
    // The register, or a loan file of a name in memory, that exists but is not ours; empty when
    // all are.
    QString unreadableFile() const;
    // Whether the register on disk, if any, is one of ours: the one file every command needs.
    bool registerReadable() const;
    bool registerOnDisk() const;

    // The loans in memory.
    void MuistiClear();
    // Reads the borrower's loans over the slots in memory; nothing for a name without a file.
    void Lue(const QString& borrower);
    // Writes the loans in memory to the file of the borrower they belong to, with the change
    // made to them since they were read.
    Outcome saveLoans();
    QStringList loans() const;
    bool hasLoans() const { return anyFilled(muisti2_); }
    bool holdsLoan(const QString& loan) const { return slotOf(muisti2_, loan) >= 0; }
    // The loans of any borrower, read from the file; nothing for one without a file.
    LoanTable loansOn(const QString& borrower) const;

    // A new borrower in the lowest free slot, with an empty loan file written before the
    // register names them. The loans in memory are emptied.
    Outcome addBorrower(const QString& name);
    // Puts the loan into the lowest free slot of the loans in memory; saveLoans() stores it.
    Problem addLoan(const QString& loan);
    // The first slot holding the loan in memory takes the edit; saveLoans() stores it.
    Problem replaceLoan(const QString& loan, const QString& edited);
    // Drops the filled loans at the given places in the order loans() gives them, moves the rest
    // up into the first slots; saveLoans() stores it.
    void dropLoans(const QList<int>& places);
    // Frees the borrower's slot, saves the register, then removes the loan file: a save that
    // fails leaves the borrower as they were.
    Outcome deleteBorrower(const QString& borrower);

    // The register and every loan file replaced by the draft's in one change; the loan files of
    // borrowers the draft leaves out go, where they are ours. The change says where it came from.
    Outcome replaceRegister(const RegisterDraft& draft, const QString& source);

    // Replaces or removes the files of the change, in its order, once the history keeps them as
    // they were. Nothing is written when any file to replace is not ours or read-only, or the
    // history cannot keep them; a failed write stops the change there, but a file in place whose
    // sync failed does not (Unconfirmed).
    Outcome apply(const Change& change);

    // Take back the last change, do again the one last taken back, or put every file back as it
    // was before the kept change `number`: each a change of its own, kept in the history too. The
    // register is read again, and the borrower the change concerned becomes kenen().
    Outcome undo();
    Outcome redo();
    Outcome restoreBefore(qint64 number);
    History& history() { return history_; }

  private:
    Outcome write(const Change& change, Step step, const ChangeSet* target);
    Outcome takeBack(const ChangeSet& target, const QList<FileChange>& files, Step step,
                     const QString& what);
    bool addTable(Change& change, const QString& file, std::span<const QString> table) const;
    Outcome replaceable(const Change& change) const;

    std::function<QString()> header_;
    std::vector<std::function<void()>> changed_;
    NameTable muisti_;
    LoanTable muisti2_;
    QString kenen_;
    QString loansOf_;
    QString unsaved_; // what was done to the loans in memory since they were read
    History history_;
};

} // namespace ledger
