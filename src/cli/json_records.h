// Records for batch jobs: one JSON object a line, each written by one
// write(2), so that the records of jobs appending to one file never mix
// within a line.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "cli/movie_outcome.h"

namespace reelsnap::cli {

// A JSON string of the bytes: valid UTF-8 as it is (quotes, backslashes and
// control characters escaped), each other byte as the lone surrogate
// "\udcXX" of Python's "surrogateescape", so that os.fsencode() gives the
// bytes back.
std::string JsonString(std::string_view bytes);

// Nanoseconds as a JSON number of seconds: "1.04", "0.0".
std::string JsonSeconds(std::int64_t ns);

// Builds one record: {"key": value, ...} and a line feed.
class JsonRecord {
  public:
    JsonRecord& Text(std::string_view key, std::string_view bytes);
    JsonRecord& Number(std::string_view key, std::int64_t value);
    JsonRecord& Boolean(std::string_view key, bool value);
    // A value already in JSON.
    JsonRecord& Raw(std::string_view key, std::string_view json);
    std::string Line() const { return line_ + "}\n"; }

  private:
    std::string line_ = "{";
};

// Writes the line to the file descriptor in one write(2) where the system
// takes it whole; false when it could not be written.
bool WriteLine(int fd, const std::string& line);

// The record of a frame that was written or kept.
std::string FrameRecordLine(const std::filesystem::path& movie, const FrameRecord& frame);
// The record of a movie's end. Its numbers add up: the selected frames are
// written, kept, failed or skipped (not reached: after a stop or a failed write).
std::string MovieRecordLine(const std::filesystem::path& movie, const std::filesystem::path& folder,
                            const MovieOutcome& outcome);
// The record of a movie counted.
std::string CountRecordLine(const std::filesystem::path& movie, const MovieOutcome& outcome);

// Writes a record on standard output, from any thread. The first that cannot
// be written is kept as the run's failure; a reader that went away
// (`--json | head -1`) ends the run as SIGTERM does.
void WriteRecord(const std::string& line);
// Standard output's last lines flushed; false, after saying why, when they
// or any record could not be written.
bool RecordsComplete();

}  // namespace reelsnap::cli
