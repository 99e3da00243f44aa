// Commands are four-character codes. Each window connects its actions and
// buttons to theirs in code, from the members uic makes, so that the compiler
// checks every name. A window's handler sees a command first; "not handled"
// passes it on to the application's handlers, then to the standard handling.
#pragma once

#include <QString>
#include <cstdint>

namespace reelsnap {

using CommandId = std::uint32_t;

// The code of four characters, the first in the highest byte.
constexpr CommandId FourCC(const char* code) {
    return CommandId(std::uint8_t(code[0])) << 24 | CommandId(std::uint8_t(code[1])) << 16 |
           CommandId(std::uint8_t(code[2])) << 8 | CommandId(std::uint8_t(code[3]));
}

namespace commands {
inline constexpr CommandId Help = FourCC("HELP");
inline constexpr CommandId About = FourCC("abou");
inline constexpr CommandId FrameCount = FourCC("frmC");
inline constexpr CommandId OpenMovie = FourCC("open");
inline constexpr CommandId PickFrames = FourCC("pick");
inline constexpr CommandId ShowDestination = FourCC("shwD");
inline constexpr CommandId Preferences = FourCC("pref");
inline constexpr CommandId Stop = FourCC("not!");
inline constexpr CommandId Quit = FourCC("quit");
inline constexpr CommandId WebSite = FourCC("WEB1");
inline constexpr CommandId AppStore = FourCC("MAS1");
inline constexpr CommandId Ok = FourCC("ok  ");
}  // namespace commands

// The four characters of the code, for messages and tests.
QString CommandText(CommandId command);

}  // namespace reelsnap
