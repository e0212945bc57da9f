// Deleting the current borrower with all their loans.
#include "ui/Hints.h"
#include "ui/ListFilling.h"
#include "ui/Messages.h"
#include "ui/Saldori.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

void Saldori::PLainaaja_Click() {
    if (registerRefused())
        return;
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
    const ledger::Outcome outcome =
        chosen ? ledger_.deleteBorrower(ledger_.kenen())
               : ledger::Outcome{ledger::Problem::NotRegistered, ledger_.kenen()};
    if (outcome.problem == ledger::Problem::NotRegistered) {
        ask(chosen ? msg::kBorrowerMissing : msg::kChooseBorrower);
        TallennaNimet();
        return false;
    }
    return saved(outcome);
}
