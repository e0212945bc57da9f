#include "cli/Import.h"

#include "cli/CsvCells.h"
#include "cli/Output.h"
#include "cli/QuestionTexts.h"
#include "ledger/Ledger.h"
#include "ledger/RecordFile.h"
#include "ledger/RegisterDraft.h"
#include "platform/AppInfo.h"
#include "platform/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <optional>

namespace cli {
namespace {

using ledger::Problem;
namespace text = question_text;

// A full register of long loans is a few MiB; anything larger is some other file.
constexpr qint64 kMaxCsvBytes = 16 * 1024 * 1024;

struct Refusal {
    int line;
    QString why;
};

QString nameProblem(Problem problem) {
    switch (problem) {
    case Problem::Empty:
        return text::kNoName;
    case Problem::Unstorable:
        return text::kNameUnstorable;
    case Problem::Full:
        return text::kRegisterFull;
    default:
        return text::kNameUnusable;
    }
}

QString loanProblem(Problem problem, bool slotTaken) {
    switch (problem) {
    case Problem::Empty:
        return text::kSlotWithoutLoan;
    case Problem::Unstorable:
        return text::kLoanUnstorable;
    case Problem::Unusable:
        return text::kLoanUnusable;
    case Problem::Full:
        return text::kLoansFull;
    default:
        return slotTaken ? text::kSlotTaken : text::kSameLoan;
    }
}

std::optional<Refusal> takeRow(ledger::RegisterDraft& draft, const CsvRecord& record) {
    if (record.cells.size() != 3)
        return Refusal{record.line, text::fieldCount(record.cells.size())};
    const QString name = restored(record.cells[0]);
    const QString& slotCell = record.cells[1];
    if (const Problem problem = draft.addBorrower(name); problem != Problem::None)
        return Refusal{record.line, nameProblem(problem)};
    if (slotCell.isEmpty() && record.cells[2].isEmpty())
        return std::nullopt; // a borrower without loans
    if (slotCell.isEmpty())
        return Refusal{record.line, text::kNoSlot};
    bool isNumber = false;
    const int slot = slotCell.toInt(&isNumber) - 1;
    if (!isNumber || slot < 0)
        return Refusal{record.line, text::kBadSlot};
    const Problem problem = draft.putLoan(name, slot, restored(record.cells[2]));
    if (problem == Problem::None)
        return std::nullopt;
    const bool slotTaken = slot < ledger::kLoanSlots && !draft.loansOf(name)[slot].isEmpty();
    return Refusal{record.line, loanProblem(problem, slotTaken)};
}

std::optional<Refusal> takeRows(ledger::RegisterDraft& draft, const QList<CsvRecord>& records) {
    const QStringList header = {QStringLiteral("lainaaja"), QStringLiteral("paikka"),
                                QStringLiteral("laina")};
    if (records.isEmpty() || records[0].cells != header)
        return Refusal{records.isEmpty() ? 1 : records[0].line, text::kHeaderRow};
    for (qsizetype k = 1; k < records.size(); ++k) {
        if (const std::optional<Refusal> refusal = takeRow(draft, records[k]))
            return refusal;
    }
    return std::nullopt;
}

int save(const ledger::RegisterDraft& draft, const QString& file) {
    ledger::Ledger ledger(
        [] { return ledger::recordHeader(executableBaseName(), localDateTimeText()); });
    ledger.LueNimet();
    const ledger::Outcome outcome = ledger.replaceRegister(draft, file);
    if (outcome.done())
        return print(text::imported(draft.borrowerCount(), draft.loanCount(), file).toUtf8());
    if (outcome.problem == Problem::Unreadable)
        return fail(text::unreadable(outcome.file));
    return fail(text::writeFailed(outcome.file));
}

} // namespace

int importRegister(const QString& file) {
    // Held until the import is done, so that no window starts on a register half replaced.
    InstanceLock lock;
    if (!lock.tryAcquire())
        return fail(text::kWindowOpen);
    QFile csv(file);
    if (!csv.open(QIODevice::ReadOnly))
        return fail(text::cannotOpen(file));
    const QByteArray bytes = csv.read(kMaxCsvBytes + 1);
    if (csv.error() != QFileDevice::NoError)
        return fail(text::cannotOpen(file));
    if (bytes.size() > kMaxCsvBytes)
        return fail(text::tooLarge(file, kMaxCsvBytes));
    const CsvTable table = readCsv(bytes);
    if (!table.problem.isEmpty())
        return fail(text::refusedLine(file, table.badLine, table.problem));
    ledger::RegisterDraft draft;
    if (const std::optional<Refusal> refusal = takeRows(draft, table.records))
        return fail(text::refusedLine(file, refusal->line, refusal->why));
    return save(draft, file);
}

} // namespace cli
