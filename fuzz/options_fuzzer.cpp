// The command line's options as a whole: the input is the arguments, each
// ended by a NUL byte. Whatever they are, the parser gives options that keep
// its rules, or a usage error; it never crashes or reads standard input.
#include <cstddef>
#include <cstdint>
#include <string>

#include <QStringList>

#include "cli/option_table.h"
#include "platform/path_text.h"

namespace {

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

// A list read from standard input, or from a device, would wait for it.
bool ReadsStandardInput(const QString& argument) {
    return argument == "-" || argument == "@-" || argument.endsWith("=-") ||
           argument.endsWith("=@-") || argument.contains("/dev/") || argument.contains("/proc/");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QStringList arguments{"reelsnap-cli"};
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\0', start), bytes.size());
        arguments << reelsnap::TextOfPath(std::string_view(bytes).substr(start, end - start));
        start = end + 1;
    }
    for (const QString& argument : arguments) {
        if (ReadsStandardInput(argument)) return 0;
    }
    const reelsnap::cli::ParsedOptions parsed = reelsnap::cli::ParseOptions(arguments);
    if (!parsed.options) {
        Require(parsed.status == reelsnap::cli::kUsageError ? !parsed.error.empty()
                                                            : !parsed.output.empty());
        return 0;
    }
    const reelsnap::cli::Options& o = *parsed.options;
    Require(!o.first || !o.last || *o.first <= *o.last);
    Require(o.selection.step >= 1 && o.scalePercent >= 1 && o.scalePercent <= 100);
    Require(o.compressionFactor > 0.0f && o.compressionFactor <= 1.0f);
    Require(o.jobs <= 64);
    Require(o.selection.mode != reelsnap::SelectionMode::Seconds || o.selection.intervalNs > 0);
    for (const auto& [from, to] : o.selection.ranges) Require(from >= 1 && to >= from);
    for (const std::int64_t t : o.selection.timesNs) Require(t >= 0);
    return 0;
}
