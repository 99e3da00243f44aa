// Thin adapters over the Linux file calls the application needs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace reelsnap {

// Renames without ever replacing an existing file; 0 or an errno value.
int RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to);

// A file's modification time in nanoseconds since 1970; nothing leaves the
// time of writing.
using ModificationTime = std::optional<std::int64_t>;

// Writes the bytes to a temporary file in the same folder and renames it over
// `path` once complete, so that `path` never holds a partial file. Returns 0
// or the errno value of the step that failed; the temporary file is removed
// on failure.
int WriteFileReplacing(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                       ModificationTime modified = std::nullopt);

// The same, but an existing file at `path` is never replaced: EEXIST then,
// and nothing is left behind.
int WriteFileNoReplace(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                       ModificationTime modified = std::nullopt);

// Removes the temporary files that writes of ours left in the folder when
// their process ended before it could (a kill, a crash); files of running
// processes stay.
void RemoveStaleTemporaryFiles(const std::filesystem::path& folder);

}  // namespace reelsnap
