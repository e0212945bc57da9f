// Deleting the ticked loans of the current borrower, and clicks in the loan list.
#include "ledger/Tables.h"
#include "ui/Hints.h"
#include "ui/Messages.h"
#include "ui/Saldori.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

constexpr int kBlinkPLaina = 4;

bool showsNoLoans(const QListWidget* list) {
    return list->count() == 1 && list->item(0)->text() == ui_text::kNoLoans;
}

} // namespace

void Saldori::PLaina_Click() {
    vilkkukohde = kBlinkPLaina;
    Vilkuta->start();
    if (Lainaaja->currentText() == ui_text::kPrompt) {
        ask(msg::kChooseAndTick);
        return;
    }
    LueNimet();
    // The ticks count only on the loans of the borrower the screen shows as picked; an empty list
    // shows nobody's loans, and compacting it would wipe the borrower's file.
    const std::pair<bool, Message> refusals[] = {
        {ledger::slotOf(muisti, kenen) < 0 || !borrowerPicked(), msg::kChooseFromList},
        {!ledger::anyFilled(muisti), msg::kNoBorrowersForDelete},
        {showsNoLoans(Laina), msg::noLoans(Lainaaja->currentText())},
    };
    for (const auto& [refused, message] : refusals) {
        if (refused) {
            ask(message);
            return;
        }
    }

    PoistaLaina();
    MuistiClear();
    JarjestaLaina();
    const bool saved = TallennaLaina1();
    Laina->clear();
    MuistiClear();
    Lue();
    LisaaLainat();

    // After a failed save the file still holds the loans, so nobody is offered for deletion.
    bool borrowerRemoved = false;
    if (saved && muisti2[0].isEmpty() && ask(msg::askDeleteBorrower(kenen)) == Answer::Ok) {
        MuistiClear();
        LueNimet();
        borrowerRemoved = PoistaLainaaja();
        Lainaaja->clear();
        Laina->clear();
        LueNimet();
        LisaaNimet();
        if (!borrowerRemoved)
            LisaaLainat();
    }
    setComboText(Lainaaja, borrowerRemoved ? ui_text::kPrompt : kenen);
    if (saved && guidedHelp())
        ohjeteksti->setText(hint::kLoansDeleted);
}

void Saldori::PoistaLaina() {
    for (int row = 0; row < Laina->count();) {
        if (Laina->item(row)->checkState() == Qt::Checked)
            delete Laina->takeItem(row);
        else
            ++row;
    }
}

void Saldori::JarjestaLaina() {
    const int count = std::min(Laina->count(), int(muisti2.size()));
    for (int row = 0; row < count; ++row)
        muisti2[row] = Laina->item(row)->text();
}

void Saldori::Laina_Click() {
    if (shown(Muokkaus))
        Mtlaina->setText(selectedEntry(Laina));
    if (guidedHelp())
        ohjeteksti->setText(hint::kClickDeleteLoan);
}
