// Names of the frame files, and the change of a written file's extension to
// that of its real type.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/file_io.h"

namespace reelsnap {

// The index printed in a field of eight characters, zeros on the left; an
// index of more than eight digits is written in full.
std::optional<std::string> FormatPaddedIndex(std::int32_t index);

// The settings that choose a name's pattern, read for every frame.
struct FrameNaming {
    bool appendFrameCount = false;
    bool padIndicesWithZeros = false;
    bool byTime = false;  // "frame_00-01-02.345" rather than "frame_7"
    // The command line's --name: tokens in braces (NameTemplateProblem);
    // empty: the names above.
    std::string nameTemplate;
};

// What a frame's name may tell of it.
struct FrameFacts {
    std::int32_t index = 0;       // from 1
    std::int32_t frameCount = 0;  // the movie's
    std::int64_t timeNs = 0;      // its time on the movie's time line
    std::int64_t pts = 0;         // its presentation timestamp as stored
    std::int32_t position = 0;    // its place among the frames handed out, from 1
    std::string movie;            // the movie's file name without its extension
};

// "frame_7.jpg", "frame_00000007.jpg", "frame_7 of 120.jpg" or
// "frame_00000007 of 120.jpg"; by time "frame_00-01-02.345.jpg" (and
// " of 120"); or the template filled in with ".jpg" after it.
std::optional<std::string> BuildFrameFileName(const FrameFacts& frame, const FrameNaming& naming);

// The time as "HH:MM:SS.mmm" with this separator, the milliseconds cut, not rounded.
std::string ClockTime(std::int64_t timeNs, char separator);
// The time as a name shows it: "HH-MM-SS.mmm".
std::string TimeInName(std::int64_t timeNs);

// Why a --name template cannot name frames, or nothing when it can: it
// needs a token that tells frames apart ({index}, {index:W}, {time}, {ms},
// {pts} or {n}), knows no other tokens than those and {movie} and {count},
// and makes a name of one folder's entry (no '/', no leading '.'). The
// reason is a key of the "LocalizedStrings" table.
std::optional<std::string> NameTemplateProblem(std::string_view nameTemplate);

// The file's name with the last occurrence of its extension replaced by
// `extension` ("." and `extension` appended when it has none).
std::string NameWithExtension(std::string_view name, std::string_view extension);

// The frame file's final name: the ".jpg" name it is built with, carrying
// the extension of the type written.
std::filesystem::path FinalFramePath(const std::filesystem::path& jpgPath,
                                     std::string_view extension);

// True for a name this code gives a frame's file without a template
// ("frame_7.png", "frame_00000007 of 120.jpg", "frame_00-01-02.345.png"), in
// any of the image types' extensions.
bool IsFrameFileName(std::string_view name);

// What happens to a file that already has a frame file's name.
enum class ExistingFiles {
    // The window's rule: a JPEG replaces an older frame file of its name (one
    // this code wrote: IsForeignFile), never another file; any other
    // type never replaces a file: when its final name is taken, the frame is
    // kept under its ".jpg" name if that is free, and otherwise not written
    // (EEXIST).
    KeepBeside,
    Skip,     // the frame is not written (EEXIST); nothing else is tried
    Replace,  // the frame replaces it
};

// Writes a frame's file under its final name, never leaving a partial file.
// Returns 0 or an errno value.
int PlaceFrameFile(const std::filesystem::path& jpgPath, std::string_view extension,
                   std::span<const std::uint8_t> bytes,
                   ExistingFiles existing = ExistingFiles::KeepBeside,
                   ModificationTime modified = std::nullopt);

}  // namespace reelsnap
