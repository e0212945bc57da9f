#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// Windows-1252 by its own table rather than the toolkit's converter, whose data alone costs the
// program a megabyte of memory at start. The mapping is the toolkit's: the five bytes Windows
// does not define stand for the control characters of the same number.
namespace ledger {

QString fromWindows1252(QByteArrayView bytes);
// Nothing when the text holds a character that Windows-1252 cannot hold.
std::optional<QByteArray> toWindows1252(QStringView text);

} // namespace ledger
