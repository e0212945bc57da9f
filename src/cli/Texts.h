#pragma once

#include "ledger/OwnFiles.h"

#include <QString>
#include <QStringList>

// What the command line says, on standard output when asked and on standard error otherwise.
// The manual pages saldori.1 and saldori.fi.1 tell the same facts; keep the three in step.
namespace cli_text {

struct HelpTexts {
    QString usage;
    QStringList introduction;
    QString optionsHeading;
    QStringList closing;
};

inline const HelpTexts kHelpFi = {
    QStringLiteral("Käyttö: saldori [VALITSIN]"),
    {QStringLiteral("Saldori pitää kirjaa veloista: kenelle olet lainannut ja mitä. Ilman "
                    "valitsimia se avaa ikkunansa. Rekisteri on työkansion tiedostoissa; "
                    "saldori-komento ja työpöydän valikko pitävät sen kansiossa "
                    "${XDG_DATA_HOME:-~/.local/share}/saldori, jonka ohjelma luo tarvittaessa.")},
    QStringLiteral("Valitsimet:"),
    {QStringLiteral("Valitsin -- päättää valitsimet. Qt:n omat valitsimet, kuten -platform ja "
                    "-style, välittyvät ikkunalle."),
     QStringLiteral("Historia on työkansion kansiossa .historia (200 viimeistä muutosta). "
                    "Ikkunassa Ctrl+Z peruu viimeisen muutoksen ja Ctrl+Shift+Z tekee sen "
                    "uudelleen. Historian voi tyhjentää poistamalla kansion, kun ohjelma ei ole "
                    "käynnissä."),
     QStringLiteral("Paluuarvo on 0, kun kaikki onnistui, ja 1, kun valitsin on tuntematon, "
                    "rekisteriä ei voi lukea, tulostus epäonnistuu, tuontia ei tehty tai "
                    "ikkunaa ei voi avata, koska näyttöä ei ole.")}};

inline const HelpTexts kHelpEn = {
    QStringLiteral("Usage: saldori [OPTION]"),
    {QStringLiteral("Saldori keeps a register of debts: whom you have lent to, and what. Without "
                    "options it opens its window, which speaks Finnish. The register is kept in "
                    "files of the working folder; the saldori command and the desktop's menu "
                    "keep it in ${XDG_DATA_HOME:-~/.local/share}/saldori, which the program "
                    "makes when it needs it.")},
    QStringLiteral("Options:"),
    {QStringLiteral("The option -- ends the options. Qt's own options, such as -platform and "
                    "-style, go to the window."),
     QStringLiteral("The history is kept in the folder .historia of the working folder (the last "
                    "200 changes). In the window Ctrl+Z takes back the last change and "
                    "Ctrl+Shift+Z does it again. The history is emptied by removing the folder "
                    "while the program is not running."),
     QStringLiteral("The exit status is 0 when all went well, and 1 when an option is unknown, "
                    "the register cannot be read, the output fails, the import was not made or no "
                    "display can be reached for the window. Messages are in Finnish.")}};

inline QString modifierAlone(const QString& modifier, const QString& option) {
    return QStringLiteral("saldori: valitsin --%1 käy vain valitsimen --%2 kanssa.\n")
        .arg(modifier, option);
}

inline QString version(const QString& number) {
    return QStringLiteral("saldori ") + number +
           QStringLiteral("\n© 2026 Saldorin tekijä. Kaikki oikeudet pidätetään.\n");
}

inline const QString kSeeHelp = QStringLiteral("Katso ohje: saldori --help\n");

inline QString unknownOption(const QString& argument) {
    return QStringLiteral("saldori: tuntematon valitsin tai argumentti ”") + argument +
           QStringLiteral("”.\n") + kSeeHelp;
}

// A long option written with one dash, as "-export".
inline QString oneDash(const QString& argument) {
    return QStringLiteral("saldori: tuntematon valitsin ”") + argument +
           QStringLiteral("”. Pitkä valitsin alkaa kahdella viivalla: -") + argument + u'\n' +
           kSeeHelp;
}

inline QString missingValue(const QString& option) {
    return QStringLiteral("saldori: valitsimen ”") + option + QStringLiteral("” arvo puuttuu.\n") +
           kSeeHelp;
}

inline QString unwantedValue(const QString& option) {
    return QStringLiteral("saldori: valitsin ”") + option + QStringLiteral("” ei ota arvoa.\n") +
           kSeeHelp;
}

// No home folder is known when the folder is empty.
inline QString noDataFolder(const QString& folder) {
    if (folder.isEmpty())
        return QStringLiteral("saldori: kotikansiota ei ole (HOME), joten rekisterillä ei ole "
                              "kansiota. Anna kansio muuttujassa XDG_DATA_HOME.\n");
    return QStringLiteral("saldori: kansiota ") + folder +
           QStringLiteral(" ei voi luoda tai avata. Tarkista kansion oikeudet.\n");
}

inline QString unreadable(const QString& fileName) {
    return QStringLiteral("saldori: tiedostoa ") + fileName +
           QStringLiteral(" ei voi lukea tai se ei ole Saldorin tiedosto, joten rekisteriä ei "
                          "tulostettu. Tarkista tiedoston oikeudet ja muoto.\n");
}

inline QString noRegister(const QString& folder) {
    return QStringLiteral("saldori: kansiossa ") + folder + QStringLiteral(" ei ole rekisteriä ") +
           ledger::kRegisterFile + QStringLiteral(", joten rekisteri on tyhjä.\n");
}

inline const QString kOutputFailed =
    QStringLiteral("saldori: tulostus epäonnistui: vakiotulosteeseen ei voi kirjoittaa.\n");

inline QString noPlatform(const QString& name) {
    return QStringLiteral("saldori: ikkunaa ei voi avata, koska Qt:n näyttöliitännäistä ”") + name +
           QStringLiteral("” ei ole (QT_QPA_PLATFORM tai -platform).\nRekisterin voi silti "
                          "tulostaa: saldori --export\n");
}

inline const QString kNoDisplay =
    QStringLiteral("saldori: ikkunaa ei voi avata, koska näyttöön ei saada yhteyttä (DISPLAY tai "
                   "WAYLAND_DISPLAY).\nRekisterin voi silti tulostaa: saldori --export\n");

inline const QString kWindowRuns =
    QStringLiteral("saldori: Saldorin ikkuna on auki. Sulje se ensin, niin tiedostot eivät muutu "
                   "kesken.\n");

} // namespace cli_text
