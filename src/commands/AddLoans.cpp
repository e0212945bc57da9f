#include "ui/Colours.h"
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
#include <QPushButton>
#include <optional>
#include <utility>

using ledger::Problem;

namespace {

std::optional<Message> loanRefusal(Problem problem, const QString& borrower) {
    static const std::pair<Problem, const Message*> kRefusals[] = {
        {Problem::Empty, &msg::kEmptyLoan},           {Problem::Unusable, &msg::kUnusableLoan},
        {Problem::Unstorable, &msg::kUnstorableLoan}, {Problem::Duplicate, &msg::kDuplicateLoan},
        {Problem::NoLoanFile, &msg::kNoLoanFile},
    };
    if (problem == Problem::Full)
        return msg::loansFull(borrower);
    for (const auto& [known, message] : kRefusals) {
        if (known == problem)
            return *message;
    }
    return std::nullopt;
}

} // namespace

void Saldori::LLaina_Click() {
    if (registerRefused())
        return;
    const bool guided = guidedHelp();
    if (!guided) {
        Disabloi();
        LLaina->setEnabled(true);
        vilkkukohde = Vilkkukohde::LLaina;
        Vilkuta->start();
    }
    Laina->clear();
    MuistiClear();
    LueNimet();
    if (!guided && !ledger_.hasNames()) {
        ask(msg::kNoBorrowersForLoans);
        Enabloi();
        return;
    }
    // The borrower shown on the main screen is the one the user most likely means.
    const bool noneChosen = Lainaaja->showsNobody();
    Add1->Lainaaja1->clear();
    // The program setting the borrower box counts as a change, as typing into it does.
    setComboText(Add1->Lainaaja1, noneChosen ? QString() : ledger_.kenen());
    Lainaaja1_Change();
    Add1->show();
    liiketila = Liiketila::llaina;
    liikuttaja->start();
    emptyLists();
    LueNimet();
    LisaaNimet1();
    if (guided) {
        Add1->markBoxes(true);
        showStep(hint::kChooseBorrowerTypeLoan);
    }
    Add1->LainaLisaa->setFocus();
}

void Saldori::Lainaaja1_Change() {
    if (Add1->LainaLisaa->isVisible() && Add1->LainaLisaa->isEnabled())
        Add1->LainaLisaa->setFocus();
}

void Saldori::LainaLisaa_Change() {
    if (!guidedHelp())
        return;
    showStep(hint::kClickAdd);
    colours::setBold(Add1->OK1, true);
    if (Add1->LainaLisaa->text().isEmpty()) {
        showStep(hint::kChooseBorrowerTypeLoan);
        colours::setBold(Add1->OK1, false);
    }
}

void Saldori::OK1_Click() {
    MuistiClear();
    Lue1();
    LueNimet();
    const bool added = LisaaLaina1();
    // Writing back is for a borrower who has a loan file; for a typed name without one it would
    // only leave a stray file behind. What is on disk is what the user has, so a failed save
    // must not leave the table claiming more.
    const bool saved = !ledger::hasLoanFile(Add1->Lainaaja1->currentText()) || TallennaLaina();
    if (!saved) {
        MuistiClear();
        Lue1();
    }
    Add1->LainaLisaa->setText(QString());
    if (added && saved)
        showStep(hint::kLoanSaved);
    colours::setBold(Add1->OK1, false);
    Add1->LainaLisaa->setFocus();
}

bool Saldori::LisaaLaina1() {
    const Problem problem = ledger_.addLoan(ledger::asStored(Add1->LainaLisaa->text()));
    if (const auto refusal = loanRefusal(problem, ledger_.loansOf())) {
        ask(*refusal);
        if (problem == Problem::NoLoanFile) {
            setComboText(Add1->Lainaaja1, QString());
            Lainaaja1_Change();
        }
        return false;
    }
    return true;
}

void Saldori::sulje2_Click() {
    if (guidedHelp()) {
        Add1->markBoxes(false);
        colours::setUnderline(LLaina, false);
        showStep(hint::kLeaveButton);
        liiketila = Liiketila::ohjellainatakaisin;
        ohjetila = Ohjetila::näytä;
        ohjeliikuttaja->start();
    } else {
        liiketila = Liiketila::llainatakaisin;
    }
    liikuttaja->start();
    Laina->setEnabled(true);
    Lainaaja->setEnabled(true);
    refreshLists();
}
