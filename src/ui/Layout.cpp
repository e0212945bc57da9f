#include "ui/Layout.h"

#include "ledger/OwnFiles.h"

#include <array>

namespace layout {
namespace {

const QString kCopyright = QStringLiteral("© 2026 Saldorin tekijä");
const QString kCopyrightTip =
    QStringLiteral("Kuvat ja kuvake © 2026 Saldorin tekijä. Kaikki oikeudet pidätetään.");

// Panels rest collapsed on the copyright line until a transition grows them.
Row panel(const char* name, const QString& caption) {
    return {name, caption, 1680, 3120, 4215, 15, false};
}

const std::array kRows = {
    // Menu column.
    Row{"LLainaaja", QStringLiteral("Lisää lainaaja"), 120, 120, 1215, 255, true},
    Row{"LLaina", QStringLiteral("Lisää laina"), 120, 360, 975, 255, true},
    Row{"PLainaaja", QStringLiteral("Poista lainaaja"), 120, 600, 1215, 255, true},
    Row{"PLaina", QStringLiteral("Poista laina"), 120, 840, 975, 255, true},
    Row{"Muokkaa", QStringLiteral("Muokkaa"), 120, 1080, 855, 255, true},
    Row{"Apua", QStringLiteral("Saldori"), 120, 3000, 735, 255, true},
    Row{"Lopeta", QStringLiteral("Poistu"), 120, 3240, 615, 255, true},
    // Main screen.
    Row{"Lainaaja", QStringLiteral("Lainaajan nimi:"), 1680, 120, 4215, 375, true},
    Row{"Laina", {}, 1680, 480, 4215, 2610, true},
    Row{"CopyR", kCopyright, 1680, 3120, 4215, 375, true, kCopyrightTip},
    Row{"ohjeteksti", QStringLiteral("Ohje"), -1320, 1440, 1335, 1335, false},
    Row{"takaisin2", QStringLiteral("<<"), -1200, 2640, 1095, 255, false,
        QStringLiteral("Poistu ohjeesta")},
    // Adding a borrower.
    panel("Add", QStringLiteral("Lisää lainaaja:")),
    Row{"Label3", QStringLiteral("Lainaajan nimi:"), 120, 240, 1095, 255, true},
    Row{"Uusi", {}, 1200, 240, 2895, 285, true},
    Row{"sulje1", QStringLiteral("Takaisin"), 240, 600, 1815, 375, true},
    Row{"OK", QStringLiteral("Lisää"), 2280, 600, 1815, 375, true},
    // Adding loans.
    panel("Add1", QStringLiteral("Lisää laina:")),
    Row{"Label1", QStringLiteral("Lainaajan nimi:"), 105, 240, 1095, 255, true},
    Row{"Lainaaja1", QStringLiteral("Valitse tästä lainaaja"), 1200, 240, 2895, 315, true},
    Row{"Label2", QStringLiteral("Laina:"), 105, 600, 495, 255, true},
    Row{"LainaLisaa", {}, 600, 600, 3495, 615, true},
    Row{"sulje2", QStringLiteral("Poistu"), 120, 1320, 1935, 375, true},
    Row{"OK1", QStringLiteral("Lisää"), 2160, 1320, 1935, 375, true},
    // Editing a loan.
    panel("Muokkaus", QStringLiteral("Muokkaa:")),
    Row{"Label5",
        QStringLiteral("Valitse ensin lainaaja, sitten laina, korjaa muutos ja tallenna "
                       "klikkaamalla 'Tallenna' painiketta."),
        120, 240, 3975, 495, true},
    Row{"Mtlaina", {}, 120, 720, 3975, 285, true},
    Row{"Command3", QStringLiteral("Takaisin"), 120, 1080, 855, 495, true},
    Row{"Tallenna", QStringLiteral("Tallenna"), 3240, 1080, 855, 495, true},
    // The help menu.
    panel("apu", QStringLiteral("Saldori:")),
    Row{"UpDate", QStringLiteral("Tarkista päivitykset Internetistä."), 120, 240, 2535, 375, true,
        QStringLiteral("Tarkistaa Internetistä onko Saldoriin päivityksiä")},
    Row{"Ohjeet", QStringLiteral("Ohjeet"), 2760, 240, 615, 375, true,
        QStringLiteral("Ohjeet kuinka ohjelmaa käytetään")},
    Row{"Tieto", QStringLiteral("Tietoa"), 3480, 240, 615, 375, true,
        QStringLiteral("Tietoa Saldorista")},
    Row{"takaisin", QStringLiteral("Takaisin"), 120, 650, 3975, 330, true,
        QStringLiteral("Poistu tästä valikosta")},
    // The help topics.
    panel("Ohje", QStringLiteral(" Valitse mihin tarvitset apua: ")),
    Row{"Command1", QStringLiteral("<<"), 120, 240, 135, 435, true, QStringLiteral("Takaisin")},
    Row{"ohjellainaaja", QStringLiteral("Lainaajan Lisäys"), 360, 240, 855, 495, true,
        QStringLiteral("Kuinka lisään lainaajan listalle?")},
    Row{"ohjellaina", QStringLiteral("Lainan lisäys"), 1200, 240, 735, 495, true,
        QStringLiteral("Kuinka lisään lainan lainaajalle?")},
    Row{"ohjeplainaaja", QStringLiteral("Lainaajan poistaminen"), 1920, 240, 1095, 495, true,
        QStringLiteral("Kuinka poistan lainaajan?")},
    Row{"ohjeplaina", QStringLiteral("Lainan poistaminen"), 3000, 240, 1095, 495, true,
        QStringLiteral("Kuinka poistan lainan lainaajalta?")},
    // The web update.
    panel("WebUpdate", QStringLiteral("Saldorin päivitys:")),
    Row{"tila", QStringLiteral("Odota hetki..."), 120, 240, 3975, 255, true},
    Row{"URL", QStringLiteral(SALDORI_UPDATE_URL) + ledger::kVersionFile, 360, 600, 1095, 285,
        false},
    Row{"versio", {}, 240, 960, 615, 255, false},
    Row{"versiouusi", {}, 840, 960, 615, 255, false},
    // About.
    panel("Tietoa", QStringLiteral("Tietoa")),
    Row{"Ikoni", {}, -480, 240, 480, 480, true},
    Row{"Versio1", QStringLiteral("Versio:"), 4320, 480, 975, 255, true},
    Row{"Koti", QStringLiteral(SALDORI_HOME_PAGE), -2160, 840, 2055, 255, true},
    Row{"OK2", QStringLiteral("Selvä"), 4080, 960, 735, 375, true},
    Row{"SPosti", QStringLiteral(SALDORI_EMAIL), 45, 1440, 2415, 255, true},
    Row{"SaldoriNimi", QStringLiteral("S a l d o r i"), 720, 1560, 2295, 495, true},
};

constexpr std::array<LineRow, 4> kLines = {{
    {"Line1", 960, 3510, 5978, 3510},
    {"Line2", 5990, 3480, 5990, 0},
    {"Line3", 5972, 10, 0, 10},
    {"Line4", 10, 0, 10, 3480},
}};

constexpr std::array<const char*, 27> kTabOrder = {
    "Lainaaja",   "Laina",         "Mtlaina",    "Command3", "Tallenna", "ohjellainaaja",
    "ohjellaina", "ohjeplainaaja", "ohjeplaina", "URL",      "OK2",      "Ikoni",
    "Koti",       "SPosti",        "takaisin",   "Ohjeet",   "Tieto",    "UpDate",
    "sulje2",     "LainaLisaa",    "Lainaaja1",  "OK1",      "sulje1",   "OK",
    "Uusi",       "takaisin2",     "Command1",
};

} // namespace

std::span<const Row> rows() {
    return kRows;
}
std::span<const LineRow> lines() {
    return kLines;
}
std::span<const char* const> tabOrder() {
    return kTabOrder;
}

} // namespace layout
