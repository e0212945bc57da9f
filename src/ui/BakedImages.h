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
    const quint32* pixels; // premultiplied ARGB, row after row
};

extern const std::span<const Picture> pictures;

// The picture of that file name ("backdrop.png"), or a null image when none was built in. The
// image uses the built-in pixels in place.
QImage image(QStringView fileName);

} // namespace baked
