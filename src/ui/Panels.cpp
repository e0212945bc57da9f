#include "ui/Panels.h"

#include "ui/Colours.h"
#include "ui/LinkLabel.h"
#include "ui/WrappingButton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <climits>

namespace {

template <typename Widget> Widget* make(QWidget* parent, const char* name) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

AddBorrowerPanel::AddBorrowerPanel(QWidget* parent)
    : QGroupBox(parent), Label3(make<QLabel>(this, "Label3")), Uusi(make<QLineEdit>(this, "Uusi")),
      sulje1(make<QPushButton>(this, "sulje1")), OK(make<QPushButton>(this, "OK")) {
    setObjectName(QStringLiteral("Add"));
}

void AddBorrowerPanel::resetNameBox() {
    colours::setBold(OK, false);
    colours::setBackground(Uusi, colours::systemWindow());
    colours::setText(Uusi, colours::kBlack);
}

AddLoansPanel::AddLoansPanel(QWidget* parent)
    : QGroupBox(parent), Label1(make<QLabel>(this, "Label1")),
      Lainaaja1(make<QComboBox>(this, "Lainaaja1")), Label2(make<QLabel>(this, "Label2")),
      LainaLisaa(make<QLineEdit>(this, "LainaLisaa")), sulje2(make<QPushButton>(this, "sulje2")),
      OK1(make<QPushButton>(this, "OK1")) {
    setObjectName(QStringLiteral("Add1"));
    Lainaaja1->setEditable(true);
    LainaLisaa->setMaxLength(INT_MAX); // a long loan is kept whole, never cut without a word
}

void AddLoansPanel::markBoxes(bool guided) {
    colours::setBackground(Lainaaja1, guided ? colours::kGreen : colours::systemWindow());
    colours::setBackground(LainaLisaa, guided ? colours::kCyan : colours::systemWindow());
}

EditLoanPanel::EditLoanPanel(QWidget* parent)
    : QGroupBox(parent), Label5(make<QLabel>(this, "Label5")),
      Mtlaina(make<QLineEdit>(this, "Mtlaina")), Command3(make<QPushButton>(this, "Command3")),
      Tallenna(make<QPushButton>(this, "Tallenna")) {
    setObjectName(QStringLiteral("Muokkaus"));
    Mtlaina->setMaxLength(INT_MAX);
}

HelpMenuPanel::HelpMenuPanel(QWidget* parent)
    : QGroupBox(parent), UpDate(make<QPushButton>(this, "UpDate")),
      Ohjeet(make<QPushButton>(this, "Ohjeet")), Tieto(make<QPushButton>(this, "Tieto")),
      takaisin(make<QPushButton>(this, "takaisin")) {
    setObjectName(QStringLiteral("apu"));
}

TopicsPanel::TopicsPanel(QWidget* parent)
    : QGroupBox(parent), Command1(make<QPushButton>(this, "Command1")),
      ohjellainaaja(make<WrappingButton>(this, "ohjellainaaja")),
      ohjellaina(make<WrappingButton>(this, "ohjellaina")),
      ohjeplainaaja(make<WrappingButton>(this, "ohjeplainaaja")),
      ohjeplaina(make<WrappingButton>(this, "ohjeplaina")) {
    setObjectName(QStringLiteral("Ohje"));
}

UpdatePanel::UpdatePanel(QWidget* parent)
    : QGroupBox(parent), tila(make<QLabel>(this, "tila")), URL(make<QLineEdit>(this, "URL")),
      versio(make<QLabel>(this, "versio")), versiouusi(make<QLabel>(this, "versiouusi")) {
    setObjectName(QStringLiteral("WebUpdate"));
}

AboutPanel::AboutPanel(QWidget* parent)
    : QGroupBox(parent), Ikoni(make<FocusLabel>(this, "Ikoni")),
      Versio1(make<QLabel>(this, "Versio1")), Koti(make<LinkLabel>(this, "Koti")),
      OK2(make<QPushButton>(this, "OK2")), SPosti(make<LinkLabel>(this, "SPosti")),
      SaldoriNimi(make<QLabel>(this, "SaldoriNimi")) {
    setObjectName(QStringLiteral("Tietoa"));
}
