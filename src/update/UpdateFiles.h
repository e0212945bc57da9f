#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <span>

// Reading the files of the update directory, and what may be stored from them.
namespace update {

// The version in the form the update directory uses: the three numbers' digits joined, "110".
QString ownVersion(int major, int minor, int revision);

// The first three bytes of the version file; nothing unless all three are decimal digits, so an
// error page or an empty file never passes for a version.
std::optional<QString> publishedVersion(const QByteArray& versionFile);

enum class Verdict { UpdateAvailable, UpToDate, OwnNewer };

// An update is available when the published number is larger; otherwise the texts decide.
Verdict compareVersions(const QString& own, const QString& published);

// The longest notice shown whole: a message box of a few lines. A longer one is cut, with "…".
inline constexpr qsizetype kNoticeLength = 500;

// Both files are Windows-1252 text. The notice is the text of the first line holding more than
// blanks, before its first "*", trimmed; empty without a "*".
QString notice(const QByteArray& noticeFile);

// The listed names in file order: each field's text before its first "*", trimmed, or nothing
// for a field without "*". Fields are read as in the data files, with the comma and the double
// quote of the register's rule; fields of blanks only are no entries.
QList<std::optional<QString>> listedFiles(const QByteArray& listFile);

// Whether a listed name may be stored: a plain name in the working folder that is neither the
// name register nor a registered borrower's loan file, whatever its letter case.
bool safeToStore(const QString& name, std::span<const QString> registeredNames);

} // namespace update
