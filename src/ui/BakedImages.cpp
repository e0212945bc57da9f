#include "ui/BakedImages.h"

#include <QByteArray>

namespace baked {

QImage image(QStringView fileName) {
    for (const Picture& picture : pictures) {
        if (fileName != QStringView(picture.fileName))
            continue;
        // The image draws from the unpacked bytes in place and lets them go with its last copy.
        auto* pixels = new QByteArray(qUncompress(picture.packed, picture.packedSize));
        if (pixels->size() != qsizetype(picture.width) * picture.height * 4) {
            delete pixels;
            return {};
        }
        return QImage(
            reinterpret_cast<uchar*>(pixels->data()), picture.width, picture.height,
            picture.width * 4, QImage::Format_ARGB32_Premultiplied,
            [](void* bytes) { delete static_cast<QByteArray*>(bytes); }, pixels);
    }
    return {};
}

} // namespace baked
