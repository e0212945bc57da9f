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
    "      --historia listaa tallennetut muutokset uusimmasta alkaen: numero, aika ja muutos\n"
    "      --palauta N\n"
    "                 palauta tiedostot sellaisiksi kuin ne olivat ennen muutosta N;\n"
    "                 palautuskin on muutos, jonka voi perua\n"
    "\n"
    "Historia on työkansion kansiossa .historia (200 viimeistä muutosta). Ikkunassa Ctrl+Z\n"
    "peruu viimeisen muutoksen ja Ctrl+Shift+Z tekee sen uudelleen. Historian voi tyhjentää\n"
    "poistamalla kansion, kun ohjelma ei ole käynnissä.\n"
    "\n"
    "Qt:n omat valitsimet, kuten -platform ja -style, välittyvät ikkunalle.\n"
    "\n"
    "Paluuarvo on 0, kun kaikki onnistui, ja 1, kun valitsin on tuntematon, rekisteriä ei\n"
    "voi lukea, tulostus epäonnistuu, ikkunaa ei voi avata, koska näyttöä ei ole, tai\n"
    "muutosta ei voi palauttaa.\n");

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

inline const QString kWindowRuns =
    QStringLiteral("saldori: Saldorin ikkuna on auki. Sulje se ensin, niin tiedostot eivät muutu "
                   "kesken.\n");

inline QString historyUnreadable(const QString& fileName) {
    return QStringLiteral("saldori: tiedostoa ") + fileName +
           QStringLiteral(" ei voi lukea tai se ei ole Saldorin tiedosto, joten historiaan ei "
                          "kosketa. Tarkista tiedoston oikeudet ja muoto.\n");
}

inline QString noHistory(const QString& folder) {
    return QStringLiteral("saldori: kansiossa ") + folder +
           QStringLiteral(" ei ole vielä yhtään tallennettua muutosta.\n");
}

inline QString badChangeNumber(const QString& argument) {
    return QStringLiteral("saldori: muutoksen numero puuttuu tai ei ole luku: ”") + argument +
           QStringLiteral("”.\nKatso numerot: saldori --historia\n");
}

inline QString noSuchChange(qint64 number) {
    return QStringLiteral("saldori: muutosta %1 ei ole historiassa tai sitä ei voi lukea, joten "
                          "mitään ei muutettu.\nKatso numerot: saldori --historia\n")
        .arg(number);
}

inline QString restored(qint64 number) {
    return QStringLiteral("Tiedostot ovat nyt kuten ennen muutosta %1. Tämänkin palautuksen voi "
                          "perua: saldori --historia näyttää sen numeron.\n")
        .arg(number);
}

inline QString restoreFailed(const QString& fileName) {
    return QStringLiteral("saldori: tiedostoa ") + fileName +
           QStringLiteral(" ei voitu kirjoittaa. Tarkista levytila ja oikeudet; saldori --historia "
                          "näyttää, mitkä muutokset on tallennettu.\n");
}

} // namespace cli_text
