#include "ui/BakedImages.h"

namespace baked {

QImage image(QStringView fileName) {
    for (const Picture& picture : pictures) {
        if (fileName == QStringView(picture.fileName))
            return QImage(reinterpret_cast<const uchar*>(picture.pixels), picture.width,
                          picture.height, picture.width * 4, QImage::Format_ARGB32_Premultiplied);
    }
    return {};
}

} // namespace baked
