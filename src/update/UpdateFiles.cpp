#include "update/UpdateFiles.h"

#include "ledger/LoanFile.h"
#include "ledger/Windows1252.h"

#include <algorithm>

namespace update {
namespace {

constexpr qsizetype kVersionLength = 3;

bool endsLine(QChar c) {
    return c == u'\r' || c == u'\n';
}

bool endsField(QChar c) {
    return c == u',' || endsLine(c);
}

// The fields of a file by the register's rule: a field ends at a comma or a line end, blanks
// before it are skipped, and one that begins with a double quote runs to the next one, the text
// after that up to the field's end being dropped. Fields of blanks only are no fields.
QStringList fields(const QString& text) {
    QStringList found;
    for (qsizetype at = 0; at < text.size(); ++at) {
        while (at < text.size() && (text[at] == u' ' || text[at] == u'\t'))
            ++at;
        QString value;
        const bool quoted = at < text.size() && text[at] == u'"';
        if (quoted) {
            const qsizetype close = text.indexOf(u'"', at + 1);
            const qsizetype end = close < 0 ? text.size() : close;
            value = text.sliced(at + 1, end - at - 1);
            at = end;
        }
        const qsizetype start = at;
        while (at < text.size() && !endsField(text[at]))
            ++at;
        if (!quoted)
            value = text.sliced(start, at - start);
        if (!value.trimmed().isEmpty())
            found << value;
    }
    return found;
}

// The first line that holds more than blanks.
QStringView firstLine(QStringView text) {
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = start;
        while (end < text.size() && !endsLine(text[end]))
            ++end;
        const QStringView line = text.sliced(start, end - start);
        if (!line.trimmed().isEmpty())
            return line;
        start = end + 1;
    }
    return {};
}

std::optional<QString> beforeStar(QStringView field) {
    const qsizetype star = field.indexOf(u'*');
    if (star < 0)
        return std::nullopt;
    return field.first(star).trimmed().toString();
}

// A NUL would cut the name short on its way to the file system.
bool holdsControlCharacter(const QString& name) {
    return std::any_of(name.begin(), name.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

bool sameFile(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

QString ownVersion(int major, int minor, int revision) {
    return QString::number(major) + QString::number(minor) + QString::number(revision);
}

std::optional<QString> publishedVersion(const QByteArray& versionFile) {
    const QByteArray head = versionFile.left(kVersionLength);
    if (head.size() < kVersionLength ||
        !std::all_of(head.begin(), head.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return QString::fromLatin1(head);
}

Verdict compareVersions(const QString& own, const QString& published) {
    if (own.toLongLong() < published.toLongLong())
        return Verdict::UpdateAvailable;
    return own == published ? Verdict::UpToDate : Verdict::OwnNewer;
}

QString notice(const QByteArray& noticeFile) {
    const QString text = ledger::fromWindows1252(noticeFile);
    QString found = beforeStar(firstLine(text)).value_or(QString());
    if (found.size() > kNoticeLength)
        found = found.first(kNoticeLength - 1).trimmed() + u'…';
    return found;
}

QList<std::optional<QString>> listedFiles(const QByteArray& listFile) {
    QList<std::optional<QString>> names;
    for (const QString& field : fields(ledger::fromWindows1252(listFile)))
        names.append(beforeStar(field));
    return names;
}

bool safeToStore(const QString& name, std::span<const QString> registeredNames) {
    if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\') ||
        name.contains(QStringLiteral("..")) || holdsControlCharacter(name) ||
        sameFile(name, ledger::kRegisterFile) || sameFile(name, ledger::kLockFile))
        return false;
    return std::none_of(registeredNames.begin(), registeredNames.end(),
                        [&](const QString& borrower) {
                            const std::optional<QString> loanFile = ledger::loanFileName(borrower);
                            return loanFile && sameFile(name, *loanFile);
                        });
}

} // namespace update
