#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The command line's CSV: RFC 4180 in UTF-8 with CR LF line ends. A cell of the user's own text
// is written so that no spreadsheet runs it as a formula, and read back as the text it was.
namespace cli {

// A text that begins with "=", "+", "-", "@", a tab or a carriage return is a formula to a
// spreadsheet, so an apostrophe goes before it, as spreadsheets themselves mark text; so does a
// text that begins with an apostrophe, so that reading takes exactly one away.
QString neutralised(const QString& text);
// The text of a cell neutralised() wrote: one leading apostrophe less.
QString restored(const QString& cell);

// The cells joined into one line, each quoted where it holds a comma, a quote or a line break.
QByteArray csvRow(const QStringList& cells);

struct CsvRecord {
    int line = 0; // where it starts, from 1
    QStringList cells;
};

struct CsvTable {
    QList<CsvRecord> records; // blank lines left out
    int badLine = 0;          // where the bytes stopped being CSV, with what went wrong
    QString problem;
};

// Reads CSV as csvRow() writes it; a line may also end in LF alone, and a leading byte order
// mark is skipped.
CsvTable readCsv(const QByteArray& bytes);

} // namespace cli
