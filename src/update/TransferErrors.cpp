#include "update/TransferErrors.h"

#include <utility>

namespace update {

QString failureText(const Transfer& transfer, const QString& fileName) {
    using F = TransferFailure;
    static constexpr std::pair<F, QStringView> kTexts[] = {
        {F::Refused, u"palvelin ei ota yhteyttä vastaan"},
        {F::HostNotFound, u"palvelinta ei löydy"},
        {F::NotFound, u"tiedostoa ei ole palvelimella"},
        {F::ServerError, u"palvelimen virhe HTTP %1"},
        {F::TimedOut, u"siirto kesti liian kauan"},
        {F::CutShort, u"yhteys katkesi kesken siirron"},
        {F::TooLarge, u"tiedosto on suurempi kuin päivityksessä voi olla"},
        {F::RedirectRefused, u"palvelin ohjasi osoitteeseen, jota ei seurata"},
        {F::WriteFailed, u"tiedostoa ei voi tallentaa"},
        {F::NoModule, u"verkko-osaa ei voi ladata"},
    };
    QString text = QStringLiteral("tiedonsiirto epäonnistui");
    for (const auto& [failure, known] : kTexts) {
        if (failure == transfer.failure)
            text = known.toString();
    }
    if (transfer.failure == F::ServerError)
        text = text.arg(transfer.httpStatus);
    return text + QStringLiteral(" (") + fileName + u')';
}

} // namespace update
