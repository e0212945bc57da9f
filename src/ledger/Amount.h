#pragma once

#include <QString>
#include <optional>

// Loans are free text; the money in them is read from what the user wrote, never guessed.
namespace ledger {

// The one amount of money a loan's text names, in cents, as Finns write money: a number with a
// currency mark after it ("50 €", "50,00e", "12,5 eur", "50 euroa") or "€" or "EUR" before it
// ("€50"), or a number ending in ",-" ("50,-"). Decimals follow a comma or a point and are one or
// two digits; thousands are grouped by a space, a no-break space or a point before exactly three
// digits; a minus sign before the number is kept. Nothing when the text names no amount, more
// than one, or one that could be read two ways ("1,200 €", "20-30 €", "x50 €").
std::optional<qint64> amountIn(const QString& loan);

// Money as Finns write it: "-1 200,50 €", the groups and the mark set off by no-break spaces.
// amountIn() reads it back.
QString euros(qint64 cents);

// Loans added up: how many, how many name no amount, and the sum of those that do.
struct Tally {
    qint64 cents = 0;
    qint64 loans = 0;
    qint64 withoutAmount = 0;
    bool overflow = false; // the sum is beyond 64-bit cents, and cents means nothing

    void add(const QString& loan);
    void add(const Tally& other);
};

} // namespace ledger
