#pragma once

#include "ledger/Ledger.h"
#include "ui/Guide.h"
#include "ui/SaldoriScreen.h"
#include "ui/Services.h"
#include "ui/States.h"
#include "ui/WindowDrag.h"

#include <QPointer>
#include <optional>
#include <utility>

class FocusKeeper;

// The program's one window. Its handlers are public, so that tests press and tick as users and
// timers do; its states are its own, so that only a handler changes them. Handlers keep to
// reading controls, asking the ledger, and writing controls.
class Saldori : public SaldoriScreen {
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
    // Menu: hover highlight, enabling, dragging the window; Escape presses the way back.
    void menuLabel_MouseMove(QLabel* label);
    void Form_MouseMove(Qt::MouseButtons buttons, QPoint globalPosition);
    void varinvaihto();
    void Enabloi();
    void Disabloi();
    void Form_Escape();
    // Panel transitions; the blink, quitting ("Poistu" blinks, then the window closes), About.
    void liikuttaja_Timer();
    void Vilkuta_Timer();
    void Lopeta_Click();
    bool quitting() const;
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
    // Deleting loans, and a borrower.
    void PLaina_Click();
    void PoistaLaina();
    void Laina_Click();
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
    // Web update: its panel, the version check, the download and hand-over to the updater (false
    // only when the updater did not start), and the transfers' errors, reported as they happen.
    void UpDate_Click();
    void tarkista();
    bool lataa();
    void AutoUpdate_StateChanged(const QString& responseInfo);
    std::optional<QByteArray> fetchUpdateFile(const QString& address);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    ledger::Ledger ledger_; // the register, the borrower in memory and their loans
    Liiketila liiketila = Liiketila::none;
    Ohjetila ohjetila = Ohjetila::none;
    Vilkkukohde vilkkukohde = Vilkkukohde::none;
    int vilkkulaskuri = 0;
    Tietovaihe tietovaihe = Tietovaihe::none;
    Guide guide_;

    // Input that arrives while something slides: see docs/design.md.
    bool takesInput(const QWidget* control);
    void runCommand(const QWidget* control, void (Saldori::*handler)());
    void finishAnimations();
    bool usable(const QWidget* control) const;
    std::array<std::pair<QGroupBox*, QWidget*>, 7> panelFocus() const;
    void placeFocus();
    FocusKeeper keepFocus();
    bool onMainScreen() const;

    // The lists, the borrower they show as picked (empty: nobody), and the walkthrough.
    void refreshLists();
    void emptyLists();
    QString pickedBorrower() const;
    bool guidedHelp() const;
    bool startGuide(Guide::Topic topic);
    void showStep(const QString& hint);

    void connectHandlers();
    void connectBorrowerSummary();
    void connectHistory();
    void takeChange(bool back);
    Answer ask(const Message& message);
    // False, once the user is told why, when the save did not happen.
    bool saved(const ledger::Outcome& outcome);
    // True, once the user is told, when the register on disk is not one the program can keep.
    bool registerRefused();

    Dialogs& dialogs_;
    AddressOpener& addressOpener_;
    WindowDrag drag_;
    bool commandRunning_ = false;
    QPointer<QWidget> returnFocus_; // where the user was when a panel opened over the main screen
};
