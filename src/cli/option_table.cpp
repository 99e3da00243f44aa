#include "cli/option_table.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdint>
#include <cstring>
#include <variant>

#include "cli/cli_texts.h"
#include "cli/list_syntax.h"
#include "imaging/image_types.h"
#include "imaging/quality.h"
#include "platform/path_text.h"
#include "platform/time_syntax.h"
#include "platform/translations.h"

namespace reelsnap::cli {
namespace {

using Refusal = std::optional<QString>;
constexpr std::nullopt_t kTaken = std::nullopt;

// A whole number within [low, high], or nothing.
std::optional<long> NumberIn(const QString& text, long low, long high) {
    bool ok = false;
    const long value = text.toLong(&ok);
    if (!ok || value < low || value > high) return std::nullopt;
    return value;
}

// A switch's row: it sets its field.
template <bool Options::*field>
Refusal SetSwitch(Options& o, const QString&) {
    o.*field = true;
    return kTaken;
}

// Why a list file given to `option` cannot be taken, where it cannot.
Refusal ListProblem(const ListFile& list, const QString& option,
                    const std::filesystem::path& file) {
    if (list.error != 0) {
        return CommandLine::tr("%1: cannot read %2: %3")
            .arg(option, Quoted(file), QString::fromStdString(SystemReason(list.error)));
    }
    if (list.tooLarge) {
        return CommandLine::tr("%1: %2 is larger than %3 MiB")
            .arg(option, Quoted(file))
            .arg(kMaxListBytes >> 20);
    }
    if (list.holdsNul && option == QStringLiteral("--from")) {
        return CommandLine::tr(
                   "--from: %1 holds NUL bytes; a list of names that end with NUL (find -print0) "
                   "takes --null")
            .arg(Quoted(file));
    }
    if (list.holdsNul) return CommandLine::tr("%1: %2 holds NUL bytes").arg(option, Quoted(file));
    return kTaken;
}

// A list given as it is or as @FILE, one item a line: its items joined by
// commas, or why the file cannot be taken.
std::variant<std::string, QString> ListText(const QString& value, const QString& option) {
    if (!value.startsWith('@')) return value.toStdString();
    const std::filesystem::path file = PathOfText(value.mid(1));
    const ListFile listed = ReadListFile(file, false);
    if (auto problem = ListProblem(listed, option, file)) return *problem;
    std::string list;
    for (const std::string& item : listed.items) {
        if (!list.empty()) list += ',';
        list += item;
    }
    return list;
}

Refusal ApplyFrameList(Options& o, const QString& value) {
    auto list = ListText(value, QStringLiteral("--frames"));
    if (QString* problem = std::get_if<QString>(&list)) return *problem;
    std::string bad;
    auto ranges = ParseIndexList(std::get<std::string>(list), bad);
    if (!ranges) {
        return CommandLine::tr("--frames: “%1” is not a frame index or range")
            .arg(QString::fromStdString(bad));
    }
    o.selection.mode = SelectionMode::Frames;
    o.selection.ranges = std::move(*ranges);
    return kTaken;
}

Refusal ApplyTimeList(Options& o, const QString& value) {
    auto list = ListText(value, QStringLiteral("--times"));
    if (QString* problem = std::get_if<QString>(&list)) return *problem;
    std::string bad;
    auto times = ParseTimeList(std::get<std::string>(list), bad);
    if (!times)
        return CommandLine::tr("--times: “%1” is not a time").arg(QString::fromStdString(bad));
    o.selection.mode = SelectionMode::Times;
    o.selection.timesNs = std::move(*times);
    return kTaken;
}

// "tiff (or tif), bmp, gif, jpeg (default, or jpg), png, jp2, webp, avif or jxl."
QString TypeHelp() {
    QStringList items;
    for (const ImageTypeRow& row : ImageTypeTable()) {
        const QString name = QString::fromLatin1(row.names.front());
        const QString other = row.names.size() > 1 ? QString::fromLatin1(row.names[1]) : QString();
        if (row.type == ImageFileType::Jpeg) {
            items << CommandLine::tr("%1 (default, or %2)").arg(name, other);
        } else if (!other.isEmpty()) {
            items << CommandLine::tr("%1 (or %2)").arg(name, other);
        } else {
            items << name;
        }
    }
    const QString last = items.takeLast();
    return CommandLine::tr("%1 or %2.").arg(items.join(QStringLiteral(", ")), last);
}

// The --type names of the types that `holds` is true of, in the table's
// order: "jpeg, jp2, webp, avif and jxl", or with commas alone.
QString TypesThat(bool (*holds)(const ImageTypeRow&), bool lastWithAnd = true) {
    QStringList names;
    for (const ImageTypeRow& row : ImageTypeTable()) {
        if (holds(row)) names << QString::fromLatin1(row.names.front());
    }
    if (!lastWithAnd || names.size() < 2) return names.join(QStringLiteral(", "));
    const QString last = names.takeLast();
    return CommandLine::tr("%1 and %2").arg(names.join(QStringLiteral(", ")), last);
}

QString QualityHelp() {
    return CommandLine::tr(
               "For %1: low, medium (default) or high as in the window, or a number "
               "from 1 to 100 (high and 100: %2 lossless).")
        .arg(TypesThat([](const ImageTypeRow& row) { return row.takesQuality; }),
             TypesThat([](const ImageTypeRow& row) { return row.losslessAtBest; }));
}

QString DepthHelp() {
    return CommandLine::tr(
               "Bits a channel for %1: 8 (default) or 16, which keeps the levels of "
               "10-bit and deeper movies (8-bit movies stay 8-bit).")
        .arg(TypesThat([](const ImageTypeRow& row) { return row.keepsDeepFrames; }));
}

QString MetadataHelp() {
    return CommandLine::tr(
               "Write the frame's time and source into each file (%1): the movie's creation time "
               "plus the frame's time as EXIF DateTimeOriginal, the movie's name, the frame's "
               "index and time as XMP, and the place the movie was recorded, which is copied as "
               "EXIF GPS where the movie has one.")
        .arg(TypesThat([](const ImageTypeRow& row) { return row.story != StoryWay::None; }, false));
}

// "--type takes tiff, bmp, ... or jxl"
QString TypeRefusal() {
    QStringList names;
    for (const ImageTypeRow& row : ImageTypeTable())
        names << QString::fromLatin1(row.names.front());
    const QString last = names.takeLast();
    return CommandLine::tr("--type takes %1 or %2").arg(names.join(QStringLiteral(", ")), last);
}

QString SceneThresholdRefusal() {
    return CommandLine::tr("--scene-threshold takes a number from 0 to 100, with --scenes");
}

const OptionRow kOptions[] = {
    {{"h", "help"},
     nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Show this help and exit."),
     nullptr,
     false,
     nullptr},
    {{"version"},
     nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Show the version and exit."),
     nullptr,
     false,
     nullptr},
    {{"o", "output"},
     "DIR",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Write into DIR (default: the current folder); with several movies, --from or --shard, "
         "each into a folder named after the movie, and \"clip (2)\", \"clip (3)\" ... for later "
         "movies of the same name."),
     nullptr,
     false,
     [](Options& o, const QString& v) -> Refusal {
         if (v.isEmpty()) return CommandLine::tr("--output takes a folder");
         o.output = PathOfText(v);
         return kTaken;
     }},
    {{"from"},
     "FILE",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Take the movies listed in FILE, one a line (- for standard input), after those given."),
     nullptr,
     false,
     [](Options& o, const QString& v) -> Refusal {
         o.from = PathOfText(v);
         return kTaken;
     }},
    {{"null"},
     nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "With --from: the list's names end with NUL, as find -print0 writes them."),
     nullptr,
     false,
     SetSwitch<&Options::nulSeparated>},
    {{"shard"},
     "K/N",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Take only the K-th of N interleaved shares of the movies (K, K+N, K+2N ...), 1 <= K <= "
         "N. In a Slurm job array (--array=1-N): --shard "
         "$SLURM_ARRAY_TASK_ID/$SLURM_ARRAY_TASK_COUNT; with task ids from 0: --shard "
         "$((SLURM_ARRAY_TASK_ID + 1))/$SLURM_ARRAY_TASK_COUNT."),
     nullptr,
     false,
     [](Options& o, const QString& v) -> Refusal {
         o.shard = ParseShard(v.toStdString());
         if (!o.shard) return CommandLine::tr("--shard takes K/N with 1 <= K <= N");
         return kTaken;
     }},
    {{"tree"},
     "BASE",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Write each movie's frames into DIR/ and its path below BASE without its extension "
         "(a/clip.mp4: DIR/a/clip/), however the movies are split; a movie outside BASE fails."),
     nullptr,
     false,
     [](Options& o, const QString& v) -> Refusal {
         if (v.isEmpty()) return CommandLine::tr("--tree takes a folder");
         o.tree = PathOfText(v);
         return kTaken;
     }},
    {{"json"},
     nullptr,
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Write records on standard output, one JSON object a line: one per frame written or "
         "kept, one at each movie's end."),
     nullptr,
     false,
     SetSwitch<&Options::json>},
    {{"first"},
     "N",
     QT_TRANSLATE_NOOP("CommandLine", "First frame index (default 1)."),
     nullptr,
     false,
     [](Options& o, const QString& v) -> Refusal {
         const auto n = NumberIn(v, 1, INT32_MAX);
         if (!n) return CommandLine::tr("--first takes a frame index from 1 to %1").arg(INT32_MAX);
         o.first = std::int32_t(*n);
         return kTaken;
     }},
    {{"last"},
     "N",
     QT_TRANSLATE_NOOP("CommandLine", "Last frame index (default: the movie's last)."),
     nullptr,
     false,
     [](Options& o, const QString& v) -> Refusal {
         const auto n = NumberIn(v, 1, INT32_MAX);
         if (!n) return CommandLine::tr("--last takes a frame index from 1 to %1").arg(INT32_MAX);
         o.last = std::int32_t(*n);
         return kTaken;
     }},
    {{"step"},
     "N",
     QT_TRANSLATE_NOOP("CommandLine", "Take every Nth frame index (default 1)."),
     nullptr,
     true,
     [](Options& o, const QString& v) -> Refusal {
         const auto n = NumberIn(v, 1, INT16_MAX);
         if (!n) return CommandLine::tr("--step takes a number from 1 to 32767");
         o.selection.step = std::int16_t(*n);
         return kTaken;
     }},
    {{"every-seconds"},
     "S",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Take the frame shown every S seconds from the first frame's time; S is a decimal or "
         "[[H:]M:]S[.fff]."),
     nullptr,
     true,
     [](Options& o, const QString& v) -> Refusal {
         const auto ns = ParseTime(v.toStdString());
         if (!ns || *ns <= 0) {
             return CommandLine::tr(
                 "--every-seconds takes a time above 0: a decimal or [[H:]M:]S[.fff]");
         }
         o.selection.mode = SelectionMode::Seconds;
         o.selection.intervalNs = *ns;
         return kTaken;
     }},
    {{"key-frames"},
     nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Take every key frame."),
     nullptr,
     true,
     [](Options& o, const QString&) -> Refusal {
         o.selection.mode = SelectionMode::KeyFrames;
         return kTaken;
     }},
    {{"spread"},
     "N",
     QT_TRANSLATE_NOOP("CommandLine", "Take N frames spread evenly from the first to the last."),
     nullptr,
     true,
     [](Options& o, const QString& v) -> Refusal {
         const auto n = NumberIn(v, 1, INT32_MAX);
         if (!n) {
             return CommandLine::tr("--spread takes a number of frames from 1 to %1")
                 .arg(INT32_MAX);
         }
         o.selection.mode = SelectionMode::Spread;
         o.selection.spread = std::int32_t(*n);
         return kTaken;
     }},
    {{"frames"},
     "LIST",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Take the listed frames: indices and ranges (1,50,100-120), or @FILE with one item a "
         "line."),
     nullptr,
     true,
     ApplyFrameList},
    {{"times"},
     "LIST",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Take the frames shown at the listed times (12.5,1:02:03.250), or @FILE with one time a "
         "line."),
     nullptr,
     true,
     ApplyTimeList},
    {{"scenes"},
     nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Take the first frame and the first frame of each scene."),
     nullptr,
     true,
     [](Options& o, const QString&) -> Refusal {
         o.selection.mode = SelectionMode::Scenes;
         return kTaken;
     }},
    {{"scene-threshold"},
     "T",
     QT_TRANSLATE_NOOP("CommandLine",
                       "With --scenes: the least scene score of a cut, 0 to 100 (default 10)."),
     nullptr,
     false,
     [](Options& o, const QString& v) -> Refusal {
         bool ok = false;
         const double t = v.toDouble(&ok);
         if (!ok || !(t >= 0 && t <= 100)) return SceneThresholdRefusal();
         o.selection.sceneThreshold = t;
         return kTaken;
     }},
    {{"scale"},
     "P",
     QT_TRANSLATE_NOOP("CommandLine", "Image size in percent, 1 to 100 (default 100)."),
     nullptr,
     false,
     [](Options& o, const QString& v) -> Refusal {
         const auto n = NumberIn(v, 1, 100);
         if (!n) return CommandLine::tr("--scale takes a percentage from 1 to 100");
         o.scalePercent = std::int16_t(*n);
         return kTaken;
     }},
    {{"type"},
     "TYPE",
     nullptr,
     TypeHelp,
     false,
     [](Options& o, const QString& v) -> Refusal {
         const std::optional<ImageFileType> named = ImageFileTypeNamed(v.toStdString());
         if (!named) return TypeRefusal();
         o.type = *named;
         return kTaken;
     }},
    {{"quality"},
     "QUALITY",
     nullptr,
     QualityHelp,
     false,
     [](Options& o, const QString& v) -> Refusal {
         const auto factor = CompressionFactorNamed(v.toLower().toStdString());
         if (!factor) {
             return CommandLine::tr("--quality takes low, medium, high or a number from 1 to 100");
         }
         o.compressionFactor = *factor;
         return kTaken;
     }},
    {{"depth"},
     "BITS",
     nullptr,
     DepthHelp,
     false,
     [](Options& o, const QString& v) -> Refusal {
         if (v != "8" && v != "16") return CommandLine::tr("--depth takes 8 or 16");
         o.keepDeepFrames = v == "16";
         return kTaken;
     }},
    {{"hdr"},
     "MODE",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "HDR movies: tonemap (default) to SDR, or keep their PQ or HLG frames as HDR in png (at "
         "16 bits, with a cICP chunk), avif and jxl, tagged BT.2020; other types are always "
         "tone-mapped."),
     nullptr,
     false,
     [](Options& o, const QString& v) -> Refusal {
         if (v != "tonemap" && v != "keep") return CommandLine::tr("--hdr takes tonemap or keep");
         o.keepHdr = v == "keep";
         return kTaken;
     }},
    {{"pad"},
     nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Pad indices with zeros to eight digits."),
     nullptr,
     false,
     [](Options& o, const QString&) -> Refusal {
         o.naming.padIndicesWithZeros = true;
         return kTaken;
     }},
    {{"name"},
     "TEMPLATE",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Name files by TEMPLATE, the type's extension after it: {index} (as --pad says), "
         "{index:W} (W digits), {time} (HH-MM-SS.mmm), {ms}, {pts}, {movie}, {count}, {n} (the "
         "frame's place among those taken)."),
     nullptr,
     false,
     [](Options& o, const QString& v) -> Refusal {
         o.naming.nameTemplate = v.toStdString();
         if (const auto problem = NameTemplateProblem(o.naming.nameTemplate)) {
             return CommandLine::tr("--name: %1")
                 .arg(LocalizedString(QString::fromStdString(*problem)));
         }
         return kTaken;
     }},
    {{"append-count"},
     nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Append the movie's frame count: frame_7 of 120.jpg."),
     nullptr,
     false,
     [](Options& o, const QString&) -> Refusal {
         o.naming.appendFrameCount = true;
         return kTaken;
     }},
    {{"preserve-dates"},
     nullptr,
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Date each file at the movie's creation time plus the frame's presentation time."),
     nullptr,
     false,
     SetSwitch<&Options::preserveDates>},
    {{"metadata"}, nullptr, nullptr, MetadataHelp, false, SetSwitch<&Options::writeMetadata>},
    {{"overwrite"},
     nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Replace existing files of the same names."),
     nullptr,
     false,
     SetSwitch<&Options::overwrite>},
    {{"count"},
     nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Print each movie's frame count; write nothing."),
     nullptr,
     false,
     SetSwitch<&Options::countOnly>},
    {{"jobs"},
     "N",
     QT_TRANSLATE_NOOP("CommandLine", "Encode with N workers (default: one a core, at most 8)."),
     nullptr,
     false,
     [](Options& o, const QString& v) -> Refusal {
         const auto n = NumberIn(v, 1, 64);
         if (!n) return CommandLine::tr("--jobs takes a number from 1 to 64");
         o.jobs = unsigned(*n);
         return kTaken;
     }},
    {{"q", "quiet"},
     nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Say nothing but errors."),
     nullptr,
     false,
     SetSwitch<&Options::quiet>},
};

QString LongName(const OptionRow& row) {
    return row.names.last();
}

QCommandLineOption OptionOf(const OptionRow& row) {
    const QString help =
        row.help ? QCoreApplication::translate("CommandLine", row.help) : row.helpText();
    if (!row.valueName) return QCommandLineOption(row.names, help);
    return QCommandLineOption(row.names, help, QString::fromLatin1(row.valueName));
}

QString Description() {
    return CommandLine::tr(
        "Writes a movie's frames as image files, one per selected frame, named frame_7.jpg\n"
        "and so on. Frame i is the movie's i-th frame in display order, counted from 1;\n"
        "the selected frames are the multiples of the step from the first to the last,\n"
        "or those that --every-seconds, --key-frames, --spread, --frames, --times or\n"
        "--scenes choose. An existing file is never replaced without --overwrite.\n\n"
        "Exit status: 0 when every selected frame of every movie was written or was there\n"
        "already; 1 when any movie failed or any selected frame could not be decoded or\n"
        "written (the others are still done); 2 for a usage error; 128 and the signal's\n"
        "number after SIGINT, SIGTERM or SIGHUP (130, 143, 129).");
}

// The movies given, then those of --from, then --shard's share of them.
Refusal TakeMovies(Options& o, const QStringList& given) {
    for (const QString& movie : given) o.movies.push_back(PathOfText(movie));
    if (o.from) {
        const ListFile listed = ReadListFile(*o.from, o.nulSeparated);
        if (auto problem = ListProblem(listed, QStringLiteral("--from"), *o.from)) return problem;
        o.movies.insert(o.movies.end(), listed.items.begin(), listed.items.end());
    } else if (o.nulSeparated) {
        return CommandLine::tr("--null goes with --from");
    } else if (o.movies.empty()) {
        // An empty list or share is no error: an array may have more tasks than movies.
        return CommandLine::tr("no movie given");
    }
    if (o.shard) o.movies = ShareOf(o.movies, *o.shard);
    o.folderPerMovie = o.movies.size() > 1 || o.from || o.shard;
    return kTaken;
}

// The rules between options.
Refusal CheckAcrossOptions(const Options& o, const QCommandLineParser& parser) {
    const OptionRow* mode = nullptr;
    for (const OptionRow& row : kOptions) {
        if (!row.choosesFrames || !parser.isSet(LongName(row))) continue;
        if (mode) {
            return CommandLine::tr("--%1 and --%2 choose frames two ways: give one")
                .arg(LongName(*mode), LongName(row));
        }
        mode = &row;
    }
    if (o.first && o.last && *o.first > *o.last) {
        return CommandLine::tr("--first %1 is after --last %2: no frame is selected")
            .arg(*o.first)
            .arg(*o.last);
    }
    if (parser.isSet("scene-threshold") && o.selection.mode != SelectionMode::Scenes) {
        return SceneThresholdRefusal();
    }
    if (parser.isSet("name") && o.naming.appendFrameCount) {
        return CommandLine::tr("--append-count does not go with --name: put {count} in the name");
    }
    return kTaken;
}

// What was asked of a type that cannot hold it: said once, and the run goes on.
std::vector<std::string> Warnings(const Options& o) {
    std::vector<std::string> warnings;
    const QString typeName = QString::fromLatin1(ImageTypeExtension(o.type));
    if (o.keepDeepFrames && !TypeKeepsDeepFrames(o.type)) {
        warnings.push_back(
            Text(CommandLine::tr("--depth 16: %1 files hold 8 bits a channel; written at 8")
                     .arg(typeName)));
    }
    if (o.keepHdr && !TypeKeepsHdr(o.type)) {
        warnings.push_back(Text(
            CommandLine::tr("--hdr keep: %1 files cannot hold HDR; tone-mapped").arg(typeName)));
    }
    return warnings;
}

ParsedOptions Refused(const QString& why) {
    ParsedOptions parsed;
    parsed.status = kUsageError;
    parsed.error = Text(why);
    return parsed;
}

ParsedOptions Answered(const QString& text) {
    ParsedOptions parsed;
    parsed.output = Text(text);
    return parsed;
}

}  // namespace

std::span<const OptionRow> OptionTable() {
    return kOptions;
}

ParsedOptions ParseOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(Description());
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionRow& row : kOptions) parser.addOption(OptionOf(row));
    parser.addPositionalArgument("MOVIE", CommandLine::tr("The movies to take frames from."),
                                 "MOVIE...");
    if (!parser.parse(arguments)) return Refused(parser.errorText());
    if (parser.isSet("help")) return Answered(parser.helpText());
    if (parser.isSet("version")) return Answered("reelsnap-cli " REELSNAP_VERSION "\n");

    Options options;
    for (const OptionRow& row : kOptions) {
        if (!row.apply || !parser.isSet(LongName(row))) continue;
        if (const Refusal why = row.apply(options, parser.value(LongName(row)))) {
            return Refused(*why);
        }
    }
    if (const Refusal why = CheckAcrossOptions(options, parser)) return Refused(*why);
    if (const Refusal why = TakeMovies(options, parser.positionalArguments())) return Refused(*why);
    ParsedOptions parsed;
    parsed.warnings = Warnings(options);
    parsed.options = std::move(options);
    return parsed;
}

}  // namespace reelsnap::cli
