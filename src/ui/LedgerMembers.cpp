// The window's side of the ledger store: which name each reader and writer takes, and how
// the tables reach the lists.
#include "ledger/LoanFile.h"
#include "ledger/RecordFile.h"
#include "platform/AppInfo.h"
#include "ui/Hints.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"
#include "ui/Saldori.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

QString fileHeader() {
    return ledger::recordHeader(executableBaseName(), localDateTimeText());
}

void readLoans(const QString& borrower, ledger::LoanTable& loans) {
    if (const auto file = ledger::loanFileName(borrower))
        ledger::readRecords(*file, loans);
}

} // namespace

void appendEntries(QComboBox* combo, const QStringList& entries) {
    const QSignalBlocker blocker(combo);
    const QString text = combo->currentText();
    combo->addItems(entries);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

void setComboText(QComboBox* combo, const QString& text) {
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

// The entry is complete before it joins the list, so that only a user's tick reports a change.
void appendLoanEntry(QListWidget* list, const QString& text) {
    auto* item = new QListWidgetItem(text);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    list->addItem(item);
}

QString selectedEntry(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void Saldori::Form_Load() {
    vilkkukohde = 0;
    vilkkulaskuri = 0;
    LueNimet();
    LisaaNimet();
    kenen = Lainaaja->currentText();
}

void Saldori::MuistiClear() {
    ledger::MuistiClear(muisti2);
}

void Saldori::LueNimet() {
    ledger::readRecords(ledger::kRegisterFile, muisti);
}

bool Saldori::TallennaNimet() {
    return writeTable(ledger::kRegisterFile, muisti);
}

void Saldori::LisaaNimet() {
    QStringList names;
    for (const QString& name : muisti) {
        if (!name.isEmpty())
            names << name;
    }
    appendEntries(Lainaaja, names.isEmpty() ? QStringList{ui_text::kNoBorrowers} : names);
}

void Saldori::LisaaNimet1() {
    QStringList names;
    for (const QString& name : muisti) {
        if (!name.isEmpty())
            names << name;
    }
    appendEntries(Lainaaja1, names);
}

void Saldori::Lue() {
    readLoans(kenen, muisti2);
}

void Saldori::Lue1() {
    readLoans(Lainaaja1->currentText(), muisti2);
}

bool Saldori::TallennaLaina() {
    if (Lainaaja1->currentText().isEmpty())
        return true;
    return saveLoans(Lainaaja1->currentText());
}

bool Saldori::TallennaMuokkaus() {
    if (Lainaaja->currentText().isEmpty())
        return true;
    return saveLoans(Lainaaja->currentText());
}

bool Saldori::TallennaLaina1() {
    return saveLoans(kenen);
}

// A name that cannot name a file (only a register from elsewhere holds one) cannot be saved.
bool Saldori::saveLoans(const QString& borrower) {
    const auto file = ledger::loanFileName(borrower);
    if (file)
        return writeTable(*file, muisti2);
    ask(msg::unusableBorrower(borrower));
    return false;
}

bool Saldori::writeTable(const QString& fileName, std::span<const QString> table) {
    if (refusesReplacing(fileName))
        return false;
    if (ledger::writeRecords(fileName, fileHeader(), table))
        return true;
    showSaveFailure(fileName);
    return false;
}

// What could not be read was shown as empty, so writing over it would lose it.
bool Saldori::refusesReplacing(const QString& fileName) {
    if (ledger::mayReplace(fileName))
        return false;
    ask(msg::unreadableFile(fileName));
    return true;
}

void Saldori::showSaveFailure(const QString& fileName) {
    ask(msg::saveFailed(fileName));
}

void Saldori::LisaaLainat() {
    Laina->clear();
    if (!ledger::anyFilled(muisti2)) {
        appendLoanEntry(Laina, ui_text::kNoLoans);
        return;
    }
    for (const QString& loan : muisti2) {
        if (!loan.isEmpty())
            appendLoanEntry(Laina, loan);
    }
}

void Saldori::Lainaaja_Click() {
    kenen = Lainaaja->currentText();
    MuistiClear();
    Laina->clear();
    Lue();
    LisaaLainat();
    if (!guidedHelp())
        Mtlaina->setText(selectedEntry(Laina));
    else if (PLainaaja->isEnabled())
        ohjeteksti->setText(hint::kClickDeleteBorrower);
    else
        ohjeteksti->setText(hint::kTickLoans);
    if (shown(Muokkaus))
        Mtlaina->setFocus();
}
