#include "update/UpdateFiles.h"

#include "ledger/LoanFile.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

namespace update {
namespace {

constexpr qsizetype kVersionLength = 3;

QStringList fields(const QByteArray& file) {
    QStringDecoder decoder("windows-1252");
    const QString text = decoder(file);
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
    return lines;
}

std::optional<QString> beforeStar(const QString& field) {
    const qsizetype star = field.indexOf(u'*');
    if (star < 0)
        return std::nullopt;
    return field.left(star).trimmed();
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
    const QStringList found = fields(noticeFile);
    return found.isEmpty() ? QString() : beforeStar(found.first()).value_or(QString());
}

QList<std::optional<QString>> listedFiles(const QByteArray& listFile) {
    QList<std::optional<QString>> names;
    for (const QString& field : fields(listFile))
        names.append(beforeStar(field));
    return names;
}

bool safeToStore(const QString& name, std::span<const QString> registeredNames) {
    if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\') ||
        name.contains(QStringLiteral("..")) || holdsControlCharacter(name) ||
        sameFile(name, ledger::kRegisterFile))
        return false;
    return std::none_of(registeredNames.begin(), registeredNames.end(),
                        [&](const QString& borrower) {
                            const std::optional<QString> loanFile = ledger::loanFileName(borrower);
                            return loanFile && sameFile(name, *loanFile);
                        });
}

} // namespace update
