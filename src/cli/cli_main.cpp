#include "cli/run_movies.h"

int main(int argc, char** argv) {
    return reelsnap::cli::RunCommandLine(argc, argv);
}
