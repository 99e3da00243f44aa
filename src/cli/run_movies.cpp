#include "cli/run_movies.h"

#include <QCoreApplication>
#include <QStringList>
#include <csignal>
#include <cstdio>
#include <new>

extern "C" {
#include <libavutil/log.h>
}

#include "cli/cli_texts.h"
#include "cli/destinations.h"
#include "cli/interruption.h"
#include "cli/json_records.h"
#include "cli/movie_job.h"
#include "cli/option_table.h"
#include "platform/path_text.h"
#include "platform/quit_signals.h"
#include "platform/translations.h"

namespace reelsnap::cli {
namespace {

// One movie: its folder, then its count or its frames.
MovieOutcome RunMovie(const Options& options, std::size_t i, Destinations& destinations,
                      FrameWriterPool& writers, std::filesystem::path& destination) {
    const std::filesystem::path& movie = options.movies[i];
    auto place = destinations.Of(i);
    if (Problem* problem = std::get_if<Problem>(&place)) {
        MovieOutcome outcome;
        outcome.problem = std::move(*problem);
        return outcome;
    }
    destination = std::get<std::filesystem::path>(place);
    try {
        return options.countOnly ? CountMovie(options, movie)
                                 : ExtractMovie(options, movie, destination, writers);
    } catch (const std::bad_alloc&) {
        MovieOutcome outcome;
        outcome.problem = Problem{Text(CommandLine::tr("out of memory"))};
        return outcome;
    }
}

}  // namespace

int RunMovies(const Options& options) {
    FrameWriterPool writers(options.jobs ? options.jobs : FrameWriterPool::DefaultWorkers());
    Destinations destinations(options);
    bool failed = false;
    for (std::size_t i = 0; i < options.movies.size() && InterruptingSignal() == 0; ++i) {
        const std::filesystem::path& movie = options.movies[i];
        std::filesystem::path destination;
        const MovieOutcome outcome = RunMovie(options, i, destinations, writers, destination);
        if (outcome.problem) {
            Say(Text(DisplayPath(movie)) + ": " + outcome.problem->text);
            failed = failed || !outcome.stopped;
        }
        if (options.json) {
            WriteRecord(options.countOnly ? CountRecordLine(movie, outcome)
                                          : MovieRecordLine(movie, destination, outcome));
        }
    }
    const bool recorded = RecordsComplete();
    if (InterruptingSignal() != 0) return kSignalled + InterruptingSignal();
    return failed || !recorded ? kSomeFailed : kAllDone;
}

int RunArguments(const QStringList& arguments) {
    const ParsedOptions parsed = ParseOptions(arguments);
    std::fputs(parsed.output.c_str(), stdout);
    if (parsed.status == kUsageError) {
        Say(parsed.error);
        Say(Text(CommandLine::tr("try --help")));
    }
    if (!parsed.options) return parsed.status;
    for (const std::string& warning : parsed.warnings) Say(warning);
    return RunMovies(*parsed.options);
}

int RunCommandLine(int argc, char** argv) {
    av_log_set_level(AV_LOG_QUIET);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("reelsnap-cli");
    QCoreApplication::setApplicationVersion(REELSNAP_VERSION);
    const Translations translations;  // the system locale's
    // Names are bytes: the arguments are read as they are, not through the locale.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << TextOfPath(std::string_view(argv[i]));
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) HandleUnlessIgnored(signal, NoteInterrupt);
    // A closed standard output is an error of the write, not the end of the process.
    std::signal(SIGPIPE, SIG_IGN);
    return RunArguments(arguments);
}

}  // namespace reelsnap::cli
