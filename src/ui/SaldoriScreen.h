#pragma once

#include "ui/PickComboBox.h"

#include <QImage>
#include <QWidget>
#include <array>

class AboutPanel;
class AddBorrowerPanel;
class AddLoansPanel;
class EditLoanPanel;
class HelpMenuPanel;
class HintLabel;
class MenuLabel;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class Ticker;
class TopicsPanel;
class Transfers;
class UpdatePanel;

// The window's surface: its controls where the layout puts them, in their looks and tab order,
// on the backdrop. The window made from it gives the controls their handlers.
class SaldoriScreen : public QWidget {
    Q_OBJECT

  public:
    // The program's own shown-or-hidden flag of a control, whether or not the window is open.
    static bool shown(const QWidget* widget);

  protected:
    // The update panel holds the transfers; without given ones it makes the real ones.
    SaldoriScreen(Transfers* transfers, QWidget* parent);
    void paintEvent(QPaintEvent* event) override;
    // The seven menu labels in menu order, and the six that the menu switches on and off.
    std::array<MenuLabel*, 7> menuLabels() const;
    std::array<MenuLabel*, 6> switchableMenuLabels() const;

    MenuLabel* LLainaaja;
    MenuLabel* LLaina;
    MenuLabel* PLainaaja;
    MenuLabel* PLaina;
    MenuLabel* Muokkaa;
    MenuLabel* Apua;
    MenuLabel* Lopeta;

    PickComboBox* Lainaaja;
    QListWidget* Laina;
    QLabel* CopyR;
    HintLabel* ohjeteksti;
    QPushButton* takaisin2;

    AddBorrowerPanel* Add;
    AddLoansPanel* Add1;
    EditLoanPanel* Muokkaus;
    HelpMenuPanel* apu;
    TopicsPanel* Ohje;
    UpdatePanel* WebUpdate;
    AboutPanel* Tietoa;

    Transfers* AutoUpdate;
    // Made by the window, which gives them their ticks.
    Ticker* liikuttaja;
    Ticker* ohjeliikuttaja;
    Ticker* Vilkuta;
    Ticker* Ajastin;

  private:
    void buildControls();
    void applyLayout();
    void applyLooks();
    void setTabOrder();

    QImage backdrop_[2]; // for ordinary and for dense screens
};
