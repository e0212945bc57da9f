// The help topics, each starting a guided walkthrough, and the way out of it.
#include "ledger/Tables.h"
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
#include <algorithm>
#include <vector>

namespace {

// Stays from its first use until the program ends.
const QString kAddBorrowerCaption = QStringLiteral("Lainaajan lisäys:");

struct Topic {
    QPushButton* button;
    bool needsBorrower;
    QString hint;
    MenuLabel* label; // the one menu label that does the task
    std::vector<QWidget*> alsoEnabled;
    QString topicsCaption; // empty: the topics panel keeps its caption
};

} // namespace

struct Saldori::GuidedSteps {
    static std::vector<Topic> topics(Saldori& w) {
        // clang-format off
    return {
        {w.Ohje->ohjellainaaja, false, hint::kClickAddBorrower, w.LLainaaja, {},                     kAddBorrowerCaption},
        {w.Ohje->ohjellaina,    true,  hint::kClickAddLoan,     w.LLaina,    {},                     {}},
        {w.Ohje->ohjeplainaaja, true,  hint::kChooseBorrower,   w.PLainaaja, {w.Lainaaja},           {}},
        {w.Ohje->ohjeplaina,    true,  hint::kChooseBorrower,   w.PLaina,    {w.Lainaaja, w.Laina},  {}},
    };
        // clang-format on
    }

    // False, with nothing changed, for a topic that needs a borrower while there is none.
    static bool startGuidedHelp(Saldori& w, const QPushButton* button) {
        const auto all = topics(w);
        const Topic& topic = *std::find_if(all.begin(), all.end(),
                                           [&](const Topic& t) { return t.button == button; });
        if (topic.needsBorrower && !w.ledger_.hasNames())
            return false;
        w.ohjeteksti->show();
        w.takaisin2->show();
        w.ohjeteksti->setText(topic.hint);
        if (!topic.topicsCaption.isEmpty())
            w.Ohje->setTitle(topic.topicsCaption);
        topic.label->setEnabled(true);
        colours::setUnderline(topic.label, true);
        w.liiketila = Liiketila::ohjetakaisin;
        w.liikuttaja->start();
        w.ohjetila = Ohjetila::piilota;
        w.ohjeliikuttaja->start();
        for (QWidget* control : topic.alsoEnabled)
            control->setEnabled(true);
        return true;
    }

    // The add panels empty the main screen's lists when they open and fill them again when they
    // close, so leaving guided help through one of them must do the same.
    static void refillMainScreen(Saldori& w) {
        w.Lainaaja->clear();
        w.Laina->clear();
        w.LueNimet();
        w.LisaaNimet();
        setComboText(w.Lainaaja, ui_text::kPrompt);
    }
};

void Saldori::ohjellainaaja_Click() {
    if (!GuidedSteps::startGuidedHelp(*this, Ohje->ohjellainaaja))
        ask(msg::kAddBorrowerFirst);
}

void Saldori::ohjellaina_Click() {
    if (!GuidedSteps::startGuidedHelp(*this, Ohje->ohjellaina))
        ask(msg::kAddBorrowerFirst);
}

void Saldori::ohjeplainaaja_Click() {
    if (!GuidedSteps::startGuidedHelp(*this, Ohje->ohjeplainaaja))
        ask(msg::kAddBorrowerFirst);
}

void Saldori::ohjeplaina_Click() {
    if (!GuidedSteps::startGuidedHelp(*this, Ohje->ohjeplaina))
        ask(msg::kAddBorrowerFirst);
}

void Saldori::takaisin2_Click() {
    for (MenuLabel* label : {LLainaaja, LLaina, PLainaaja, PLaina}) {
        label->setEnabled(false);
        colours::setUnderline(label, false);
    }
    ohjeteksti->setText(hint::kLeaveButton);
    ohjetila = Ohjetila::näytä;
    ohjeliikuttaja->start();
    for (QWidget* box : std::initializer_list<QWidget*>{Add->Uusi, Add1->Lainaaja1, Add1->LainaLisaa})
        colours::setBackground(box, colours::systemWindow());
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
    if (panelOpen)
        GuidedSteps::refillMainScreen(*this);
}
