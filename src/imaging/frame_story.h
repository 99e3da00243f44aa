// The frame's story in its file: when it was taken, from which movie and
// where, as EXIF and XMP metadata that photo managers and maps read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "imaging/image_types.h"

namespace reelsnap {

// A place on Earth: degrees north and east (negative: south, west), and
// metres above sea level where known.
struct GeoPoint {
    double latitude = 0;
    double longitude = 0;
    std::optional<double> altitude;
};

// The point of an ISO 6709 string as phones write it into movies
// ("+37.3349-122.0090+010.000/"; degrees, or degrees and minutes, or
// degrees, minutes and seconds); nothing when it is not one.
std::optional<GeoPoint> ParseIso6709(std::string_view text);

struct FrameStory {
    // When the frame was shown, in nanoseconds since 1970 (UTC): the
    // movie's recorded creation time plus the frame's time; nothing when
    // the movie records no creation time.
    std::optional<std::int64_t> takenNs;
    std::string movieName;  // the movie's file name, as UTF-8
    std::int32_t index = 0;
    std::int64_t timeNs = 0;  // the frame's time in the movie
    std::optional<GeoPoint> location;
};

// The EXIF block (TIFF structure, little-endian) and the XMP packet of the story.
struct StoryMetadata {
    std::vector<std::uint8_t> exif;
    std::string xmp;
};
// Nothing when exiv2 cannot encode it: the frame is then a failed write.
std::optional<StoryMetadata> EncodeStory(const FrameStory& story);

// Writes the story into the encoded file; false when it cannot be read or written.
bool AddStoryToFile(EncodedData& file, const FrameStory& story);

}  // namespace reelsnap
