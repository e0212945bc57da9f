#pragma once

#include <QString>

// What the command line says, on standard output when asked and on standard error otherwise.
// The manual page saldori.1 tells the same facts; keep the two in step.
namespace cli_text {

inline const QString kHelp = QStringLiteral(
    "Käyttö: saldori [VALITSIN]\n"
    "\n"
    "Saldori pitää kirjaa veloista: kenelle olet lainannut ja mitä. Ilman valitsimia se\n"
    "avaa ikkunansa. Rekisteri on työkansion tiedostoissa; saldori-komento käynnistää\n"
    "ohjelman kansiossa ${XDG_DATA_HOME:-~/.local/share}/saldori.\n"
    "\n"
    "Valitsimet:\n"
    "  -h, --help     näytä tämä ohje ja lopeta\n"
    "  -v, --version  näytä versio ja lopeta\n"
    "      --export   tulosta koko rekisteri CSV-muodossa (UTF-8) sarakkeina lainaaja,\n"
    "                 paikka ja laina; lainaajasta, jolla ei ole lainoja, tulee rivi\n"
    "                 ilman paikkaa ja lainaa\n"
    "      --summat   tulosta kunkin lainaajan lainojen summa, lainojen määrä ja niiden\n"
    "                 lainojen määrä, joista summaa ei voi lukea, sekä yhteissumma\n"
    "      --csv      --summat CSV-muodossa (summat euroina muodossa -1234.50)\n"
    "      --hae TEKSTI\n"
    "                 tulosta kuten --export ne rivit, joiden lainaajassa tai lainassa\n"
    "                 teksti on (isoilla ja pienillä kirjaimilla ei ole väliä)\n"
    "      --tuo TIEDOSTO.csv\n"
    "                 korvaa rekisteri --export-muotoisella tiedostolla; ei ikkunan ollessa\n"
    "                 auki\n"
    "\n"
    "Qt:n omat valitsimet, kuten -platform ja -style, välittyvät ikkunalle.\n"
    "\n"
    "Paluuarvo on 0, kun kaikki onnistui, ja 1, kun valitsin on tuntematon, rekisteriä ei\n"
    "voi lukea, tulostus epäonnistuu, tuontia ei tehty tai ikkunaa ei voi avata, koska\n"
    "näyttöä ei ole.\n");

inline QString version(const QString& number) {
    return QStringLiteral("saldori ") + number +
           QStringLiteral("\n© 2026 Saldorin tekijä. Kaikki oikeudet pidätetään.\n");
}

inline QString unknownOption(const QString& argument) {
    return QStringLiteral("saldori: tuntematon valitsin tai argumentti ”") + argument +
           QStringLiteral("”.\nKatso ohje: saldori --help\n");
}

inline QString unreadable(const QString& fileName) {
    return QStringLiteral("saldori: tiedostoa ") + fileName +
           QStringLiteral(" ei voi lukea tai se ei ole Saldorin tiedosto, joten rekisteriä ei "
                          "tulostettu. Tarkista tiedoston oikeudet ja muoto.\n");
}

inline QString noRegister(const QString& folder) {
    return QStringLiteral("saldori: kansiossa ") + folder +
           QStringLiteral(" ei ole rekisteriä nimet.kdx, joten rekisteri on tyhjä.\n");
}

inline const QString kOutputFailed =
    QStringLiteral("saldori: tulostus epäonnistui: vakiotulosteeseen ei voi kirjoittaa.\n");

inline const QString kNoDisplay =
    QStringLiteral("saldori: ikkunaa ei voi avata, koska näyttöön ei saada yhteyttä (DISPLAY tai "
                   "WAYLAND_DISPLAY).\nRekisterin voi silti tulostaa: saldori --export\n");

} // namespace cli_text
