// The command line's texts: its table of translations, and how it speaks.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <filesystem>
#include <string>

namespace reelsnap::cli {

// The command line's texts, in the "CommandLine" table.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

inline std::string Text(const QString& text) {
    return text.toStdString();
}

// A line on standard error, after the program's name.
void Say(const std::string& line);

// “name”, as the locale shows a path.
QString Quoted(const std::filesystem::path& path);

// strerror's text for the errno value.
std::string SystemReason(int error);

}  // namespace reelsnap::cli
