// Deleting the ticked loans of the current borrower, and clicks in the loan list.
#include "ledger/Tables.h"
#include "ui/Hints.h"
#include "ui/ListFilling.h"
#include "ui/Messages.h"
#include "ui/Panels.h"
#include "ui/Saldori.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

void Saldori::PLaina_Click() {
    if (registerRefused())
        return;
    vilkkukohde = Vilkkukohde::PLaina;
    Vilkuta->start();
    if (Lainaaja->showsNobody()) {
        ask(msg::kChooseAndTick);
        return;
    }
    LueNimet();
    // The ticks count only on the loans of the borrower the screen shows as picked; an empty list
    // shows nobody's loans, and compacting it would wipe the borrower's file.
    const std::pair<bool, Message> refusals[] = {
        {!ledger_.registered(ledger_.kenen()) || pickedBorrower().isEmpty(), msg::kChooseFromList},
        {!ledger_.hasNames(), msg::kNoBorrowersForDelete},
        {!ledger_.hasLoans(), msg::noLoans(ledger_.kenen())},
    };
    for (const auto& [refused, message] : refusals) {
        if (refused) {
            ask(message);
            return;
        }
    }

    PoistaLaina();
    const bool saved = TallennaLaina1();
    Laina->clear();
    MuistiClear();
    Lue();
    LisaaLainat();

    // After a failed save the file still holds the loans, so nobody is offered for deletion.
    bool borrowerRemoved = false;
    if (saved && !ledger_.hasLoans() &&
        ask(msg::askDeleteBorrower(ledger_.kenen())) == Answer::Ok) {
        MuistiClear();
        LueNimet();
        borrowerRemoved = PoistaLainaaja();
        refreshLists();
        if (!borrowerRemoved)
            LisaaLainat();
    }
    if (!borrowerRemoved)
        setComboText(Lainaaja, ledger_.kenen());
    if (saved && guidedHelp())
        showStep(hint::kLoansDeleted);
}

// The list shows the loans in memory in their order, so its ticks name the loans to drop; the
// loans left move up to the first slots, as the list shows them.
void Saldori::PoistaLaina() {
    QList<int> ticked;
    for (int row = 0; row < Laina->count(); ++row) {
        if (Laina->item(row)->checkState() == Qt::Checked)
            ticked << row;
    }
    ledger_.dropLoans(ticked);
    for (auto row = ticked.crbegin(); row != ticked.crend(); ++row)
        delete Laina->takeItem(*row);
}

void Saldori::Laina_Click() {
    if (shown(Muokkaus))
        Muokkaus->Mtlaina->setText(selectedEntry(Laina));
    if (guidedHelp())
        showStep(hint::kClickDeleteLoan);
}
