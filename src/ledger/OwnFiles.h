#pragma once

#include <QString>
#include <array>

// Every file of the working folder that belongs to the program rather than to a borrower. A
// borrower may not be named so that their loan file would take one of these names.
namespace ledger {

inline const QString kLoanFileSuffix = QStringLiteral(".kdx");

inline const QString kRegisterFile = QStringLiteral("nimet.kdx");
inline const QString kLockFile = QStringLiteral("saldori.lock");
// The update's files: the version on offer (fetched only), its notice, the list of its files and
// the updater that installs them.
inline const QString kVersionFile = QStringLiteral("versio.kdx");
inline const QString kNoticeFile = QStringLiteral("update.kdx");
inline const QString kFileListFile = QStringLiteral("tiedostot.kdx");
inline const QString kUpdaterFile = QStringLiteral("UpDater.kdx");

inline const std::array<QString, 6> kOwnFiles = {kRegisterFile, kLockFile,     kVersionFile,
                                                 kNoticeFile,   kFileListFile, kUpdaterFile};

} // namespace ledger
