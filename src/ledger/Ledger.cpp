#include "ledger/Ledger.h"

#include "ledger/EntryRules.h"
#include "ledger/FileReplacement.h"
#include "ledger/LoanFile.h"
#include "ledger/RecordFile.h"

#include <QFile>
#include <QFileInfo>

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

Outcome Ledger::TallennaNimet() {
    Change change{QString(), {}};
    if (!addTable(change, kRegisterFile, muisti_))
        return {Problem::Failed, kRegisterFile};
    return apply(change);
}

QStringList Ledger::names() const {
    return filled(muisti_);
}

QString Ledger::unreadableFile() const {
    if (!registerReadable())
        return kRegisterFile;
    for (const QString& name : names()) {
        const auto file = loanFileName(name);
        if (file && !mayReplace(*file))
            return *file;
    }
    return QString();
}

bool Ledger::registerReadable() const {
    return mayReplace(kRegisterFile);
}

bool Ledger::registerOnDisk() const {
    return QFileInfo::exists(kRegisterFile);
}

void Ledger::MuistiClear() {
    ledger::MuistiClear(muisti2_);
    loansOf_.clear();
    unsaved_.clear();
}

void Ledger::Lue(const QString& borrower) {
    loansOf_ = borrower;
    unsaved_.clear();
    if (const auto file = loanFileName(borrower))
        readRecords(*file, muisti2_);
}

Outcome Ledger::saveLoans() {
    const auto file = loanFileName(loansOf_);
    if (!file)
        return {Problem::Unnamable, loansOf_};
    Change change{std::exchange(unsaved_, QString()), {}};
    if (!addTable(change, *file, muisti2_))
        return {Problem::Failed, *file};
    return apply(change);
}

QStringList Ledger::loans() const {
    return filled(muisti2_);
}

LoanTable Ledger::loansOn(const QString& borrower) const {
    LoanTable table;
    if (const auto file = loanFileName(borrower))
        readRecords(*file, table);
    return table;
}

// False when a character of the table cannot be held, which the checks make impossible for
// anything typed here, but not for a register from elsewhere.
bool Ledger::addTable(Change& change, const QString& file, std::span<const QString> table) const {
    const std::optional<QByteArray> bytes = recordBytes(header_ ? header_() : QString(), table);
    if (bytes)
        change.files.append({file, bytes});
    return bytes.has_value();
}

// What could not be read was shown as empty, so writing over it would lose it; what the user
// made read-only, they asked us to leave alone.
Outcome Ledger::replaceable(const Change& change) const {
    for (const FileChange& file : change.files) {
        if (file.bytes && !mayReplace(file.file))
            return {Problem::Unreadable, file.file};
        if (writeProtected(file.file))
            return {Problem::Failed, file.file};
    }
    return {};
}

Outcome Ledger::apply(const Change& change) {
    const Outcome outcome = write(change, Step::Change, nullptr);
    if (outcome.done())
        for (const auto& changed : changed_)
            changed();
    return outcome;
}

Outcome Ledger::write(const Change& change, Step step, const ChangeSet* target) {
    if (const Outcome refused = replaceable(change); !refused.done())
        return refused;
    const std::optional<qint64> kept = history_.keep(change, step, target);
    if (!kept)
        return {Problem::Failed, kHistoryFolder};
    QString unconfirmed;
    for (const FileChange& file : change.files) {
        if (!file.bytes) {
            // The files that still name it are in place, so one left behind is only a stray.
            QFile::remove(file.file);
            continue;
        }
        // Private: the register is nobody else's business.
        FileReplacement replacement(file.file, FileReplacement::Links::Follow, 0600);
        if (replacement.open() && replacement.write(*file.bytes) && replacement.commit())
            continue;
        if (!replacement.placed()) {
            // Before the first file is in place every file is as the set keeps it: nothing to
            // take back.
            if (&file == &change.files.first())
                history_.forget(*kept);
            return {Problem::Failed, file.file};
        }
        // The file holds the change, so the files after it must follow, or they would disagree.
        unconfirmed = file.file;
    }
    history_.prune();
    return {unconfirmed.isEmpty() ? Problem::None : Problem::Unconfirmed, unconfirmed};
}

} // namespace ledger
