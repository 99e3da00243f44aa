// Thin adapters over the Linux file calls the application needs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace reelsnap {

// Renames without ever replacing an existing file; 0 or an errno value.
int RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to);

// Writes the bytes to a temporary file in the same folder and renames it over
// `path` once complete, so that `path` never holds a partial file. Returns 0
// or the errno value of the step that failed; the temporary file is removed
// on failure.
int WriteFileReplacing(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// The same, but an existing file at `path` is never replaced: EEXIST then,
// and nothing is left behind.
int WriteFileNoReplace(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace reelsnap
