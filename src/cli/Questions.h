#pragma once

#include <QString>
#include <QStringList>

// What the register answers from the command line, and the import that replaces it.
namespace cli {

struct Question {
    enum class Kind { None, Sums, Search, Import };
    Kind kind = Kind::None;
    bool csv = false;
    QString text;    // what to search for, or the file to import
    QString problem; // why the options cannot be answered as they were given
    bool asked() const { return kind != Kind::None || !problem.isEmpty(); }
};

// Takes --summat, --csv, --hae TEKSTI and --tuo TIEDOSTO (also --hae=TEKSTI) out of the
// arguments, so that whatever is left is read as before.
Question takeQuestion(QStringList& arguments);
int answer(const Question& question);

// Each borrower's sum, loans and loans without an amount, then the total: a table to read, or CSV.
int printSums(bool csv);
// The rows of the register's CSV whose name or loan holds the text, in any case.
int printMatches(const QString& text);

} // namespace cli
