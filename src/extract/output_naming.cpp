#include "extract/output_naming.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>

#include <QtGlobal>

#include "imaging/image_types.h"
#include "platform/file_io.h"

namespace reelsnap {

std::optional<std::string> FormatPaddedIndex(std::int32_t index) {
    char buffer[16];
    const int length = std::snprintf(buffer, sizeof buffer, "%8d", index);
    if (length < 0 || std::size_t(length) >= sizeof buffer) return std::nullopt;
    for (int i = 0; i < 9 && buffer[i] != '\0'; ++i) {
        if (buffer[i] == ' ') buffer[i] = '0';
    }
    return std::string(buffer);
}

std::string ClockTime(std::int64_t timeNs, char separator) {
    const std::int64_t ms = std::max<std::int64_t>(timeNs, 0) / 1'000'000;
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%02lld%c%02lld%c%02lld.%03lld",
                  static_cast<long long>(ms / 3'600'000), separator,
                  static_cast<long long>(ms / 60'000 % 60), separator,
                  static_cast<long long>(ms / 1000 % 60), static_cast<long long>(ms % 1000));
    return buffer;
}

std::string TimeInName(std::int64_t timeNs) {
    return ClockTime(timeNs, '-');
}

namespace {

// The value of one template token, or nothing for a token that is not one.
std::optional<std::string> TokenValue(std::string_view token, const FrameFacts& frame,
                                      const FrameNaming& naming) {
    if (token == "index") {
        return naming.padIndicesWithZeros ? FormatPaddedIndex(frame.index)
                                          : std::to_string(frame.index);
    }
    if (token.starts_with("index:")) {
        int width = 0;
        const std::string_view digits = token.substr(6);
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), width);
        if (error != std::errc() || end != digits.data() + digits.size() || width < 1 ||
            width > 16) {
            return std::nullopt;
        }
        std::string number = std::to_string(frame.index);
        if (int(number.size()) < width) number.insert(0, std::size_t(width) - number.size(), '0');
        return number;
    }
    if (token == "time") return TimeInName(frame.timeNs);
    if (token == "ms") return std::to_string(std::max<std::int64_t>(frame.timeNs, 0) / 1'000'000);
    if (token == "pts") return std::to_string(frame.pts);
    if (token == "movie") return frame.movie;
    if (token == "count") return std::to_string(frame.frameCount);
    if (token == "n") return std::to_string(frame.position);
    return std::nullopt;
}

// The template with its tokens filled in; nothing for an unknown token or
// an unclosed brace.
std::optional<std::string> FillTemplate(std::string_view text, const FrameFacts& frame,
                                        const FrameNaming& naming) {
    std::string name;
    while (!text.empty()) {
        const std::size_t open = text.find('{');
        name += text.substr(0, open);
        if (open == std::string_view::npos) break;
        const std::size_t close = text.find('}', open);
        if (close == std::string_view::npos) return std::nullopt;
        const auto value = TokenValue(text.substr(open + 1, close - open - 1), frame, naming);
        if (!value) return std::nullopt;
        name += *value;
        text.remove_prefix(close + 1);
    }
    return name;
}

// A file name holds 255 bytes: room is left for the extension and a
// temporary file's dot and suffix (".part-PID-N").
constexpr std::size_t kMaxTemplateBytes = 200;

// The longest facts a frame can have, but for the movie's name, which is
// the user's own.
FrameFacts LongestFacts() {
    FrameFacts facts;
    facts.index = INT32_MAX;
    facts.frameCount = INT32_MAX;
    facts.timeNs = INT64_MAX;
    facts.pts = INT64_MIN;
    facts.position = INT32_MAX;
    return facts;
}

}  // namespace

std::optional<std::string> NameTemplateProblem(std::string_view nameTemplate) {
    if (nameTemplate.empty()) return QT_TRANSLATE_NOOP("LocalizedStrings", "it is empty");
    if (nameTemplate.find('/') != std::string_view::npos ||
        nameTemplate.find('\0') != std::string_view::npos) {
        return QT_TRANSLATE_NOOP("LocalizedStrings", "a name cannot hold '/'");
    }
    if (nameTemplate.front() == '.') {
        return QT_TRANSLATE_NOOP("LocalizedStrings", "a name cannot begin with '.'");
    }
    const auto filled = FillTemplate(nameTemplate, LongestFacts(), FrameNaming{});
    if (!filled) {
        return QT_TRANSLATE_NOOP("LocalizedStrings",
                                 "it holds an unknown token or an unclosed brace");
    }
    if (filled->size() > kMaxTemplateBytes) {
        return QT_TRANSLATE_NOOP("LocalizedStrings",
                                 "it makes names longer than a file name can be");
    }
    for (const std::string_view distinct :
         {"{index}", "{index:", "{time}", "{ms}", "{pts}", "{n}"}) {
        if (nameTemplate.find(distinct) != std::string_view::npos) return std::nullopt;
    }
    return QT_TRANSLATE_NOOP("LocalizedStrings",
                             "it needs {index}, {time}, {ms}, {pts} or {n} to tell frames apart");
}

std::optional<std::string> BuildFrameFileName(const FrameFacts& frame, const FrameNaming& naming) {
    if (!naming.nameTemplate.empty()) {
        auto name = FillTemplate(naming.nameTemplate, frame, naming);
        if (!name) return std::nullopt;
        // A movie named ".clip.mp4" would make hidden files, taken for
        // temporary ones: the dot becomes an underscore.
        if (name->empty()) *name = "_";
        if (name->front() == '.') name->front() = '_';
        return *name + ".jpg";
    }
    std::string number;
    if (naming.byTime) {
        number = TimeInName(frame.timeNs);
    } else if (naming.padIndicesWithZeros) {
        auto padded = FormatPaddedIndex(frame.index);
        if (!padded) return std::nullopt;
        number = std::move(*padded);
    } else {
        number = std::to_string(frame.index);
    }
    std::string name = "frame_" + number;
    if (naming.appendFrameCount) name += " of " + std::to_string(frame.frameCount);
    return name + ".jpg";
}

std::string NameWithExtension(std::string_view name, std::string_view extension) {
    const std::size_t dot = name.rfind('.');
    // The extension is what follows the last dot of a name that does not
    // start with it.
    const bool hasExtension = dot != std::string_view::npos && dot > 0 && dot + 1 < name.size();
    std::string result(name);
    if (!hasExtension) return result + "." + std::string(extension);
    result.replace(dot + 1, std::string::npos, extension);
    return result;
}

std::filesystem::path FinalFramePath(const std::filesystem::path& jpgPath,
                                     std::string_view extension) {
    return jpgPath.parent_path() / NameWithExtension(jpgPath.filename().string(), extension);
}

int PlaceFrameFile(const std::filesystem::path& jpgPath, std::string_view extension,
                   std::span<const std::uint8_t> bytes, ExistingFiles existing,
                   ModificationTime modified) {
    const std::filesystem::path finalPath = FinalFramePath(jpgPath, extension);
    switch (existing) {
        case ExistingFiles::Replace:
            return WriteFileReplacing(finalPath, bytes, modified);
        case ExistingFiles::Skip:
            return WriteFileNoReplace(finalPath, bytes, modified);
        case ExistingFiles::KeepBeside:
            break;
    }
    // A JPEG replaces an older frame of its name, but never a file of someone else's.
    if (finalPath == jpgPath) return WriteFileReplacingOwn(jpgPath, bytes, modified);
    const int error = WriteFileNoReplace(finalPath, bytes, modified);
    if (error != EEXIST) return error;
    return WriteFileNoReplace(jpgPath, bytes, modified);
}

}  // namespace reelsnap

namespace reelsnap {

bool IsFrameFileName(std::string_view name) {
    constexpr std::string_view kPrefix = "frame_";
    if (!name.starts_with(kPrefix)) return false;
    name.remove_prefix(kPrefix.size());
    const auto digits = [&name] {
        const std::size_t n = name.find_first_not_of("0123456789");
        const std::size_t count = n == std::string_view::npos ? name.size() : n;
        name.remove_prefix(count);
        return count > 0;
    };
    if (!digits()) return false;
    // A time: HH-MM-SS.mmm.
    for (const char separator : {'-', '-', '.'}) {
        if (!name.starts_with(separator) || name.size() < 2 || name[1] < '0' || name[1] > '9') {
            break;
        }
        name.remove_prefix(1);
        digits();
    }
    if (name.starts_with(" of ")) {
        name.remove_prefix(4);
        if (!digits()) return false;
    }
    if (!name.starts_with('.')) return false;
    name.remove_prefix(1);
    for (const ImageTypeRow& row : ImageTypeTable()) {
        if (name == row.extension) return true;
    }
    return false;
}

}  // namespace reelsnap
