#pragma once

#include <QGroupBox>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The window's seven panels. Each owns its controls, under the object names the layout, the tests
// and screen readers know them by; the window's handlers decide what the controls do.

class AddBorrowerPanel : public QGroupBox {
  public:
    explicit AddBorrowerPanel(QWidget* parent);
    // The name box and its button as they are when no walkthrough points at them.
    void resetNameBox();

    QLabel* const Label3;
    QLineEdit* const Uusi;
    QPushButton* const sulje1;
    QPushButton* const OK;
};

class AddLoansPanel : public QGroupBox {
  public:
    explicit AddLoansPanel(QWidget* parent);
    // The walkthrough colours the two boxes the user fills in.
    void markBoxes(bool guided);

    QLabel* const Label1;
    QComboBox* const Lainaaja1;
    QLabel* const Label2;
    QLineEdit* const LainaLisaa;
    QPushButton* const sulje2;
    QPushButton* const OK1;
};

class EditLoanPanel : public QGroupBox {
  public:
    explicit EditLoanPanel(QWidget* parent);

    QLabel* const Label5;
    QLineEdit* const Mtlaina;
    QPushButton* const Command3;
    QPushButton* const Tallenna;
};

class HelpMenuPanel : public QGroupBox {
  public:
    explicit HelpMenuPanel(QWidget* parent);

    QPushButton* const UpDate;
    QPushButton* const Ohjeet;
    QPushButton* const Tieto;
    QPushButton* const takaisin;
};

class TopicsPanel : public QGroupBox {
  public:
    explicit TopicsPanel(QWidget* parent);

    QPushButton* const Command1;
    QPushButton* const ohjellainaaja;
    QPushButton* const ohjellaina;
    QPushButton* const ohjeplainaaja;
    QPushButton* const ohjeplaina;
};

class UpdatePanel : public QGroupBox {
  public:
    explicit UpdatePanel(QWidget* parent);

    QLabel* const tila;
    QLineEdit* const URL;
    QLabel* const versio;
    QLabel* const versiouusi;
};

class AboutPanel : public QGroupBox {
  public:
    explicit AboutPanel(QWidget* parent);

    QLabel* const Ikoni;
    QLabel* const Versio1;
    QLabel* const Koti;
    QPushButton* const OK2;
    QLabel* const SPosti;
    QLabel* const SaldoriNimi;
};
