#include "cli/Export.h"

#include "cli/Output.h"
#include "cli/Texts.h"
#include "ledger/Ledger.h"

#include <QDir>
#include <QStringList>

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

void appendBorrower(QByteArray& csv, const QString& name, const ledger::LoanTable& loans) {
    if (!ledger::anyFilled(loans))
        csv += csvRow({name, QString(), QString()});
    for (int slot = 0; slot < ledger::kLoanSlots; ++slot) {
        if (!loans[slot].isEmpty())
            csv += csvRow({name, QString::number(slot + 1), loans[slot]});
    }
}

} // namespace

RegisterExport exportRegister() {
    RegisterExport result;
    ledger::Ledger ledger;
    ledger.LueNimet();
    // What the window would refuse to write over is no register to back up either.
    result.unreadableFile = ledger.unreadableFile();
    if (!result.unreadableFile.isEmpty())
        return result;
    result.registerFound = ledger.registerOnDisk();
    QByteArray csv =
        csvRow({QStringLiteral("lainaaja"), QStringLiteral("paikka"), QStringLiteral("laina")});
    for (const QString& name : ledger.names())
        appendBorrower(csv, name, ledger.loansOn(name));
    result.csv = csv;
    return result;
}

int printRegister(const QString&) {
    const RegisterExport exported = exportRegister();
    if (!exported.unreadableFile.isEmpty())
        return fail(cli_text::unreadable(exported.unreadableFile));
    if (!exported.registerFound)
        write(stderr, cli_text::noRegister(QDir::currentPath()).toUtf8());
    return print(exported.csv);
}

} // namespace cli
