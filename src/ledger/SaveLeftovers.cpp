#include "ledger/SaveLeftovers.h"

#include <QDir>
#include <QFile>

namespace ledger {

namespace {

bool isAsciiLetter(QChar c, char first, char last) {
    return c >= QLatin1Char(first) && c <= QLatin1Char(last);
}

// A name, ".kdx.", and six letters. The six are random in both cases, so a name such as
// "nimet.kdx.backup", which a user may well have given a copy, is never taken for one. Checked by
// hand: a pattern would cost the start the compiling of a regular expression.
bool isSaveLeftover(QStringView name) {
    constexpr QStringView kSuffix = u".kdx.";
    constexpr qsizetype kLetters = 6;
    if (name.size() <= kSuffix.size() + kLetters || !name.chopped(kLetters).endsWith(kSuffix))
        return false;
    bool upper = false, lower = false;
    for (const QChar c : name.last(kLetters)) {
        upper = upper || isAsciiLetter(c, 'A', 'Z');
        lower = lower || isAsciiLetter(c, 'a', 'z');
        if (!isAsciiLetter(c, 'A', 'Z') && !isAsciiLetter(c, 'a', 'z'))
            return false;
    }
    return upper && lower;
}

} // namespace

void removeSaveLeftovers(const QDir& folder) {
    const QStringList names =
        folder.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Unsorted);
    for (const QString& name : names) {
        if (isSaveLeftover(name))
            QFile::remove(folder.filePath(name));
    }
}

} // namespace ledger
