#pragma once

#include "ledger/Ledger.h"
#include "ui/HintLabel.h"
#include "ui/Services.h"
#include "ui/States.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>
#include <optional>
#include <utility>

class AboutPanel;
class AddBorrowerPanel;
class AddLoansPanel;
class EditLoanPanel;
class HelpMenuPanel;
class MenuLabel;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TopicsPanel;
class Transfers;
class UpdatePanel;

// The program's one window. Its handlers are public, so that tests press and tick as users and
// timers do; its controls, timers and states are its own, so that only a handler changes them.
// Handlers keep to reading controls, asking the ledger, and writing controls.
class Saldori : public QWidget {
    Q_OBJECT

  public:
    explicit Saldori(const Services& services, QWidget* parent = nullptr);
    ~Saldori() override;

    // Ledger store: start-up, the register, the loan files, the lists.
    void Form_Load();
    void MuistiClear();
    void LueNimet();
    bool TallennaNimet();
    void LisaaNimet();
    void LisaaNimet1();
    void Lue();
    void Lue1();
    bool TallennaLaina();
    bool TallennaMuokkaus();
    bool TallennaLaina1();
    void LisaaLainat();
    void Lainaaja_Click();

    // Menu: hover highlight, enabling, dragging the window.
    void menuLabel_MouseMove(QLabel* label);
    void Form_MouseMove(Qt::MouseButtons buttons, QPoint globalPosition);
    void varinvaihto();
    void Enabloi();
    void Disabloi();
    // Escape presses the way back of the panel on top.
    void Form_Escape();

    // Panel transitions.
    void liikuttaja_Timer();

    // Blink, quit and the About animation.
    void Vilkuta_Timer();
    void Lopeta_Click();
    bool quitting() const; // "Poistu" blinks, and the window closes when it ends
    void Ajastin_Timer();

    // Adding a borrower.
    void LLainaaja_Click();
    void Uusi_Change();
    void OK_Click();
    void sulje1_Click();

    // Adding loans.
    void LLaina_Click();
    void Lainaaja1_Change();
    void LainaLisaa_Change();
    void OK1_Click();
    bool LisaaLaina1(); // false: refused
    void sulje2_Click();

    // Editing a loan.
    void Muokkaa_Click();
    void Tallenna_Click();
    void Command3_Click();

    // Deleting loans.
    void PLaina_Click();
    void PoistaLaina();
    void Laina_Click();

    // Deleting a borrower.
    void PLainaaja_Click();
    bool PoistaLainaaja(); // false: nobody deleted

    // Taking the last change back and doing it again, from the main screen.
    void Kumoa();
    void TeeUudelleen();

    // Help menu, help topics and guided help, with their own transition timer.
    void Apua_Click();
    void Ohjeet_Click();
    void takaisin_Click();
    void Command1_Click();
    void ohjellainaaja_Click();
    void ohjellaina_Click();
    void ohjeplainaaja_Click();
    void ohjeplaina_Click();
    void takaisin2_Click();
    void ohjeliikuttaja_Timer();

    // About panel and its links, which the desktop opens (a stand-in does in tests).
    void Tieto_Click();
    void OK2_Click();
    void Koti_Click();
    void SPosti_Click();

    // Web update: opening its panel, the version check, the download and hand-over to the
    // updater (false only when the updater did not start), and the transfers' errors, reported
    // as they happen.
    void UpDate_Click();
    void tarkista();
    bool lataa();
    void AutoUpdate_StateChanged(const QString& responseInfo);
    std::optional<QByteArray> fetchUpdateFile(const QString& address);

    // The program's own shown-or-hidden flag of a control, whether or not the window is open.
    static bool shown(const QWidget* widget);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    // Menu labels, in menu order.
    MenuLabel* LLainaaja;
    MenuLabel* LLaina;
    MenuLabel* PLainaaja;
    MenuLabel* PLaina;
    MenuLabel* Muokkaa;
    MenuLabel* Apua;
    MenuLabel* Lopeta;

    // Main screen.
    QComboBox* Lainaaja;
    QListWidget* Laina;
    QLabel* CopyR;
    HintLabel* ohjeteksti;
    QPushButton* takaisin2;
    QWidget* Line1;
    QWidget* Line2;
    QWidget* Line3;
    QWidget* Line4;

    // The panels, each holding its own controls.
    AddBorrowerPanel* Add;
    AddLoansPanel* Add1;
    EditLoanPanel* Muokkaus;
    HelpMenuPanel* apu;
    TopicsPanel* Ohje;
    UpdatePanel* WebUpdate;
    AboutPanel* Tietoa;

    // Timers.
    Ticker* liikuttaja;
    Ticker* ohjeliikuttaja;
    Ticker* Vilkuta;
    Ticker* Ajastin;

    // The register, the borrower in memory and their loans.
    ledger::Ledger ledger_;

    // Window-level state of the animations.
    Liiketila liiketila = Liiketila::none;
    Ohjetila ohjetila = Ohjetila::none;
    Vilkkukohde vilkkukohde = Vilkkukohde::none;
    int vilkkulaskuri = 0;
    Tietovaihe tietovaihe = Tietovaihe::none;

    // The transfers are not drawn.
    Transfers* AutoUpdate = nullptr;

    // The seven menu labels in menu order, and the six that the menu switches on and off.
    std::array<MenuLabel*, 7> menuLabels() const;
    std::array<MenuLabel*, 6> switchableMenuLabels() const;
    // Guided help is on while its hint line is shown.
    bool guidedHelp() const;

    // Input that arrives while something slides: see docs/design.md.
    class FocusKeeper;
    bool takesInput(const QWidget* control);
    void runCommand(const QWidget* control, void (Saldori::*handler)());
    void finishAnimations();
    bool usable(const QWidget* control) const;
    std::array<std::pair<QGroupBox*, QWidget*>, 7> panelFocus() const;
    void placeFocus();
    bool borrowerPicked() const;
    void dragWindow(Qt::MouseButtons buttons, QPoint globalPosition);

    void buildControls();
    void applyLayout();
    void applyLooks();
    void setTabOrder();
    void connectHandlers();
    void connectBorrowerSummary();
    void showBorrowerSummary();
    void connectHistory();
    Answer ask(const Message& message);
    // False, once the user is told why, when the save did not happen.
    bool saved(const ledger::Outcome& outcome);
    // True, once the user is told, when the register on disk is not one the program can keep.
    bool registerRefused();

    // The helpers of the handlers, each in its handlers' file.
    struct AddBorrowerSteps;
    struct AddLoansSteps;
    struct GuidedSteps;
    struct PanelSteps;
    struct HelpSteps;
    struct DownloadSteps;
    struct HistorySteps;

    Dialogs& dialogs_;
    AddressOpener& addressOpener_;
    QPoint dragOffset_;
    enum class Drag { None, Pressed, System, ByHand } drag_ = Drag::None;
    bool (*systemMove_)(QWindow&);
    bool commandRunning_ = false;
    QPointer<QWidget> returnFocus_; // where the user was when a panel opened over the main screen
    QImage backdrop_[2];            // for ordinary and for dense screens
};
