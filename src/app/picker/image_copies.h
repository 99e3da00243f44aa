// Copies between our RGBA images and Qt's, for the picker's view and its
// contact sheets.
#pragma once

#include <QImage>
#include <algorithm>

#include "imaging/image.h"

namespace reelsnap {

// An 8-bit RGBA image as a QImage of its own.
inline QImage QImageOf(const Image& image) {
    QImage copy(image.width(), image.height(), QImage::Format_RGBA8888);
    for (int y = 0; y < image.height(); ++y) {
        std::copy_n(image.pixels() + std::size_t(y) * image.stride(), image.stride(),
                    copy.scanLine(y));
    }
    return copy;
}

// Any QImage as 8-bit RGBA.
inline Image ImageOf(const QImage& image) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    Image copy(rgba.width(), rgba.height());
    for (int y = 0; y < rgba.height(); ++y) {
        std::copy_n(rgba.constScanLine(y), copy.stride(),
                    copy.pixels() + std::size_t(y) * copy.stride());
    }
    return copy;
}

}  // namespace reelsnap
