#pragma once

#include "ledger/Ledger.h"

#include <QByteArray>
#include <QString>
#include <functional>

// The register of the working folder, read as the window reads it, for the command line's answers.
namespace cli {

// Reads the register and answers from it. When a file exists but could not be read or is not
// the program's, the answer is void: a message names the file and the status is 1. A folder
// without a register is said on standard error and answered as an empty register.
int answerFromRegister(const std::function<int(const ledger::Ledger&)>& answer);

// Which rows of the register to print: the borrower's name and the loan, empty for none.
using RowFilter = std::function<bool(const QString& name, const QString& loan)>;

// UTF-8, RFC 4180: a header row, then one row per loan (borrower, slot from 1, loan) and one row
// without slot and loan for a borrower who has none; only the rows the filter keeps.
QByteArray registerCsv(const ledger::Ledger& ledger, const RowFilter& keep = {});

// The --export option: the register on standard output, and the exit status.
int printRegister(const QString& unused);

} // namespace cli
