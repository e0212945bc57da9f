#pragma once

#include "ledger/EntryRules.h"

#include <QString>

// The steps of the guided help, as the hint line shows them.
namespace hint {

inline const QString kClickAddBorrower = QStringLiteral("Klikkaa 'Lisää lainaaja' painiketta.");
inline const QString kClickAddLoan = QStringLiteral("Klikkaa 'Lisää laina' painiketta.");
inline const QString kChooseBorrower = QStringLiteral("Valitse lainaaja listalta.");
inline const QString kTypeName = QStringLiteral("Kirjoita lainaajan nimi keltaiseen ruutuun.");
inline const QString kClickAdd = QStringLiteral("Klikkaa 'Lisää' painiketta.");
inline const QString kChooseBorrowerTypeLoan = QStringLiteral(
    "Valitse vihreästä laatikosta lainaajan nimi ja kirjoita siniseen ruutuun laina.");
inline const QString kLoanSaved =
    QStringLiteral("Tiedot tallennettu. Jos haluat lisätä lainoja samalle henkilölle, tee se nyt. "
                   "Lopeta '<<' tai 'Poistu' napista.");
inline const QString kLeaveButton = QStringLiteral("<<");
inline const QString kClickDeleteBorrower = QStringLiteral("Klikkaa 'Poista lainaaja' painiketta.");
inline const QString kTickLoans = QStringLiteral("Rastita poistettava(t) laina(t) listalta.");
inline const QString kClickDeleteLoan = QStringLiteral("Klikkaa 'Poista laina' painiketta.");
inline const QString kLoansDeleted = QStringLiteral("Klikkaa '<<' nappia lopettaaksesi.");
inline const QString kBorrowerDeleted =
    QStringLiteral("Lainaaja poistettu. Paina '<<' painiketta lopettaaksesi.");

} // namespace hint

// The texts the program itself shows in its lists and boxes.
namespace ui_text {

inline const QString& kPrompt = ledger::kNobodyChosen;
inline const QString& kNoBorrowers = ledger::kNoBorrowers;
inline const QString& kNoLoans = ledger::kNoLoans;

} // namespace ui_text
