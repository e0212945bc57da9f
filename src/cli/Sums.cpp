// What each borrower owes, read from the loans' own texts.
#include "cli/CsvCells.h"
#include "cli/Export.h"
#include "cli/Output.h"
#include "cli/QuestionTexts.h"
#include "cli/Questions.h"
#include "ledger/Amount.h"

#include <QList>
#include <algorithm>
#include <array>

namespace cli {
namespace {

struct SumRow {
    QString name;
    ledger::Tally tally;
};

QList<SumRow> sumsOf(const ledger::Ledger& ledger) {
    QList<SumRow> rows;
    for (const QString& name : ledger.names()) {
        SumRow row{name, {}};
        for (const QString& loan : ledger.loansOn(name)) {
            if (!loan.isEmpty())
                row.tally.add(loan);
        }
        rows << row;
    }
    return rows;
}

// For machines: a point before two decimals, no groups, a minus in front ("-1234.50").
QString plainEuros(qint64 cents) {
    const quint64 magnitude = cents < 0 ? 0 - quint64(cents) : quint64(cents);
    return QStringLiteral("%1%2.%3")
        .arg(cents < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QChar(u'0'));
}

QStringList cells(const QString& name, const ledger::Tally& tally, bool csv) {
    QString sum = csv ? plainEuros(tally.cents) : ledger::euros(tally.cents);
    if (tally.overflow)
        sum = csv ? QString() : question_text::kTooLarge;
    return {name, sum, QString::number(tally.loans), QString::number(tally.withoutAmount)};
}

QByteArray csvOf(const QList<SumRow>& rows, const ledger::Tally& total) {
    QByteArray csv = csvRow(question_text::kSumColumns);
    for (const SumRow& row : rows)
        csv += csvRow(cells(neutralised(row.name), row.tally, true));
    // No borrower's name is empty, so the row without one is the total.
    return csv + csvRow(cells(QString(), total, true));
}

// Columns of names to the left, of numbers to the right, two spaces apart.
QByteArray tableOf(const QList<SumRow>& rows, const ledger::Tally& total) {
    QList<QStringList> lines = {question_text::kSumHeadings};
    for (const SumRow& row : rows)
        lines << cells(row.name, row.tally, false);
    lines << cells(question_text::kTotal, total, false);
    std::array<qsizetype, 4> widths{};
    for (const QStringList& line : lines) {
        for (std::size_t column = 0; column < widths.size(); ++column)
            widths[column] = std::max(widths[column], line[qsizetype(column)].size());
    }
    QString text;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        if (k + 1 == lines.size())
            text += QString(widths[0] + widths[1] + widths[2] + widths[3] + 6, u'-') + u'\n';
        text += lines[k][0].leftJustified(widths[0]);
        for (std::size_t column = 1; column < widths.size(); ++column)
            text +=
                QStringLiteral("  ") + lines[k][qsizetype(column)].rightJustified(widths[column]);
        text += u'\n';
    }
    return text.toUtf8();
}

} // namespace

int printSums(bool csv) {
    return answerFromRegister([csv](const ledger::Ledger& ledger) {
        const QList<SumRow> rows = sumsOf(ledger);
        ledger::Tally total;
        for (const SumRow& row : rows)
            total.add(row.tally);
        const int printed = print(csv ? csvOf(rows, total) : tableOf(rows, total));
        return total.overflow ? fail(question_text::kSumOverflow) : printed;
    });
}

} // namespace cli
