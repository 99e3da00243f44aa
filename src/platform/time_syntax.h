// Times as users type them: on the command line, in the preferences and in
// the picker's Go-to field.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace reelsnap {

// The text without blanks, tabs and CRs at either end.
std::string_view TrimBlanks(std::string_view text);

// A whole number of digits only (no sign), within [0, limit].
std::optional<std::int64_t> ParseDigits(std::string_view text, std::int64_t limit);

// A time as the command line takes it, in nanoseconds: decimal seconds
// ("12.5") or [[H:]M:]S[.fff] ("1:02:03.250", "2:30"), at most nine
// decimals, at most 10^9 seconds. Nothing for anything else, or a negative
// time.
std::optional<std::int64_t> ParseTime(std::string_view text);

}  // namespace reelsnap
