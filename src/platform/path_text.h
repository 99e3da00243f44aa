// File names on Linux are bytes, not text. These carry them through QString
// without loss: valid UTF-8 is decoded as such, and each byte that is not
// part of valid UTF-8 becomes the lone surrogate U+DC80 + (byte - 0x80),
// which encodes back to that byte (as Python's "surrogateescape" does).
#pragma once

#include <QString>
#include <filesystem>
#include <string_view>

namespace reelsnap {

QString TextOfPath(std::string_view bytes);
inline QString TextOfPath(const std::filesystem::path& path) {
    return TextOfPath(std::string_view(path.native()));
}
std::filesystem::path PathOfText(const QString& text);

// The path for a message: its bytes that are not UTF-8 written as "\xE9",
// control characters as "\n", "\x1B" and so on, so a name can neither break
// a line nor send a terminal an escape sequence.
QString DisplayPath(const std::filesystem::path& path);

}  // namespace reelsnap
