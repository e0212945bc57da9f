#include "cli/Export.h"

#include "ledger/LoanFile.h"
#include "ledger/RecordFile.h"
#include "ledger/Tables.h"

#include <QFileInfo>
#include <QStringList>
#include <optional>

namespace cli {
namespace {

QString csvField(QString text) {
    const bool plain = !text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
                       !text.contains(u'\r');
    if (plain)
        return text;
    return u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QByteArray csvRow(const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields)
        quoted << csvField(field);
    return quoted.join(u',').toUtf8() + "\r\n";
}

// Adds the borrower's rows; the name of their loan file when it cannot be read.
std::optional<QString> appendBorrower(QByteArray& csv, const QString& name) {
    ledger::LoanTable loans;
    if (const auto file = ledger::loanFileName(name)) {
        if (!ledger::mayReplace(*file))
            return file;
        ledger::readRecords(*file, loans);
    }
    if (!ledger::anyFilled(loans))
        csv += csvRow({name, QString(), QString()});
    for (int slot = 0; slot < ledger::kLoanSlots; ++slot) {
        if (!loans[slot].isEmpty())
            csv += csvRow({name, QString::number(slot + 1), loans[slot]});
    }
    return std::nullopt;
}

} // namespace

RegisterExport exportRegister() {
    RegisterExport result;
    // What the window would refuse to write over is no register to back up either.
    if (!ledger::mayReplace(ledger::kRegisterFile)) {
        result.unreadableFile = ledger::kRegisterFile;
        return result;
    }
    result.registerFound = QFileInfo::exists(ledger::kRegisterFile);
    ledger::NameTable names;
    ledger::readRecords(ledger::kRegisterFile, names);

    QByteArray csv =
        csvRow({QStringLiteral("lainaaja"), QStringLiteral("paikka"), QStringLiteral("laina")});
    for (const QString& name : names) {
        if (name.isEmpty())
            continue;
        if (const auto unreadable = appendBorrower(csv, name)) {
            result.unreadableFile = *unreadable;
            return result;
        }
    }
    result.csv = csv;
    return result;
}

} // namespace cli
