// Editing one saved loan of the borrower shown on the main screen.
#include "ledger/StorableText.h"
#include "ui/Hints.h"
#include "ui/ListFilling.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"
#include "ui/Panels.h"
#include "ui/Saldori.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>

void Saldori::Muokkaa_Click() {
    if (registerRefused())
        return;
    vilkkukohde = Vilkkukohde::Muokkaa;
    Vilkuta->start();
    if (!ledger_.hasNames()) {
        ask(msg::kNoBorrowersToEdit);
        return;
    }
    Muokkaus->show();
    liiketila = Liiketila::muokkaus;
    liikuttaja->start();
    Muokkaus->Mtlaina->setText(selectedEntry(Laina));
    Disabloi();
    Muokkaa->setEnabled(true);
    Muokkaus->Mtlaina->setFocus();
}

void Saldori::Tallenna_Click() {
    const QString edited = ledger::asStored(Muokkaus->Mtlaina->text());
    const QString name = Lainaaja->currentText();
    const QString selected = selectedEntry(Laina);

    // The first refusal that applies is the one shown; its order is what users know.
    const std::pair<bool, Message> refusals[] = {
        {edited == ui_text::kNoLoans, msg::kUnusableLoan},
        {!ledger::isStorable(edited), msg::kUnstorableLoan},
        {Lainaaja->showsNobody(), msg::kChooseBorrowerFirst},
        {edited.isEmpty(), msg::kEmptyEdit},
        {selected == ui_text::kNoLoans, msg::noLoansToEdit(name)},
        {!ledger_.registered(name), msg::notInMemory(name)},
        // The loan table holds the loans of the borrower last picked; saving it under any
        // other name would overwrite that borrower's file with someone else's loans.
        {pickedBorrower().isEmpty(), msg::kChooseBorrowerFirst},
        {ledger_.holdsLoan(edited), msg::kDuplicateEdit},
        {!ledger_.holdsLoan(selected), msg::kLoanNotFound},
    };
    for (const auto& [refused, message] : refusals) {
        if (refused) {
            ask(message);
            return;
        }
    }

    if (ledger_.replaceLoan(selected, edited) != ledger::Problem::None || !TallennaMuokkaus()) {
        // Show what the file really holds, not the edit that could not be stored.
        MuistiClear();
        Lue();
    } else {
        Muokkaus->Mtlaina->setText(edited);
    }
    LisaaLainat();
}

void Saldori::Command3_Click() {
    liiketila = Liiketila::muokkaustakaisin;
    liikuttaja->start();
}
