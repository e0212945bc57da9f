// The window's side of the ledger: which borrower each reader and writer takes, what a failed
// save tells the user, and how the tables reach the lists.
#include "ledger/OwnFiles.h"
#include "ui/Hints.h"
#include "ui/ListFilling.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"
#include "ui/Panels.h"
#include "ui/Saldori.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

void Saldori::Form_Load() {
    vilkkukohde = Vilkkukohde::none;
    vilkkulaskuri = 0;
    LueNimet();
    LisaaNimet();
    ledger_.setKenen(Lainaaja->showsNobody() ? QString() : Lainaaja->currentText());
    // Before the user tries anything with what was shown of it.
    registerRefused();
}

void Saldori::MuistiClear() {
    ledger_.MuistiClear();
}

void Saldori::LueNimet() {
    ledger_.LueNimet();
}

bool Saldori::TallennaNimet() {
    return saved(ledger_.TallennaNimet());
}

void Saldori::LisaaNimet() {
    const QStringList names = ledger_.names();
    appendEntries(Lainaaja, names.isEmpty() ? QStringList{ui_text::kNoBorrowers} : names);
}

void Saldori::LisaaNimet1() {
    appendEntries(Add1->Lainaaja1, ledger_.names());
}

// The lists as the files have them, with nobody picked.
void Saldori::refreshLists() {
    Lainaaja->clear();
    Laina->clear();
    LueNimet();
    LisaaNimet();
    Lainaaja->showNobody();
}

// While an add panel is open, the main screen shows nobody and takes no input.
void Saldori::emptyLists() {
    Lainaaja->showNobody();
    Lainaaja->setEnabled(false);
    Laina->clear();
    Laina->setEnabled(false);
}

void Saldori::Lue() {
    ledger_.Lue(ledger_.kenen());
}

void Saldori::Lue1() {
    ledger_.Lue(Add1->Lainaaja1->currentText());
}

// The loans in memory are the borrower's whose file they were read from, so each of these
// writes that file, whichever box named the borrower.
bool Saldori::TallennaLaina() {
    if (Add1->Lainaaja1->currentText().isEmpty())
        return true;
    return saved(ledger_.saveLoans());
}

bool Saldori::TallennaMuokkaus() {
    if (Lainaaja->currentText().isEmpty())
        return true;
    return saved(ledger_.saveLoans());
}

bool Saldori::TallennaLaina1() {
    return saved(ledger_.saveLoans());
}

bool Saldori::saved(const ledger::Outcome& outcome) {
    using ledger::Problem;
    switch (outcome.problem) {
    case Problem::None:
        return true;
    case Problem::Unconfirmed: // the files hold the change: what follows must show it
        ask(msg::saveUnconfirmed(outcome.file));
        return true;
    case Problem::Unreadable:
        ask(msg::unreadableFile(outcome.file));
        break;
    case Problem::Unnamable: // only a register from elsewhere holds such a name
        ask(msg::unusableBorrower(outcome.file));
        break;
    default:
        ask(msg::saveFailed(outcome.file));
        break;
    }
    return false;
}

bool Saldori::registerRefused() {
    if (ledger_.registerReadable())
        return false;
    ask(msg::unreadableFile(ledger::kRegisterFile));
    return true;
}

void Saldori::LisaaLainat() {
    Laina->clear();
    const QStringList loans = ledger_.loans();
    for (const QString& loan : loans.isEmpty() ? QStringList{ui_text::kNoLoans} : loans)
        appendLoanEntry(Laina, loan);
}

void Saldori::Lainaaja_Click() {
    ledger_.setKenen(Lainaaja->currentText());
    MuistiClear();
    Laina->clear();
    Lue();
    LisaaLainat();
    if (!guidedHelp())
        Muokkaus->Mtlaina->setText(selectedEntry(Laina));
    else if (guide_.topic == Guide::Topic::deleteBorrower)
        showStep(hint::kClickDeleteBorrower);
    else
        showStep(hint::kTickLoans);
    if (shown(Muokkaus))
        Muokkaus->Mtlaina->setFocus();
}
