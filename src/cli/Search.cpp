#include "cli/Export.h"
#include "cli/Output.h"
#include "cli/Questions.h"

namespace cli {

int printMatches(const QString& text) {
    // Typed with a separate accent, a letter is still the one letter the register holds.
    const QString wanted = text.normalized(QString::NormalizationForm_C);
    const auto matches = [&wanted](const QString& name, const QString& loan) {
        return name.contains(wanted, Qt::CaseInsensitive) ||
               loan.contains(wanted, Qt::CaseInsensitive);
    };
    return answerFromRegister(
        [&](const ledger::Ledger& ledger) { return print(registerCsv(ledger, matches)); });
}

} // namespace cli
