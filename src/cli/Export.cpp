#include "cli/Export.h"

#include "cli/CsvCells.h"
#include "cli/Output.h"
#include "cli/Texts.h"
#include "ledger/Ledger.h"

#include <QDir>

namespace cli {
namespace {

QByteArray textRow(const QString& name, const QString& slot, const QString& loan) {
    return csvRow({neutralised(name), slot, neutralised(loan)});
}

QByteArray borrowerRows(const QString& name, const ledger::LoanTable& loans,
                        const RowFilter& keep) {
    const auto kept = [&](const QString& loan) { return !keep || keep(name, loan); };
    QByteArray rows;
    if (!ledger::anyFilled(loans) && kept(QString()))
        rows += textRow(name, QString(), QString());
    for (int slot = 0; slot < ledger::kLoanSlots; ++slot) {
        if (!loans[slot].isEmpty() && kept(loans[slot]))
            rows += textRow(name, QString::number(slot + 1), loans[slot]);
    }
    return rows;
}

} // namespace

int answerFromRegister(const std::function<int(const ledger::Ledger&)>& answer) {
    ledger::Ledger ledger;
    ledger.LueNimet();
    // What the window would refuse to write over is no register to answer from either.
    if (const QString unreadable = ledger.unreadableFile(); !unreadable.isEmpty())
        return fail(cli_text::unreadable(unreadable));
    if (!ledger.registerOnDisk())
        write(stderr, cli_text::noRegister(QDir::currentPath()).toUtf8());
    return answer(ledger);
}

QByteArray registerCsv(const ledger::Ledger& ledger, const RowFilter& keep) {
    QByteArray csv =
        csvRow({QStringLiteral("lainaaja"), QStringLiteral("paikka"), QStringLiteral("laina")});
    for (const QString& name : ledger.names())
        csv += borrowerRows(name, ledger.loansOn(name), keep);
    return csv;
}

int printRegister(const QString&) {
    return answerFromRegister(
        [](const ledger::Ledger& ledger) { return print(registerCsv(ledger)); });
}

} // namespace cli
