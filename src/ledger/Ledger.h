#pragma once

#include "ledger/Tables.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <span>

namespace ledger {

// How a save ended, with the file it concerned.
struct SaveOutcome {
    enum class Kind {
        Saved,
        Refused,  // the file on disk could not be read, so replacing it would lose it
        Failed,   // the file could not be written; it still holds what it held
        Unnamable // the borrower's name cannot name a loan file
    };
    Kind kind;
    QString file;
    bool saved() const { return kind == Kind::Saved; }
};

// The register of names, the borrower whose loans are in memory, and those loans: what the
// window shows, and what its commands read, check, change and save. Slots are kept as the files
// keep them, so a save writes back the slots as they were read.
class Ledger {
  public:
    // The first line of every file it writes.
    explicit Ledger(std::function<QString()> header);

    const NameTable& muisti() const { return muisti_; }
    const LoanTable& muisti2() const { return muisti2_; }
    const QString& kenen() const { return kenen_; }
    void setKenen(const QString& borrower) { kenen_ = borrower; }

    // The register.
    void LueNimet();
    SaveOutcome TallennaNimet() const;
    // Whether a save may replace the register now on disk; see mayReplace.
    SaveOutcome registerReplaceable() const;
    QStringList names() const;
    bool hasNames() const { return anyFilled(muisti_); }
    bool registered(const QString& name) const { return slotOf(muisti_, name) >= 0; }
    // The slot the name took, or -1 when every slot is taken.
    int addName(const QString& name);
    void setName(int slot, const QString& name) { muisti_[std::size_t(slot)] = name; }

    // The loans in memory.
    void MuistiClear();
    // Reads the borrower's loans over the slots in memory; nothing for a name without a file.
    void Lue(const QString& borrower);
    SaveOutcome saveLoans(const QString& borrower) const;
    QStringList loans() const;
    bool hasLoans() const { return anyFilled(muisti2_); }
    bool holdsLoan(const QString& loan) const { return slotOf(muisti2_, loan) >= 0; }
    // False when every slot is taken.
    bool addLoan(const QString& loan);
    // False when no slot holds the loan; the first that does takes the edit.
    bool replaceLoan(const QString& loan, const QString& edited);
    // Drops the filled loans at the given places in the order loans() gives them, and moves the
    // rest up into the first slots.
    void dropLoans(const QList<int>& places);

  private:
    SaveOutcome write(const QString& fileName, std::span<const QString> table) const;

    std::function<QString()> header_;
    NameTable muisti_;
    LoanTable muisti2_;
    QString kenen_;
};

} // namespace ledger
