// MP4 and MOV headers whose sample counts the file cannot hold.
//
// Where every sample of a track has one size, the header gives only that
// size and a count, and libavformat indexes every sample it declares: a few
// kilobytes that declare 85 million samples take gigabytes and hours. Each
// sample needs its bytes in the file, so a count beyond the file's size over
// the sample size is cut to that bound as the header is read.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <vector>

extern "C" {
#include <libavformat/avio.h>
}

namespace reelsnap {

// A big-endian 32-bit field of the file read as another value.
struct HeaderPatch {
    std::int64_t offset = 0;
    std::uint32_t value = 0;
};

struct SampleCountBounds {
    // The patches that bound every constant-size track's sample count
    // ("stsz") by the file's size; none for a sound file, or one that is no MP4.
    std::vector<HeaderPatch> patches;
    // The most samples any table of any track lists, within those bounds
    // and what each table's box can hold: what a demuxer will index.
    std::uint64_t mostSamples = 0;
};
SampleCountBounds ReadSampleCountBounds(const std::filesystem::path& path);

// Reads the file through libavformat's I/O with the patches applied, failing
// every read once `interrupted` is set; nothing when the file cannot be
// opened. Free it with FreePatchedFileReader.
AVIOContext* OpenPatchedFileReader(const std::filesystem::path& path,
                                   std::vector<HeaderPatch> patches,
                                   const std::atomic<bool>& interrupted);
void FreePatchedFileReader(AVIOContext* io);

}  // namespace reelsnap
