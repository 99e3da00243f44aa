// Records for batch jobs: one JSON object a line, each written by one
// write(2), so that the records of jobs appending to one file never mix
// within a line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

}  // namespace reelsnap::cli
