#include "platform/time_syntax.h"

#include <charconv>

namespace reelsnap {
namespace {

constexpr std::int64_t kNsPerSecond = 1'000'000'000;
// The latest time taken: far beyond any movie, and far from overflowing
// nanoseconds in 64 bits.
constexpr std::int64_t kMaxTimeSeconds = 1'000'000'000;

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::optional<std::int64_t> ParseDigits(std::string_view text, std::int64_t limit) {
    if (text.empty() || text.size() > 18 ||
        text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > limit) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int64_t> ParseTime(std::string_view text) {
    text = TrimBlanks(text);
    std::string_view whole = text, fraction;
    if (const auto dot = text.find('.'); dot != std::string_view::npos) {
        whole = text.substr(0, dot);
        fraction = text.substr(dot + 1);
        // ".5" and "1." are times, as in every decimal notation; "." is not.
        if (fraction.size() > 9 || (!fraction.empty() && !ParseDigits(fraction, INT64_MAX)) ||
            (whole.empty() && fraction.empty())) {
            return std::nullopt;
        }
        if (whole.empty()) whole = "0";
    }
    std::int64_t seconds = 0;
    int fields = 0;
    while (true) {
        const auto colon = whole.find(':');
        const std::string_view field = whole.substr(0, colon);
        ++fields;
        // Minutes and seconds after a larger unit stay under 60.
        const bool last = colon == std::string_view::npos;
        const auto value = ParseDigits(field, fields > 1 ? 59 : 1'000'000'000);
        if (!value || fields > 3) return std::nullopt;
        seconds = seconds * 60 + *value;
        if (seconds > kMaxTimeSeconds) return std::nullopt;
        if (last) break;
        whole.remove_prefix(colon + 1);
    }
    std::int64_t ns = 0;
    for (std::size_t i = 0; i < 9; ++i) {
        ns = ns * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    }
    return seconds * kNsPerSecond + ns;
}

}  // namespace reelsnap
