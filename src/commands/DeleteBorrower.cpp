// Deleting the current borrower with all their loans.
#include "ui/Hints.h"
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
    refreshLists();
    if (guidedHelp() && deleted)
        showStep(hint::kBorrowerDeleted);
}

// Writes the register itself, also when nobody is deleted, so that the loan file goes only
// once the register on disk no longer names the borrower: a failed save loses nothing. Only the
// borrower the screen shows as picked is deleted; a name typed over it is not a pick.
bool Saldori::PoistaLainaaja() {
    const QString chosen = pickedBorrower();
    const ledger::Outcome outcome =
        !chosen.isEmpty() ? ledger_.deleteBorrower(chosen)
                          : ledger::Outcome{ledger::Problem::NotRegistered, ledger_.kenen()};
    if (outcome.problem == ledger::Problem::NotRegistered) {
        ask(!chosen.isEmpty() ? msg::kBorrowerMissing : msg::kChooseBorrower);
        TallennaNimet();
        return false;
    }
    return saved(outcome);
}
