#include "platform/library_versions.h"

#include <avif/avif.h>
#include <gif_lib.h>
#include <jconfig.h>
#include <jxl/encode.h>
#include <libdeflate.h>
#include <libimagequant.h>
#include <openjpeg.h>
#include <tiffio.h>
#include <webp/encode.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/avutil.h>
}

namespace reelsnap {
namespace {

std::string FirstLine(const char* text) {
    std::string s = text ? text : "";
    return s.substr(0, s.find('\n'));
}

// libimagequant gives its version as one number, 21700 for 2.17.0.
std::string ImageQuantVersion() {
    const int v = liq_version();
    return std::to_string(v / 10000) + "." + std::to_string(v / 100 % 100) + "." +
           std::to_string(v % 100);
}

// libwebp and libjxl give theirs as one number: 0x010204 for 1.2.4, 7000 for 0.7.0.
std::string WebpVersion() {
    const int v = WebPGetEncoderVersion();
    return std::to_string(v >> 16) + "." + std::to_string(v >> 8 & 0xFF) + "." +
           std::to_string(v & 0xFF);
}

std::string JxlVersion() {
    const std::uint32_t v = JxlEncoderVersion();
    return std::to_string(v / 1000000) + "." + std::to_string(v / 1000 % 1000) + "." +
           std::to_string(v % 1000);
}

}  // namespace

std::vector<std::pair<std::string, std::string>> LibraryVersions() {
    std::string tiff = FirstLine(TIFFGetVersion());
    if (const auto at = tiff.rfind(' '); at != std::string::npos) tiff = tiff.substr(at + 1);
    return {
        {"FFmpeg", av_version_info()},
        {"libjpeg-turbo", std::to_string(LIBJPEG_TURBO_VERSION_NUMBER / 1000000) + "." +
                              std::to_string(LIBJPEG_TURBO_VERSION_NUMBER / 1000 % 1000) + "." +
                              std::to_string(LIBJPEG_TURBO_VERSION_NUMBER % 1000)},
        {"libdeflate", LIBDEFLATE_VERSION_STRING},
        {"libtiff", tiff},
        {"giflib", std::to_string(GIFLIB_MAJOR) + "." + std::to_string(GIFLIB_MINOR) + "." +
                       std::to_string(GIFLIB_RELEASE)},
        {"libimagequant", ImageQuantVersion()},
        {"OpenJPEG", opj_version()},
        {"libwebp", WebpVersion()},
        {"libavif", avifVersion()},
        {"libjxl", JxlVersion()},
    };
}

std::string FfmpegLicence() {
    return avcodec_license();
}

}  // namespace reelsnap
