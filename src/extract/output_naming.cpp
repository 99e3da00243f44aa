#include "extract/output_naming.h"

#include <cerrno>
#include <cstdio>

#include "imaging/encoders.h"
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

std::optional<std::string> BuildFrameFileName(std::int32_t index, std::int32_t frameCount,
                                              FrameNaming naming) {
    std::string number;
    if (naming.padIndicesWithZeros) {
        auto padded = FormatPaddedIndex(index);
        if (!padded) return std::nullopt;
        number = std::move(*padded);
    } else {
        number = std::to_string(index);
    }
    std::string name = "frame_" + number;
    if (naming.appendFrameCount) name += " of " + std::to_string(frameCount);
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
    if (name.starts_with(" of ")) {
        name.remove_prefix(4);
        if (!digits()) return false;
    }
    if (!name.starts_with('.')) return false;
    name.remove_prefix(1);
    for (int type = int(ImageFileType::Tiff); type <= int(ImageFileType::Jpeg2000); ++type) {
        if (name == ImageTypeExtension(ImageFileType(type))) return true;
    }
    return false;
}

}  // namespace reelsnap
