#include "ledger/Amount.h"

#include <QStringView>
#include <QtNumeric>
#include <vector>

namespace ledger {
namespace {

// 16 digits of euros still leave room in 64-bit cents for thousands of loans at the cap, and no
// debt between people comes near them; a longer number is unclear, not wrapped.
constexpr qsizetype kMaxWholeDigits = 16;
constexpr QChar kNoBreakSpace(0x00A0);

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool isBlank(QChar c) {
    return c == u' ' || c == kNoBreakSpace || c == QChar(0x202F);
}
// The hyphen, the minus sign and the en dash Finnish type sets for a minus.
bool isMinus(QChar c) {
    return c == u'-' || c == QChar(0x2212) || c == QChar(0x2013);
}
bool isWordy(QChar c) {
    return c.isLetterOrNumber();
}

class AmountReader {
  public:
    explicit AmountReader(QStringView text) : text_(text) {}
    std::optional<qint64> read();

  private:
    QChar at(qsizetype i) const { return i >= 0 && i < text_.size() ? text_[i] : QChar(); }
    bool groupOfThreeAt(qsizetype i) const {
        return isDigit(at(i)) && isDigit(at(i + 1)) && isDigit(at(i + 2)) && !isDigit(at(i + 3));
    }
    qsizetype runEnd(qsizetype i) const;
    qsizetype markAfter(qsizetype i) const;
    qsizetype markBefore(qsizetype i) const;
    void take(qsizetype begin, qsizetype end);

    QStringView text_;
    int candidates_ = 0;
    bool unclear_ = false;
    qint64 cents_ = 0;
    qsizetype usedMark_ = -1; // the mark after the previous number is not one before the next
};

// Digits, and the points, commas and blanks that join digits into one written number.
qsizetype AmountReader::runEnd(qsizetype i) const {
    for (;;) {
        while (isDigit(at(i)))
            ++i;
        if ((at(i) == u'.' || at(i) == u',') && isDigit(at(i + 1)))
            ++i;
        else if (isBlank(at(i)) && groupOfThreeAt(i + 1))
            ++i;
        else
            return i;
    }
}

// Where a currency mark after position i starts, blanks skipped; -1 when there is none.
qsizetype AmountReader::markAfter(qsizetype i) const {
    while (isBlank(at(i)))
        ++i;
    if (at(i) == u'€')
        return i;
    for (const QStringView word : {u"euroa", u"euron", u"euro", u"eur", u"e"}) {
        if (text_.mid(i).startsWith(word, Qt::CaseInsensitive) && !isWordy(at(i + word.size())))
            return i;
    }
    return -1;
}

// Where a currency mark before position i starts, blanks skipped; -1 when there is none.
qsizetype AmountReader::markBefore(qsizetype i) const {
    while (isBlank(at(i - 1)))
        --i;
    if (at(i - 1) == u'€')
        return i - 1;
    if (i >= 3 && text_.mid(i - 3, 3).compare(u"eur", Qt::CaseInsensitive) == 0 &&
        !isWordy(at(i - 4)))
        return i - 3;
    return -1;
}

// The cents a written number holds, or nothing when it could be read two ways or is too long.
std::optional<qint64> centsOf(QStringView run, bool wholeEuros) {
    std::vector<QStringView> groups;
    std::vector<QChar> separators;
    qsizetype start = 0;
    for (qsizetype k = 0; k < run.size(); ++k) {
        if (!isDigit(run[k])) {
            groups.push_back(run.mid(start, k - start));
            separators.push_back(run[k]);
            start = k + 1;
        }
    }
    groups.push_back(run.mid(start));

    QStringView fraction;
    QChar decimalPoint;
    if (!separators.empty() && !isBlank(separators.back()) && groups.back().size() <= 2) {
        fraction = groups.back();
        decimalPoint = separators.back();
        groups.pop_back();
        separators.pop_back();
    }
    if (wholeEuros && !fraction.isEmpty())
        return std::nullopt;
    // Thousands: one kind of separator, never a comma, before groups of exactly three.
    for (std::size_t k = 0; k < separators.size(); ++k) {
        if (separators[k] == u',' || isBlank(separators[k]) != isBlank(separators[0]) ||
            groups[k + 1].size() != 3 || (k == 0 && groups[0].size() > 3))
            return std::nullopt;
    }
    if (!separators.empty() && separators[0] == u'.' && decimalPoint == u'.')
        return std::nullopt;

    QString whole;
    for (const QStringView group : groups)
        whole += group;
    while (whole.size() > 1 && whole.startsWith(u'0'))
        whole.remove(0, 1);
    if (whole.size() > kMaxWholeDigits)
        return std::nullopt;
    const qint64 cents =
        fraction.isEmpty() ? 0 : fraction.toLongLong() * (fraction.size() == 1 ? 10 : 1);
    return whole.toLongLong() * 100 + cents;
}

// A number with a mark, or ending in ",-", is an amount; any such number that is not clear
// makes the whole text unclear.
void AmountReader::take(qsizetype begin, qsizetype end) {
    const bool wholeEuros = at(end) == u',' && isMinus(at(end + 1));
    const qsizetype after = markAfter(wholeEuros ? end + 2 : end);
    const bool negative = isMinus(at(begin - 1));
    const qsizetype lead = negative ? begin - 1 : begin;
    const qsizetype before = markBefore(lead);
    const bool markedBefore = before >= 0 && before != usedMark_;
    if (after >= 0)
        usedMark_ = after;
    if (after < 0 && !markedBefore && !wholeEuros)
        return;
    ++candidates_;
    // "20-30 €", "x50 €", ",50 €" and "-€50" are not what they would seem to a reader taking
    // the number alone.
    const QChar outside = at(lead - 1);
    const bool glued = isWordy(outside) || outside == u'.' || outside == u',' ||
                       (markedBefore && isMinus(at(before - 1)));
    const std::optional<qint64> cents = centsOf(text_.mid(begin, end - begin), wholeEuros);
    if (glued || !cents)
        unclear_ = true;
    else
        cents_ = negative ? -*cents : *cents;
}

std::optional<qint64> AmountReader::read() {
    for (qsizetype i = 0; i < text_.size();) {
        if (!isDigit(text_[i])) {
            ++i;
            continue;
        }
        const qsizetype end = runEnd(i);
        take(i, end);
        i = end;
    }
    if (unclear_ || candidates_ != 1)
        return std::nullopt;
    return cents_;
}

} // namespace

std::optional<qint64> amountIn(const QString& loan) {
    return AmountReader(loan).read();
}

QString euros(qint64 cents) {
    const quint64 magnitude = cents < 0 ? 0 - quint64(cents) : quint64(cents);
    QString whole = QString::number(magnitude / 100);
    for (qsizetype k = whole.size() - 3; k > 0; k -= 3)
        whole.insert(k, kNoBreakSpace);
    const QString fraction = QStringLiteral("%1").arg(magnitude % 100, 2, 10, QChar(u'0'));
    return (cents < 0 ? QStringLiteral("-") : QString()) + whole + u',' + fraction + kNoBreakSpace +
           u'€';
}

void Tally::add(const QString& loan) {
    ++loans;
    const std::optional<qint64> amount = amountIn(loan);
    if (!amount)
        ++withoutAmount;
    else
        overflow = qAddOverflow(cents, *amount, &cents) || overflow;
}

void Tally::add(const Tally& other) {
    loans += other.loans;
    withoutAmount += other.withoutAmount;
    overflow = qAddOverflow(cents, other.cents, &cents) || overflow || other.overflow;
}

} // namespace ledger
