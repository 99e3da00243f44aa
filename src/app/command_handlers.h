// The application's command handlers, the frame-count command and its alert.
#pragma once

#include <QString>
#include <cstdint>
#include <filesystem>

#include "app/commands.h"

namespace reelsnap {

enum class CommandOrigin { MainWindow, HelpMenu, PreferencesWindow };

inline const char* const kProductPage = "https://www.ondrel.com/reelsnap/";
inline const char* const kAppStorePage = "https://apps.apple.com/app/reelsnap/id1491235702";

// Sends a command along its handlers: the window's, the Help menu's for its
// items, the application's, then the standard handling (Quit quits).
void DispatchCommand(CommandId command, CommandOrigin origin);

std::int16_t HandleCommand(CommandId command);
std::int16_t HandleHelpMenuCommand(CommandId command);

// The frame-count command: asks for a movie and tells its frame count.
std::int16_t CountFramesOfChosenMovie();

// Beeps, then shows a stop alert with one OK button until it is dismissed.
std::int16_t ShowAlert(const QString& message, const QString& explanation = QString());

// The item's name, or an empty string when it cannot be read.
QString CopyCatalogName(const std::filesystem::path& item);

}  // namespace reelsnap
