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
#include <utility>

using ledger::Problem;

namespace {

const Message* nameRefusal(Problem problem) {
    static const std::pair<Problem, const Message*> kRefusals[] = {
        {Problem::Empty, &msg::kEmptyName},       {Problem::Unstorable, &msg::kUnstorableName},
        {Problem::Unusable, &msg::kUnusableName}, {Problem::Duplicate, &msg::kDuplicateName},
        {Problem::Full, &msg::kRegisterFull},
    };
    for (const auto& [known, message] : kRefusals) {
        if (known == problem)
            return message;
    }
    return nullptr;
}

} // namespace

void Saldori::LLainaaja_Click() {
    if (registerRefused())
        return;
    const bool guided = guidedHelp();
    if (guided) {
        showStep(hint::kTypeName);
        colours::setBackground(Add->Uusi, colours::kYellow);
        colours::setText(Add->Uusi, colours::kRed);
    } else {
        Disabloi();
        LLainaaja->setEnabled(true);
        vilkkukohde = Vilkkukohde::LLainaaja;
        Vilkuta->start();
    }
    Add->show();
    liiketila = Liiketila::llainaaja;
    liikuttaja->start();
    MuistiClear();
    emptyLists();
    LueNimet();
    if (guided) {
        Disabloi();
        LLainaaja->setEnabled(true);
    }
    Add->Uusi->setFocus();
}

void Saldori::Uusi_Change() {
    if (!guidedHelp())
        return;
    const QString step = guide_.step;
    if (step != hint::kClickAdd && step != hint::kChooseBorrowerTypeLoan) {
        showStep(hint::kClickAdd);
        colours::setBold(Add->OK, true);
    }
    // Emptying the box after a successful add must not undo the step that add has just set.
    if (guide_.step != hint::kChooseBorrowerTypeLoan && Add->Uusi->text().isEmpty()) {
        showStep(hint::kTypeName);
        colours::setBold(Add->OK, false);
    }
}

void Saldori::OK_Click() {
    const QString name = ledger::asStored(Add->Uusi->text());
    const ledger::Outcome outcome = ledger_.addBorrower(name);
    // A failed save leaves the user where they were.
    if (const Message* refusal = nameRefusal(outcome.problem)) {
        ask(*refusal);
        return;
    }
    if (!saved(outcome))
        return;
    if (guidedHelp()) {
        // The walkthrough moves on from the name to the loans.
        Add->resetNameBox();
        colours::setUnderline(LLainaaja, false);
        colours::setUnderline(LLaina, true);
        LLaina->setEnabled(true);
        Add1->markBoxes(true);
        showStep(hint::kChooseBorrowerTypeLoan);
    }
    Lainaaja->clear();
    Laina->clear();
    Add1->Lainaaja1->clear();
    Lainaaja->showNobody();
    Add1->show();
    liiketila = Liiketila::SLAL1;
    liikuttaja->start();
    LLainaaja->setEnabled(false);
    setComboText(Add1->Lainaaja1, name);
    Lainaaja1_Change();
    LisaaNimet1();
    Add->Uusi->setText(QString());
    Add1->LainaLisaa->setFocus();
}

void Saldori::sulje1_Click() {
    if (!guidedHelp()) {
        liiketila = Liiketila::llainaajatakaisin;
        liikuttaja->start();
        Lainaaja->setEnabled(true);
        Laina->setEnabled(true);
        return;
    }
    LLainaaja->setEnabled(true);
    colours::setUnderline(LLainaaja, true);
    LLaina->setEnabled(false);
    colours::setUnderline(LLaina, false);
    Add->resetNameBox();
    liiketila = Liiketila::ohjellainaajatakaisin;
    liikuttaja->start();
    showStep(hint::kClickAddBorrower);
}
