#include "ledger/StorableText.h"

#include "ledger/RecordFile.h"

#include <QStringEncoder>

namespace ledger {

bool isStorable(const QString& text) {
    for (const QChar c : text) {
        if (c == kMarker || c.category() == QChar::Other_Control)
            return false;
    }
    QStringEncoder encoder("windows-1252");
    const QByteArray bytes = encoder(text);
    return !encoder.hasError();
}

} // namespace ledger
