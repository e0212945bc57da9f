#include "ledger/StorableText.h"

#include "ledger/RecordFile.h"
#include "ledger/Windows1252.h"

namespace ledger {

bool isStorable(const QString& text) {
    for (const QChar c : text) {
        if (c == kMarker || c.category() == QChar::Other_Control)
            return false;
    }
    return toWindows1252(text).has_value();
}

} // namespace ledger
