// Thin adapters over the Linux file calls the application needs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

namespace reelsnap {

// True for a folder, or a link to one; false for anything else, including
// an item that is gone.
bool IsFolder(const std::filesystem::path& item);

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

// The same, but a file at `path` is replaced only where it is not foreign
// (IsForeignFile); EEXIST otherwise, and nothing is left behind.
int WriteFileReplacingOwn(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                          ModificationTime modified = std::nullopt);

// Every file these writes make carries an extended attribute
// (user.reelsnap.frame). True when a file is at `path` that lacks it on a
// file system that keeps such marks: a file someone else made.
bool IsForeignFile(const std::filesystem::path& path);

// Removes the temporary files (".NAME.part-PID-N") that writes left in the
// folder when their process ended before it could (a kill, a crash): only
// those whose NAME `isOurs` accepts, whose process is gone from this PID
// namespace, and whose lock no writer anywhere holds.
void RemoveStaleTemporaryFiles(const std::filesystem::path& folder,
                               const std::function<bool(std::string_view)>& isOurs);

}  // namespace reelsnap
