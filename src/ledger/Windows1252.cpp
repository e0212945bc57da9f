#include "ledger/Windows1252.h"

#include <algorithm>
#include <array>

namespace ledger {
namespace {

// Bytes 0x80 to 0x9F; every other byte is the character of the same number.
constexpr std::array<char16_t, 32> kHighRow = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr bool inHighRow(unsigned code) {
    return code >= 0x80 && code < 0xA0;
}

} // namespace

QString fromWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = inHighRow(code) ? kHighRow[code - 0x80] : char16_t(code);
    }
    return text;
}

std::optional<QByteArray> toWindows1252(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code < 0x100 && !inHighRow(code)) {
            *out++ = char(code);
            continue;
        }
        const auto found = std::find(kHighRow.begin(), kHighRow.end(), code);
        if (found == kHighRow.end())
            return std::nullopt;
        *out++ = char(0x80 + (found - kHighRow.begin()));
    }
    return bytes;
}

} // namespace ledger
