#pragma once

#include <QString>

// What the command line says of the kept changes.
namespace cli_text {

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
