// Deleting the current borrower with all their loans.
#include "ledger/LoanFile.h"
#include "ledger/Tables.h"
#include "ui/Hints.h"
#include "ui/Messages.h"
#include "ui/Saldori.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>

namespace {

constexpr int kBlinkPLainaaja = 3;
// Tells the caller that nobody was deleted; it means nothing to the transition engine.
const QString kNothingDeleted = QStringLiteral("ohno");

} // namespace

void Saldori::PLainaaja_Click() {
    vilkkukohde = kBlinkPLainaaja;
    Vilkuta->start();
    MuistiClear();
    LueNimet();
    if (!ledger::anyFilled(muisti)) {
        ask(msg::kNoNamesToDelete);
        return;
    }
    PoistaLainaaja();
    Lainaaja->clear();
    Laina->clear();
    LueNimet();
    LisaaNimet();
    setComboText(Lainaaja, ui_text::kPrompt);
    if (guidedHelp() && liiketila != kNothingDeleted)
        ohjeteksti->setText(hint::kBorrowerDeleted);
    liiketila.clear();
}

// Writes the register itself, also when nobody is deleted, so that the loan file goes only
// once the register on disk no longer names the borrower: a failed save loses nothing.
void Saldori::PoistaLainaaja() {
    const bool chosen = Lainaaja->currentText() != ui_text::kPrompt && !kenen.isEmpty();
    const int slot = chosen ? ledger::slotOf(muisti, kenen) : -1;
    if (slot < 0) {
        ask(chosen ? msg::kBorrowerMissing : msg::kChooseBorrower);
        liiketila = kNothingDeleted;
        TallennaNimet();
        return;
    }
    muisti[slot].clear();
    if (!TallennaNimet()) {
        muisti[slot] = kenen;
        liiketila = kNothingDeleted;
        return;
    }
    if (const auto loanFile = ledger::loanFileName(kenen))
        QFile::remove(*loanFile);
}
