#pragma once

#include "ui/Messages.h"

// The messages of the web update.
namespace msg {

inline const Message kUpdateAvailable = {
    QStringLiteral("Päivitys saatavilla! Haluatko ladata sen nyt?"), Icon::Question,
    Buttons::OkCancel};
inline const Message kUpToDate =
    info(QStringLiteral("Sinulla on uusin versio. Päivitys ei ole tarpeellinen."));
inline const Message kOwnNewer = {
    QStringLiteral("Sinulla on uudempi versio kuin mitä on tehty... Oletko muokannut ohjelmaa? "
                   "Ohjelma suljetaan."),
    Icon::Exclamation};
inline const Message kCheckFailed = {
    QStringLiteral("Päivitystä ei voi suorittaa loppuun.. Varmista että sinulla on yhteys "
                   "Internetiin. Syynä voi olla myös palvelin virhe, joten yritä myöhemmin "
                   "uudelleen."),
    Icon::Critical};
inline const Message kUpdateDownloaded =
    info(QStringLiteral("Päivitys on ladattu ja on valmis asennettavaksi."));
inline const Message kDownloadFailed = plain(QStringLiteral(
    "Virhe päivityksen latauksessa/asennuksessa.. Yritä myöhemmin uudestaan tai varmista että "
    "kaikki Saldoriin kuuluvat tiedostot ovat tallella."));
inline Message transferError(const QString& responseInfo) {
    return plain(QStringLiteral("Odottamaton virhe: ") + responseInfo);
}

} // namespace msg
