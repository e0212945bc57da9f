// What the picked borrower owes, where it moves nothing on the screen: the borrower box's tool
// tip, and its description for a screen reader.
#include "ledger/Amount.h"
#include "ui/PickComboBox.h"
#include "ui/Saldori.h"

#include <QLineEdit>

namespace {

QString summaryOf(const ledger::Tally& tally) {
    const QString sum =
        tally.overflow ? QStringLiteral("liian suuri summa") : ledger::euros(tally.cents);
    const QString loans =
        tally.loans == 1 ? QStringLiteral("1 laina") : QStringLiteral("%1 lainaa").arg(tally.loans);
    QString summary = QStringLiteral("Yhteensä %1 · %2").arg(sum, loans);
    if (tally.withoutAmount > 0)
        summary += QStringLiteral(", %1 ilman summaa").arg(tally.withoutAmount);
    return summary;
}

void showSummary(const ledger::Ledger& ledger, PickComboBox* Lainaaja) {
    const QString& borrower = ledger.kenen();
    QString summary;
    if (ledger.registered(borrower) && Lainaaja->currentText() == borrower) {
        ledger::Tally tally;
        for (const QString& loan : ledger.loansOn(borrower)) {
            if (!loan.isEmpty())
                tally.add(loan);
        }
        summary = summaryOf(tally);
    }
    Lainaaja->setToolTip(summary);
    Lainaaja->setAccessibleDescription(summary);
}

} // namespace

// After every change of the files, every pick, and every change of the box's text, also the
// program's own, which the box itself keeps quiet about.
void Saldori::connectBorrowerSummary() {
    const auto show = [this] { showSummary(ledger_, Lainaaja); };
    ledger_.onChanged(show);
    connect(Lainaaja, &PickComboBox::picked, this, show);
    connect(Lainaaja->lineEdit(), &QLineEdit::textChanged, this, show);
}
