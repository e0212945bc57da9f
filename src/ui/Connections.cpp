// Every control's input reaches its handler through the input rule (docs/design.md).
#include "ui/LinkLabel.h"
#include "ui/MenuLabel.h"
#include "ui/Panels.h"
#include "ui/PickComboBox.h"
#include "ui/Saldori.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

void Saldori::connectHandlers() {
    const auto command = [this](const QWidget* control, void (Saldori::*handler)()) {
        return [this, control, handler] { runCommand(control, handler); };
    };
    const std::pair<MenuLabel*, void (Saldori::*)()> menu[] = {
        {LLainaaja, &Saldori::LLainaaja_Click}, {LLaina, &Saldori::LLaina_Click},
        {PLainaaja, &Saldori::PLainaaja_Click}, {PLaina, &Saldori::PLaina_Click},
        {Muokkaa, &Saldori::Muokkaa_Click},     {Apua, &Saldori::Apua_Click},
        {Lopeta, &Saldori::Lopeta_Click},
    };
    for (const auto& [label, handler] : menu)
        connect(label, &MenuLabel::clicked, this, command(label, handler));
    for (MenuLabel* label : menuLabels())
        connect(label, &MenuLabel::hovered, this, [this, label] { menuLabel_MouseMove(label); });

    const std::pair<QPushButton*, void (Saldori::*)()> buttons[] = {
        {Add->OK, &Saldori::OK_Click},
        {Add->sulje1, &Saldori::sulje1_Click},
        {Add1->OK1, &Saldori::OK1_Click},
        {Add1->sulje2, &Saldori::sulje2_Click},
        {apu->UpDate, &Saldori::UpDate_Click},
        {Muokkaus->Tallenna, &Saldori::Tallenna_Click},
        {Muokkaus->Command3, &Saldori::Command3_Click},
        {apu->Ohjeet, &Saldori::Ohjeet_Click},
        {apu->takaisin, &Saldori::takaisin_Click},
        {Ohje->Command1, &Saldori::Command1_Click},
        {Ohje->ohjellainaaja, &Saldori::ohjellainaaja_Click},
        {Ohje->ohjellaina, &Saldori::ohjellaina_Click},
        {Ohje->ohjeplainaaja, &Saldori::ohjeplainaaja_Click},
        {Ohje->ohjeplaina, &Saldori::ohjeplaina_Click},
        {takaisin2, &Saldori::takaisin2_Click},
        {apu->Tieto, &Saldori::Tieto_Click},
        {Tietoa->OK2, &Saldori::OK2_Click},
    };
    for (const auto& [button, handler] : buttons) {
        connect(button, &QPushButton::clicked, this, command(button, handler));
        button->installEventFilter(this);
    }

    connect(static_cast<PickComboBox*>(Lainaaja), &PickComboBox::picked, this,
            command(Lainaaja, &Saldori::Lainaaja_Click));
    // A click on the list is any change of its selected entry, by mouse or by keys.
    connect(Laina, &QListWidget::itemSelectionChanged, this, [this] {
        if (!Laina->selectedItems().isEmpty())
            runCommand(Laina, &Saldori::Laina_Click);
    });
    // A tick, by mouse or Space, is a click on its entry too; a click on a check box alone
    // would leave the entry unselected.
    connect(Laina, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!item->isSelected()) {
            const QSignalBlocker once(Laina);
            Laina->setCurrentItem(item);
        }
        runCommand(Laina, &Saldori::Laina_Click);
    });
    connect(Add->Uusi, &QLineEdit::textChanged, this, &Saldori::Uusi_Change);
    connect(Add->Uusi, &QLineEdit::returnPressed, this, command(Add->OK, &Saldori::OK_Click));
    connect(Add1->LainaLisaa, &QLineEdit::textChanged, this, &Saldori::LainaLisaa_Change);
    connect(Add1->LainaLisaa, &QLineEdit::returnPressed, this,
            command(Add1->OK1, &Saldori::OK1_Click));
    connect(Muokkaus->Mtlaina, &QLineEdit::returnPressed, this,
            command(Muokkaus->Tallenna, &Saldori::Tallenna_Click));

    connect(static_cast<LinkLabel*>(Tietoa->Koti), &LinkLabel::clicked, this,
            command(Tietoa->Koti, &Saldori::Koti_Click));
    connect(static_cast<LinkLabel*>(Tietoa->SPosti), &LinkLabel::clicked, this,
            command(Tietoa->SPosti, &Saldori::SPosti_Click));
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this,
            &Saldori::Form_Escape);
    connectBorrowerSummary();
    connectHistory();
}
