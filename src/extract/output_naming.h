// Names of the frame files, and the change of a written file's extension to
// that of its real type.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace reelsnap {

// The index printed in a field of eight characters, zeros on the left; an
// index of more than eight digits is written in full.
std::optional<std::string> FormatPaddedIndex(std::int32_t index);

// "frame_7.jpg", "frame_00000007.jpg", "frame_7 of 120.jpg" or
// "frame_00000007 of 120.jpg", as AppendFrameCount and PadIndicesWithZeros say.
std::optional<std::string> BuildFrameFileName(std::int32_t index, std::int32_t frameCount);

// The file's name with the last occurrence of its extension replaced by
// `extension` ("." and `extension` appended when it has none).
std::string NameWithExtension(std::string_view name, std::string_view extension);

// The frame file's final name: the ".jpg" name it is built with, carrying
// the extension of the type written.
std::filesystem::path FinalFramePath(const std::filesystem::path& jpgPath,
                                     std::string_view extension);

// Writes a frame's file under its final name, never leaving a partial file.
// A JPEG replaces an older file of its name. Any other type never replaces a
// file: when its final name is taken, the frame is kept under its ".jpg" name
// if that is free, and otherwise not written (EEXIST). Returns 0 or an errno
// value.
int PlaceFrameFile(const std::filesystem::path& jpgPath, std::string_view extension,
                   std::span<const std::uint8_t> bytes);

}  // namespace reelsnap
