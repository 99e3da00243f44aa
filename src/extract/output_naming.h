// Names of the frame files, and the change of a written file's extension to
// that of its real type.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
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

// Renames an existing file so that it ends in `extension`, never replacing
// another file; a failure leaves the file as it was.
void SetFileExtension(const std::filesystem::path& file, std::string_view extension);
// The same for a path string, which must fit 255 bytes of UTF-8.
void SetFileExtensionAtPath(const std::string& path, std::string_view extension);

}  // namespace reelsnap
