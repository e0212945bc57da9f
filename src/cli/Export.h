#pragma once

#include <QByteArray>
#include <QString>

// The whole register of the working folder as CSV, read as the window reads it.
namespace cli {

struct RegisterExport {
    // UTF-8, RFC 4180: a header row, then one row per loan (borrower, slot from 1, loan) and one
    // row without slot and loan for a borrower who has none.
    QByteArray csv;
    bool registerFound = false;
    // The file that exists but could not be read or is not the program's; the export is void.
    QString unreadableFile;
};

RegisterExport exportRegister();

// The --export option: the register on standard output, and the exit status.
int printRegister(const QString& unused);

} // namespace cli
