// Feeds arbitrary bytes to the readers of the update files: as a version file, as the notice
// file, and as the file list whose names are then judged for storing.
#include "update/UpdateFiles.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const std::optional<QString> version = update::publishedVersion(bytes)) {
        if (version->size() != 3 || version->toInt() < 0 || !bytes.startsWith(version->toLatin1()))
            __builtin_trap();
        update::compareVersions(QStringLiteral("110"), *version);
    }
    const QString notice = update::notice(bytes);
    if (notice.contains(u'*') || notice.contains(u'\n') || notice != notice.trimmed() ||
        notice.size() > update::kNoticeLength)
        __builtin_trap();

    const QString registered[] = {QStringLiteral("Aino"), QStringLiteral("a/b")};
    for (const std::optional<QString>& name : update::listedFiles(bytes)) {
        if (!name || !update::safeToStore(*name, registered))
            continue;
        if (name->isEmpty() || name->contains(u'/') || name->contains(u'\\') ||
            name->contains(QStringLiteral("..")) || name->contains(QChar(0)) ||
            name->compare(QStringLiteral("nimet.kdx"), Qt::CaseInsensitive) == 0)
            __builtin_trap();
    }
    return 0;
}
