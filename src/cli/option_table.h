// The command line's options: one row each, from which the parser, its help
// and its usage errors are made.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cli/options.h"

namespace reelsnap::cli {

struct OptionRow {
    QStringList names;      // the long name first where there is a letter too
    const char* valueName;  // nullptr for a switch
    const char* help;       // in the "CommandLine" table; nullptr: `helpText` makes it
    QString (*helpText)();  // help made from other tables
    bool choosesFrames;     // a selection mode: one a run
    // Takes the option's value (empty for a switch) into the options: the
    // usage error where the value is not one the option takes.
    std::optional<QString> (*apply)(Options& options, const QString& value);
};

// Every option, in the order --help lists them.
std::span<const OptionRow> OptionTable();

struct ParsedOptions {
    std::optional<Options> options;     // nothing when the command line is done with
    int status = kAllDone;              // then: 0 after --help or --version, 2 for a usage error
    std::string output;                 // --help's or --version's text, for standard output
    std::string error;                  // the usage error
    std::vector<std::string> warnings;  // things asked for that will not be done; the run goes on
};

// The options of the arguments (the program's name first). Reads the list
// files they name; says nothing.
ParsedOptions ParseOptions(const QStringList& arguments);

}  // namespace reelsnap::cli
