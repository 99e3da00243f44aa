#include "platform/path_text.h"

#include <cstdint>
#include <string>

namespace reelsnap {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // U+DC80..U+DCFF carry the bytes 0x80..0xFF

// The length of the valid UTF-8 sequence at the start of `bytes`, with its
// code point; 0 when there is none.
int Utf8Sequence(std::string_view bytes, char32_t& code) {
    const auto byte = [&](std::size_t i) { return std::uint8_t(bytes[i]); };
    const std::uint8_t lead = byte(0);
    std::size_t length = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, least = 0x80, code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, least = 0x800, code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, least = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode are not valid UTF-8.
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return int(length);
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += char(code);
        return;
    }
    const int trailing = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    static constexpr unsigned char kLead[] = {0, 0xC0, 0xE0, 0xF0};
    out += char(kLead[trailing] | (code >> (6 * trailing)));
    for (int shift = 6 * (trailing - 1); shift >= 0; shift -= 6) {
        out += char(0x80 | ((code >> shift) & 0x3F));
    }
}

bool IsEscapedByte(char16_t unit) {
    return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF;
}

QString HexEscape(unsigned byte) {
    return QStringLiteral("\\x") + QStringLiteral("%1").arg(byte, 2, 16, QChar('0')).toUpper();
}

}  // namespace

QString TextOfPath(std::string_view bytes) {
    QString text;
    text.reserve(qsizetype(bytes.size()));
    while (!bytes.empty()) {
        char32_t code = 0;
        const int length = Utf8Sequence(bytes, code);
        if (length == 0) {
            text += QChar(char16_t(kEscapeBase + std::uint8_t(bytes[0])));
            bytes.remove_prefix(1);
            continue;
        }
        text += QString::fromUcs4(&code, 1);
        bytes.remove_prefix(std::size_t(length));
    }
    return text;
}

std::filesystem::path PathOfText(const QString& text) {
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            AppendUtf8(bytes, QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
            ++i;
        } else if (IsEscapedByte(unit)) {
            bytes += char(unit - kEscapeBase);
        } else {
            AppendUtf8(bytes, unit);
        }
    }
    return bytes;
}

QString DisplayPath(const std::filesystem::path& path) {
    QString shown;
    for (const QChar c : TextOfPath(path)) {
        const char16_t unit = c.unicode();
        if (IsEscapedByte(unit)) {
            shown += HexEscape(unit - kEscapeBase);
        } else if (unit == '\n') {
            shown += QStringLiteral("\\n");
        } else if (unit < 0x20 || unit == 0x7F) {
            shown += HexEscape(unit);
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace reelsnap
