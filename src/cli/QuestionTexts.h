#pragma once

#include <QString>
#include <QStringList>

// What --summat, --hae and --tuo say. The manual page saldori.1 tells the same facts.
namespace question_text {

// --summat
inline const QStringList kSumColumns = {QStringLiteral("lainaaja"), QStringLiteral("summa"),
                                        QStringLiteral("lainoja"), QStringLiteral("ilman summaa")};
inline const QStringList kSumHeadings = {QStringLiteral("Lainaaja"), QStringLiteral("Summa"),
                                         QStringLiteral("Lainoja"), QStringLiteral("Ilman summaa")};
inline const QString kTotal = QStringLiteral("Yhteensä");
inline const QString kTooLarge = QStringLiteral("liian suuri");
inline const QString kSumOverflow = QStringLiteral(
    "saldori: summa on liian suuri laskettavaksi (yli 92 233 720 368 547 758,07 €), joten sitä ei "
    "näytetä.\n");

// --tuo
inline const QString kWindowOpen =
    QStringLiteral("saldori: rekisteriä ei voi tuoda, kun Saldorin ikkuna on auki: sulje ikkuna "
                   "ensin. Mitään ei tallennettu.\n");

inline QString cannotOpen(const QString& file) {
    return QStringLiteral(
               "saldori: tiedostoa %1 ei voi avata luettavaksi. Mitään ei tallennettu.\n")
        .arg(file);
}

inline QString tooLarge(const QString& file, qint64 limit) {
    return QStringLiteral("saldori: tiedosto %1 on suurempi kuin %2 Mt, joten se ei ole Saldorin "
                          "rekisteri. Mitään ei tallennettu.\n")
        .arg(file)
        .arg(limit / (1024 * 1024));
}

inline QString refusedLine(const QString& file, int line, const QString& why) {
    return QStringLiteral("saldori: tiedoston %1 rivi %2: %3. Mitään ei tallennettu.\n")
        .arg(file)
        .arg(line)
        .arg(why);
}

inline QString unreadable(const QString& file) {
    return QStringLiteral("saldori: tiedostoa %1 ei voi lukea tai se ei ole Saldorin tiedosto, "
                          "joten rekisteriä ei korvattu. Mitään ei tallennettu.\n")
        .arg(file);
}

inline QString writeFailed(const QString& file) {
    return QStringLiteral("saldori: tuonti jäi kesken, koska tiedostoa %1 ei voitu kirjoittaa. "
                          "Tarkista levytila ja oikeudet ja tuo tiedosto uudelleen.\n")
        .arg(file);
}

inline QString imported(qsizetype borrowers, qsizetype loans, const QString& file) {
    return QStringLiteral("Tuotu %1 lainaajaa ja %2 lainaa tiedostosta %3.\n")
        .arg(borrowers)
        .arg(loans)
        .arg(file);
}

// Why a row of the CSV cannot be stored.
inline const QString kHeaderRow =
    QStringLiteral("ensimmäisen rivin pitää olla lainaaja,paikka,laina");
inline QString fieldCount(qsizetype count) {
    return QStringLiteral("rivillä on %1 kenttää, kun pitää olla kolme: lainaaja, paikka ja laina")
        .arg(count);
}
inline const QString kNoName = QStringLiteral("lainaajan nimi puuttuu");
inline const QString kNameUnstorable =
    QStringLiteral("nimessä on ×, rivinvaihto tai merkki, jota Windows-1252 ei tunne");
inline const QString kNameUnusable =
    QStringLiteral("nimeä ei voi käyttää tiedoston nimenä tai se on ohjelman oma teksti");
inline const QString kRegisterFull = QStringLiteral("rekisteriin mahtuu enintään 100 lainaajaa");
inline const QString kNoSlot = QStringLiteral("lainan paikka puuttuu");
inline const QString kBadSlot = QStringLiteral("paikka ei ole numero 1–30");
inline const QString kSlotWithoutLoan = QStringLiteral("paikalla ei ole lainaa");
inline const QString kLoansFull =
    QStringLiteral("lainaajalle mahtuu enintään 30 lainaa (paikat 1–30)");
inline const QString kLoanUnstorable =
    QStringLiteral("lainassa on ×, rivinvaihto tai merkki, jota Windows-1252 ei tunne");
inline const QString kLoanUnusable = QStringLiteral("laina on ohjelman oma teksti [EI LAINAA!]");
inline const QString kSlotTaken = QStringLiteral("lainaajalla on jo laina tällä paikalla");
inline const QString kSameLoan = QStringLiteral("lainaajalla on jo sama laina toisella paikalla");

} // namespace question_text
