#pragma once

#include "platform/Dialogs.h"

// Every message the program shows, with its icon, buttons and caption.
namespace msg {

inline Message info(const QString& text) {
    return {text, Icon::Information};
}
inline Message plain(const QString& text) {
    return {text, Icon::None};
}

// Start-up, saving, the transition engine.
inline const Message kAlreadyRunning = plain(QStringLiteral("Ohjelma on jo käynnissä!"));
inline const Message kVirhe = plain(QStringLiteral("Virhe!"));
// No home folder is known when the folder is empty.
inline Message noDataFolder(const QString& folder) {
    if (folder.isEmpty())
        return {QStringLiteral("Kotikansiota ei ole, joten Saldorilla ei ole kansiota "
                               "tiedostoilleen. Anna kansio muuttujassa XDG_DATA_HOME."),
                Icon::Critical};
    return {QStringLiteral("Kansiota ") + folder +
                QStringLiteral(" ei voi luoda tai avata, joten Saldori ei voi pitää siellä "
                               "tiedostojaan. Tarkista kansion oikeudet."),
            Icon::Critical};
}
inline Message saveFailed(const QString& fileName) {
    return {QStringLiteral("Tiedoston ") + fileName +
                QStringLiteral(" tallentaminen epäonnistui. Tarkista, että kansioon voi "
                               "kirjoittaa ja levyllä on tilaa."),
            Icon::Critical};
}
inline Message saveUnconfirmed(const QString& fileName) {
    return {QStringLiteral("Tiedosto ") + fileName +
                QStringLiteral(" on tallennettu, mutta levy ei vahvistanut, että muutos säilyy. "
                               "Tarkista levy ennen kuin sammutat tietokoneen."),
            Icon::Exclamation};
}
// Only a register from elsewhere holds such a name.
inline Message unusableBorrower(const QString& borrower) {
    return {QStringLiteral("Lainaajan nimi ") + borrower +
                QStringLiteral(" ei kelpaa tiedoston nimeksi, joten hänen lainojaan ei voi "
                               "tallentaa. Lisää lainaaja toisella nimellä."),
            Icon::Information};
}
inline Message unreadableFile(const QString& fileName) {
    return {QStringLiteral("Tiedostoa ") + fileName +
                QStringLiteral(" ei voi lukea, joten Saldori ei tallenna sen päälle. Tarkista "
                               "tiedoston oikeudet ja muoto."),
            Icon::Critical};
}

// Adding a borrower.
inline const Message kEmptyName = info(QStringLiteral("Kirjoita lainaajalle nimi!"));
inline const Message kDuplicateName = plain(QStringLiteral(
    "Nimi on jo listalla! Jos haluat lisätä lainan kyseiselle henkilölle, valitse hänet "
    "listalta ja valitse 'Lisää laina' painike. Muussa tapauksessa kirjoita uusi lainaaja eri "
    "nimellä."));
inline const Message kRegisterFull = plain(QStringLiteral(
    "Sinulla on jo 100 lainaaja listalla. Jos haluat lisätä lisää lainaajia, poista ensin "
    "vanhoja."));
inline const Message kUnstorableName = info(QStringLiteral(
    "Nimessä on merkki, jota Saldori ei voi tallentaa. Poista merkki ja yritä uudelleen."));
inline const Message kUnusableName =
    info(QStringLiteral("Tätä nimeä ei voi käyttää. Kirjoita lainaajalle toinen nimi."));

// Adding loans.
inline const Message kNoBorrowersForLoans =
    info(QStringLiteral("Et voi lisätä lainoja, kun et ole lisännyt edes lainaajia!"));
inline const Message kEmptyLoan = info(QStringLiteral("Et kirjoittanut lainaksi mitään."));
inline const Message kDuplicateLoan = info(QStringLiteral("Laina on jo listalla!"));
inline const Message kNoLoanFile = info(QStringLiteral(
    "Lainaajalla ei ole tallennettuja tietoja. Lisää uusi lainaaja tai valitse se listalta."));
inline const Message kUnstorableLoan = info(QStringLiteral(
    "Lainassa on merkki, jota Saldori ei voi tallentaa. Poista merkki ja yritä uudelleen."));
inline const Message kUnusableLoan = info(QStringLiteral(
    "Saldori näyttää tämän tekstin, kun lainoja ei ole, joten sitä ei voi käyttää lainana. "
    "Kirjoita laina toisin."));
inline Message loansFull(const QString& borrower) {
    return {QStringLiteral("Voit tallentaa 30 lainaa jokaiselle lainaajalle. Sinulla on jo 30 "
                           "lainaa lainaajalla ") +
                borrower + u'.',
            Icon::Information, Buttons::Ok, QStringLiteral("saldori - Lainaa ei lisätty!")};
}

// Editing a loan.
inline const Message kNoBorrowersToEdit =
    info(QStringLiteral("Et voi muokata lainoja, kun et ole lisännyt edes lainaajia!"));
inline const Message kChooseBorrowerFirst =
    plain(QStringLiteral("Valitse ensin lainaaja listalta."));
inline const Message kEmptyEdit = plain(QStringLiteral(
    "Kirjoita jotakin lainaksi. Jos haluat poistaa lainan, tee se 'Poista laina' valikon "
    "kautta."));
inline Message noLoansToEdit(const QString& borrower) {
    return plain(QStringLiteral("Lainaajalla ") + borrower +
                 QStringLiteral(" ei ole lainoja, joten et voi niitä myöskään muokata."));
}
inline Message notInMemory(const QString& borrower) {
    return plain(QStringLiteral("Lainaajaa ") + borrower + QStringLiteral(" ei löydy muistista."));
}
inline const Message kDuplicateEdit = plain(QStringLiteral("Laina on jo listalla."));
inline const Message kLoanNotFound =
    plain(QStringLiteral("Lainaajaa ei löytynyt. Valitse lainaaja listalta."));

// Deleting loans.
inline const Message kChooseAndTick = plain(QStringLiteral(
    "Valitse ensin lainaaja listalta ja rastita sitten lainat jotka haluat poistaa."));
inline const Message kChooseFromList = info(QStringLiteral("Valitse ensin lainaaja listasta!"));
inline const Message kNoBorrowersForDelete =
    info(QStringLiteral("Et voi poistaa lainoja, sillä muistissa ei ole edes lainaajia!"));
inline Message noLoans(const QString& borrower) {
    return plain(QStringLiteral("Lainaajalla ") + borrower + QStringLiteral(" ei ole lainoja."));
}
inline Message askDeleteBorrower(const QString& borrower) {
    return {QStringLiteral("Lainaajalla ") + borrower +
                QStringLiteral(" ei ole enää lainoja. Haluatko poistaa kyseisen lainaajan "
                               "listalta?"),
            Icon::Question, Buttons::OkCancel, kAppTitle, Answer::Cancel};
}

// Deleting a borrower.
inline const Message kNoNamesToDelete =
    info(QStringLiteral("Et voi poistaa lainaajia, sillä muistissa ei ole yhtään nimeä!"));
inline const Message kChooseBorrower = info(QStringLiteral("Valitse ensin lainaaja listalta."));
inline const Message kBorrowerMissing =
    info(QStringLiteral("Valitsemaasi lainaajaa ei löydy! Valitse lainaaja listala."));

// Help topics.
inline const Message kAddBorrowerFirst = info(QStringLiteral("Lisää ensin lainaaja listalle!"));

} // namespace msg
