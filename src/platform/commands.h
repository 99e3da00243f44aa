// Commands are four-character codes, carried by actions and buttons in their
// "command" property. A window's handler sees a command first; "not handled"
// passes it on to the application's handlers, then to the standard handling.
#pragma once

#include <QString>
#include <cstdint>

class QObject;

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
inline constexpr CommandId Preferences = FourCC("pref");
inline constexpr CommandId Stop = FourCC("not!");
inline constexpr CommandId Quit = FourCC("quit");
inline constexpr CommandId WebSite = FourCC("WEB1");
inline constexpr CommandId AppStore = FourCC("MAS1");
inline constexpr CommandId Ok = FourCC("ok  ");
}  // namespace commands

// The command an object carries in its "command" property, or 0.
CommandId CommandOf(const QObject* object);
void SetCommand(QObject* object, CommandId command);
QString CommandText(CommandId command);

}  // namespace reelsnap
