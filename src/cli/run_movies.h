// reelsnap-cli's run: every movie in turn, the signals that stop it, and its
// exit status.
#pragma once

#include <QStringList>

#include "cli/options.h"

namespace reelsnap::cli {

// Runs every movie; the exit status.
int RunMovies(const Options& options);

// The arguments (the program's name first) read, said wrong or run, with
// the standard output and error of the program; the exit status.
int RunArguments(const QStringList& arguments);

// The program: its arguments read, the movies run; the exit status.
int RunCommandLine(int argc, char** argv);

}  // namespace reelsnap::cli
