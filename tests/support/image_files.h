// Reading image files back with libavformat and libavcodec, independent of
// the encoders under test.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "imaging/image.h"

namespace reelsnap::testing {

// The first picture of the file as RGBA, or nothing. AVIF files are read
// by libavif, which keeps their alpha.
std::optional<Image> DecodeImageFile(const std::filesystem::path& path);
// The same at 16 bits a channel (Rgba64), for files deeper than 8 bits.
std::optional<Image> DecodeImageFile16(const std::filesystem::path& path);

// The bits a channel of the file's pixels, as its decoder gives them.
int ImageBitsPerChannel(const std::filesystem::path& path);

// The decoder's name for the file ("mjpeg", "png", "tiff", "bmp", "gif", "jpeg2000",
// "webp", "av1", "jpegxl").
std::string ImageCodecName(const std::filesystem::path& path);

// Peak signal-to-noise ratio of the RGB channels, in dB (infinity when equal).
double Psnr(const Image& a, const Image& b);

// True when every RGBA byte is equal.
bool SamePixels(const Image& a, const Image& b);

}  // namespace reelsnap::testing
