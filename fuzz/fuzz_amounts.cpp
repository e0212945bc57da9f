// Arbitrary text as loans, one a line: the amount reader reads nothing beyond its 16 digits of
// euros, what it reads is shown as a text it reads back, and a sum is told to overflow exactly
// when one of its steps would leave 64-bit cents.
#include "ledger/Amount.h"

#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace {

constexpr qint64 kLimit = 1'000'000'000'000'000'000;
__extension__ using Exact = __int128;

void checkAmount(const QString& loan) {
    const std::optional<qint64> amount = ledger::amountIn(loan);
    if (!amount)
        return;
    if (*amount <= -kLimit || *amount >= kLimit ||
        ledger::amountIn(ledger::euros(*amount)) != amount)
        __builtin_trap();
}

void checkSum(const QStringList& loans) {
    ledger::Tally tally;
    Exact exact = 0;
    bool overflow = false;
    for (const QString& loan : loans) {
        tally.add(loan);
        exact += ledger::amountIn(loan).value_or(0);
        overflow = overflow || exact > std::numeric_limits<qint64>::max() ||
                   exact < std::numeric_limits<qint64>::min();
    }
    if (tally.overflow != overflow || (!overflow && tally.cents != exact) ||
        tally.loans != loans.size())
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2));
    const QStringList loans = text.split(u'\n');
    for (const QString& loan : loans)
        checkAmount(loan);
    checkSum(loans);
    return 0;
}
