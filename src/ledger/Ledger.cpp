#include "ledger/Ledger.h"

#include "ledger/LoanFile.h"
#include "ledger/RecordFile.h"

namespace ledger {
namespace {

QStringList filled(std::span<const QString> table) {
    QStringList values;
    for (const QString& value : table) {
        if (!value.isEmpty())
            values << value;
    }
    return values;
}

} // namespace

Ledger::Ledger(std::function<QString()> header) : header_(std::move(header)) {}

void Ledger::LueNimet() {
    readRecords(kRegisterFile, muisti_);
}

SaveOutcome Ledger::TallennaNimet() const {
    return write(kRegisterFile, muisti_);
}

SaveOutcome Ledger::registerReplaceable() const {
    return {mayReplace(kRegisterFile) ? SaveOutcome::Kind::Saved : SaveOutcome::Kind::Refused,
            kRegisterFile};
}

QStringList Ledger::names() const {
    return filled(muisti_);
}

int Ledger::addName(const QString& name) {
    const int slot = firstFreeSlot(muisti_);
    if (slot >= 0)
        muisti_[std::size_t(slot)] = name;
    return slot;
}

void Ledger::MuistiClear() {
    ledger::MuistiClear(muisti2_);
}

void Ledger::Lue(const QString& borrower) {
    if (const auto file = loanFileName(borrower))
        readRecords(*file, muisti2_);
}

SaveOutcome Ledger::saveLoans(const QString& borrower) const {
    if (const auto file = loanFileName(borrower))
        return write(*file, muisti2_);
    return {SaveOutcome::Kind::Unnamable, borrower};
}

QStringList Ledger::loans() const {
    return filled(muisti2_);
}

bool Ledger::addLoan(const QString& loan) {
    const int slot = firstFreeSlot(muisti2_);
    if (slot < 0)
        return false;
    muisti2_[std::size_t(slot)] = loan;
    return true;
}

bool Ledger::replaceLoan(const QString& loan, const QString& edited) {
    const int slot = slotOf(muisti2_, loan);
    if (slot < 0)
        return false;
    muisti2_[std::size_t(slot)] = edited;
    return true;
}

void Ledger::dropLoans(const QList<int>& places) {
    const QStringList before = loans();
    ledger::MuistiClear(muisti2_);
    std::size_t slot = 0;
    for (int place = 0; place < before.size(); ++place) {
        if (!places.contains(place))
            muisti2_[slot++] = before[place];
    }
}

// What could not be read was shown as empty, so writing over it would lose it.
SaveOutcome Ledger::write(const QString& fileName, std::span<const QString> table) const {
    if (!mayReplace(fileName))
        return {SaveOutcome::Kind::Refused, fileName};
    if (!writeRecords(fileName, header_(), table))
        return {SaveOutcome::Kind::Failed, fileName};
    return {SaveOutcome::Kind::Saved, fileName};
}

} // namespace ledger
