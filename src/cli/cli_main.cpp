#include "cli/command_line.h"

int main(int argc, char** argv) {
    return reelsnap::cli::RunCommandLine(argc, argv);
}
