// Arbitrary text as a borrower name and as a loan: a loan-file name never leaves the working
// folder nor names one of the program's own files, and a text passed as storable reads back as
// it was saved.
#include "ledger/LoanFile.h"
#include "ledger/RecordFile.h"
#include "ledger/StorableText.h"
#include "ledger/Tables.h"

#include <QBuffer>
#include <QFile>
#include <cstddef>
#include <cstdint>

namespace {

void checkLoanFileName(const QString& name) {
    const std::optional<QString> file = ledger::loanFileName(name);
    if (!file)
        return;
    static const QStringList own = {"nimet.kdx", "versio.kdx", "update.kdx", "tiedostot.kdx",
                                    "UpDater.kdx"};
    if (*file != name + ".kdx" || file->contains(u'/') || file->contains(QChar(0)) ||
        name == u"." || name == u".." || own.contains(*file) ||
        QFile::encodeName(*file).size() > 255)
        __builtin_trap();
}

void checkStorable(const QString& text) {
    const QString loan = text.trimmed();
    if (!ledger::isStorable(loan))
        return;
    ledger::LoanTable loans;
    loans[0] = loan;
    QBuffer file;
    file.setData(*ledger::recordBytes(QStringLiteral("h"), loans));
    file.open(QIODevice::ReadOnly);
    ledger::LoanTable readBack;
    ledger::readRecords(file, readBack);
    if (readBack != loans)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2));
    checkLoanFileName(text);
    checkStorable(text);
    return 0;
}
