#include "cli/CsvCells.h"

#include <QStringDecoder>

namespace cli {
namespace {

const QString kFormulaStarts = QStringLiteral("=+-@\t\r'");

const QString kNotUtf8 = QStringLiteral("tiedosto ei ole UTF-8-tekstiä");
const QString kStrayQuote =
    QStringLiteral("lainausmerkki kentän keskellä (kentän lainausmerkit "
                   "kirjoitetaan kahdesti ja koko kenttä lainausmerkkeihin)");
const QString kAfterQuote = QStringLiteral("tekstiä kentän loppulainausmerkin jälkeen");
const QString kOpenQuote = QStringLiteral("lainausmerkillä alkava kenttä ei pääty koskaan");

QString quoted(QString cell) {
    const bool plain = !cell.contains(u',') && !cell.contains(u'"') && !cell.contains(u'\n') &&
                       !cell.contains(u'\r');
    if (plain)
        return cell;
    return u'"' + cell.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// A line feed never stands inside a character of UTF-8, so the lines can be told apart.
int firstBadLine(const QByteArray& bytes) {
    int line = 1;
    for (const QByteArray& part : bytes.split('\n')) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        [[maybe_unused]] const QString text = decoder(part);
        if (decoder.hasError())
            break;
        ++line;
    }
    return line;
}

class CsvReader {
  public:
    explicit CsvReader(const QString& text) : text_(text) {}
    CsvTable read();

  private:
    QChar at(qsizetype i) const { return i < text_.size() ? text_[i] : QChar(); }
    bool failed(const QString& problem, int line) {
        table_.badLine = line;
        table_.problem = problem;
        return false;
    }
    bool readQuoted(qsizetype& i);
    void endField() {
        record_.cells << field_;
        field_.clear();
        quoted_ = false;
    }
    void endRecord() {
        endField();
        if (record_.cells != QStringList{QString()})
            table_.records << record_;
        record_ = {line_, {}};
    }

    const QString& text_;
    CsvTable table_;
    int line_ = 1;
    CsvRecord record_{1, {}};
    QString field_;
    bool quoted_ = false; // the field was in quotes, which have closed
};

// From just after the opening quote to just after the closing one.
bool CsvReader::readQuoted(qsizetype& i) {
    const int opened = line_;
    for (; i < text_.size(); ++i) {
        const QChar c = text_[i];
        if (c == u'"' && at(i + 1) != u'"') {
            ++i;
            quoted_ = true;
            return true;
        }
        if (c == u'"')
            ++i; // a doubled quote is one quote of the text
        else if (c == u'\n' || (c == u'\r' && at(i + 1) != u'\n'))
            ++line_;
        field_ += c;
    }
    return failed(kOpenQuote, opened);
}

CsvTable CsvReader::read() {
    for (qsizetype i = 0; i < text_.size(); ++i) {
        const QChar c = text_[i];
        const bool lineEnd = c == u'\r' || c == u'\n';
        if (quoted_ && c != u',' && !lineEnd) {
            failed(kAfterQuote, line_);
            return table_;
        }
        if (c == u'"' && field_.isEmpty() && !quoted_) {
            if (!readQuoted(++i))
                return table_;
            --i;
        } else if (c == u'"') {
            failed(kStrayQuote, line_);
            return table_;
        } else if (c == u',') {
            endField();
        } else if (lineEnd) {
            i += c == u'\r' && at(i + 1) == u'\n';
            ++line_;
            endRecord();
        } else {
            field_ += c;
        }
    }
    if (!field_.isEmpty() || quoted_ || !record_.cells.isEmpty())
        endRecord();
    return table_;
}

} // namespace

QString neutralised(const QString& text) {
    return !text.isEmpty() && kFormulaStarts.contains(text[0]) ? u'\'' + text : text;
}

QString restored(const QString& cell) {
    return cell.startsWith(u'\'') ? cell.mid(1) : cell;
}

QByteArray csvRow(const QStringList& cells) {
    QStringList line;
    for (const QString& cell : cells)
        line << quoted(cell);
    return line.join(u',').toUtf8() + "\r\n";
}

CsvTable readCsv(const QByteArray& bytes) {
    // The decoder skips a byte order mark at the start, as a spreadsheet may write one.
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return {{}, firstBadLine(bytes), kNotUtf8};
    return CsvReader(text).read();
}

} // namespace cli
