// The help topics, each starting a guided walkthrough, and the way out of it.
#include "ui/Colours.h"
#include "ui/HintLabel.h"
#include "ui/Hints.h"
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
#include <algorithm>
#include <vector>

namespace {

// Stays from its first use until the program ends.
const QString kAddBorrowerCaption = QStringLiteral("Lainaajan lisäys:");

struct TopicRow {
    Guide::Topic topic;
    bool needsBorrower;
    QString hint;
    MenuLabel* label; // the one menu label that does the task
    std::vector<QWidget*> alsoEnabled;
    QString topicsCaption; // empty: the topics panel keeps its caption
};

} // namespace

// False, with nothing changed, for a topic that needs a borrower while there is none.
bool Saldori::startGuide(Guide::Topic topic) {
    using enum Guide::Topic;
    // clang-format off
    const TopicRow rows[] = {
        {addBorrower,    false, hint::kClickAddBorrower, LLainaaja, {},                 kAddBorrowerCaption},
        {addLoan,        true,  hint::kClickAddLoan,     LLaina,    {},                 {}},
        {deleteBorrower, true,  hint::kChooseBorrower,   PLainaaja, {Lainaaja},         {}},
        {deleteLoans,    true,  hint::kChooseBorrower,   PLaina,    {Lainaaja, Laina},  {}},
    };
    // clang-format on
    const TopicRow& row = *std::find_if(std::begin(rows), std::end(rows),
                                        [&](const TopicRow& r) { return r.topic == topic; });
    if (row.needsBorrower && !ledger_.hasNames())
        return false;
    guide_.topic = topic;
    ohjeteksti->show();
    takaisin2->show();
    showStep(row.hint);
    if (!row.topicsCaption.isEmpty())
        Ohje->setTitle(row.topicsCaption);
    row.label->setEnabled(true);
    colours::setUnderline(row.label, true);
    liiketila = Liiketila::ohjetakaisin;
    liikuttaja->start();
    ohjetila = Ohjetila::piilota;
    ohjeliikuttaja->start();
    for (QWidget* control : row.alsoEnabled)
        control->setEnabled(true);
    return true;
}

void Saldori::ohjellainaaja_Click() {
    if (!startGuide(Guide::Topic::addBorrower))
        ask(msg::kAddBorrowerFirst);
}

void Saldori::ohjellaina_Click() {
    if (!startGuide(Guide::Topic::addLoan))
        ask(msg::kAddBorrowerFirst);
}

void Saldori::ohjeplainaaja_Click() {
    if (!startGuide(Guide::Topic::deleteBorrower))
        ask(msg::kAddBorrowerFirst);
}

void Saldori::ohjeplaina_Click() {
    if (!startGuide(Guide::Topic::deleteLoans))
        ask(msg::kAddBorrowerFirst);
}

void Saldori::takaisin2_Click() {
    for (MenuLabel* label : {LLainaaja, LLaina, PLainaaja, PLaina}) {
        label->setEnabled(false);
        colours::setUnderline(label, false);
    }
    showStep(hint::kLeaveButton);
    ohjetila = Ohjetila::näytä;
    ohjeliikuttaja->start();
    colours::setBackground(Add->Uusi, colours::systemWindow());
    Add1->markBoxes(false);
    const bool panelOpen = shown(Add) || shown(Add1);
    if (shown(Add)) {
        liiketila = Liiketila::ohjellainaajatakaisin;
        liikuttaja->start();
    } else if (shown(Add1)) {
        liiketila = Liiketila::ohjellainatakaisin;
        liikuttaja->start();
    }
    Enabloi();
    Lainaaja->setEnabled(true);
    Laina->setEnabled(true);
    // The add panels empty the main screen's lists when they open and fill them again when they
    // close, so leaving guided help through one of them must do the same.
    if (panelOpen)
        refreshLists();
}
