#include "cli/cli_texts.h"

#include <cstdio>
#include <cstring>

#include "platform/path_text.h"

namespace reelsnap::cli {

void Say(const std::string& line) {
    std::fprintf(stderr, "reelsnap-cli: %s\n", line.c_str());
}

QString Quoted(const std::filesystem::path& path) {
    return CommandLine::tr("“%1”").arg(DisplayPath(path));
}

std::string SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error)).toStdString();
}

}  // namespace reelsnap::cli
