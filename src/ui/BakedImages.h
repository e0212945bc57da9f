#pragma once

#include <QImage>
#include <QStringView>
#include <span>

// The program's pictures, compiled in as pixels by the build (from assets/).
namespace baked {

struct Picture {
    const char16_t* fileName;
    int width;
    int height;
    const unsigned char* packed; // qCompress()ed premultiplied ARGB, row after row
    int packedSize;
};

extern const std::span<const Picture> pictures;

// The picture of that file name ("backdrop.png"), unpacked, or a null image when none was built
// in.
QImage image(QStringView fileName);

} // namespace baked
