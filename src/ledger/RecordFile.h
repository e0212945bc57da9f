#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <span>

class QIODevice;

// The register and the loan files share one format: a header line, then one line per slot
// holding the slot's value followed by the marker "×", in Windows-1252 with CR LF line ends.
namespace ledger {

inline constexpr char16_t kMarker = u'×';

// Fills the table from slot 0 upward with the records of the file, one per line (ended by CR,
// LF or CR LF) that holds the marker: the text before the first marker, trimmed. Other lines are
// skipped; records beyond the capacity are ignored; table after the last record keep their values.
// Reading stops at a line of more than 64 KiB. A missing or unreadable file changes nothing.
void readRecords(const QString& path, std::span<QString> table);
void readRecords(QIODevice& device, std::span<QString> table);

// The bytes of a file holding the header and every slot; nothing when a character cannot be held.
std::optional<QByteArray> recordBytes(const QString& header, std::span<const QString> table);

// Writes the header and every slot, replacing the file only once the new content is complete.
// Returns false, leaving any old file untouched, when the file could not be written. A save that
// returns true has reached the disk, its new name included. A new file is the user's alone; a
// symbolic link by the name is followed.
bool writeRecords(const QString& path, const QString& header, std::span<const QString> table);

// Whether a save may replace what is at path: nothing, or a file that could be read and is not
// of some other program, that is, one that holds a record or nothing after its first line, no
// more records than the register (nimet.kdx) or a loan file has slots, no NUL byte, no byte
// order mark and no line of more than 64 KiB.
bool mayReplace(const QString& path);

QString recordHeader(const QString& programName, const QString& dateTime);

} // namespace ledger
