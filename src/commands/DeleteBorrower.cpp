// Deleting the current borrower with all their loans.
#include "ledger/LoanFile.h"
#include "ledger/Tables.h"
#include "ui/Hints.h"
#include "ui/ListFilling.h"
#include "ui/Messages.h"
#include "ui/Saldori.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>

void Saldori::PLainaaja_Click() {
    vilkkukohde = Vilkkukohde::PLainaaja;
    Vilkuta->start();
    MuistiClear();
    LueNimet();
    if (!ledger_.hasNames()) {
        ask(msg::kNoNamesToDelete);
        return;
    }
    const bool deleted = PoistaLainaaja();
    Lainaaja->clear();
    Laina->clear();
    LueNimet();
    LisaaNimet();
    setComboText(Lainaaja, ui_text::kPrompt);
    if (guidedHelp() && deleted)
        ohjeteksti->setText(hint::kBorrowerDeleted);
}

// Writes the register itself, also when nobody is deleted, so that the loan file goes only
// once the register on disk no longer names the borrower: a failed save loses nothing. Only the
// borrower the screen shows as picked is deleted; a name typed over it is not a pick.
bool Saldori::PoistaLainaaja() {
    const bool chosen = borrowerPicked();
    const QString borrower = ledger_.kenen();
    const int slot = chosen ? ledger::slotOf(ledger_.muisti(), borrower) : -1;
    if (slot < 0) {
        ask(chosen ? msg::kBorrowerMissing : msg::kChooseBorrower);
        TallennaNimet();
        return false;
    }
    ledger_.setName(slot, QString());
    if (!TallennaNimet()) {
        ledger_.setName(slot, borrower);
        return false;
    }
    if (const auto loanFile = ledger::loanFileName(borrower))
        QFile::remove(*loanFile);
    return true;
}
