// The command line's options, in-process: every option's accepted values
// and its refusals, the rules between options, and the list syntax.
#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <sstream>

#include "cli/list_syntax.h"
#include "cli/movie_list.h"
#include "cli/option_table.h"
#include "platform/time_syntax.h"
#include "support/fixtures.h"

namespace reelsnap::cli {
namespace {
namespace fs = std::filesystem;

// The options as one line of "name=value" facts, which rows look for.
std::string Facts(const Options& o) {
    std::ostringstream s;
    s << ' ';
    const FrameSelection& f = o.selection;
    s << "output=" << o.output.string() << " first=" << o.first.value_or(0)
      << " last=" << o.last.value_or(0) << " mode=" << int(f.mode) << " step=" << f.step
      << " interval=" << f.intervalNs << " spread=" << f.spread << " threshold=" << f.sceneThreshold
      << " ranges=";
    for (const auto& [from, to] : f.ranges) s << from << '-' << to << ';';
    s << " times=";
    for (const std::int64_t t : f.timesNs) s << t << ';';
    s << " scale=" << o.scalePercent << " type=" << int(o.type) << " factor=" << o.compressionFactor
      << " deep=" << o.keepDeepFrames << " hdr=" << o.keepHdr
      << " pad=" << o.naming.padIndicesWithZeros << " count-appended=" << o.naming.appendFrameCount
      << " name=" << o.naming.nameTemplate << " dates=" << o.preserveDates
      << " metadata=" << o.writeMetadata << " overwrite=" << o.overwrite << " count=" << o.countOnly
      << " quiet=" << o.quiet << " jobs=" << o.jobs << " json=" << o.json
      << " tree=" << (o.tree ? o.tree->string() : "-") << " folders=" << o.folderPerMovie
      << " movies=";
    for (const fs::path& movie : o.movies) {
        std::string name = movie.string();
        for (std::size_t at; (at = name.find('\n')) != std::string::npos;)
            name.replace(at, 1, "\\n");
        s << name << ';';
    }
    return s.str();
}

ParsedOptions Parse(QStringList arguments) {
    arguments.prepend("reelsnap-cli");
    return ParseOptions(arguments);
}

struct Lists {
    fs::path dir = testing::NewTempDir("option-lists");
    fs::path Write(const char* name, std::string_view bytes) const {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return dir / name;
    }
    QString Arg(const char* name, std::string_view bytes, const char* prefix = "") const {
        return prefix + QString::fromStdString(Write(name, bytes).string());
    }
};

TEST(CommandLineOptions, EachOptionTakesItsValues) {
    const Lists lists;
    const QString movies = lists.Arg("movies", "# a list\nb.mp4\r\n\nc.mp4\n");
    const QString nul = lists.Arg("nul", std::string_view("b\nx.mp4\0c.mp4\0", 14));
    const QString frames = lists.Arg("frames", "12\n  3-4\n#40\n", "@");
    const QString times = lists.Arg("times", "1:00\n0.5\n", "@");
    const struct {
        QStringList arguments;
        std::string fact;
    } rows[] = {
        {{"m"},
         "output=. first=0 last=0 mode=1 step=1 interval=0 spread=1 threshold=10 ranges= times= "
         "scale=100 type=4 factor=0.7 deep=0 hdr=0 pad=0 count-appended=0 name= dates=0 "
         "metadata=0 overwrite=0 count=0 quiet=0 jobs=0 json=0 tree=- folders=0 movies=m;"},
        {{"-o", "out", "m"}, "output=out "},
        {{"--output=o2", "m"}, "output=o2 "},
        {{"a", "--from", movies}, "folders=1 movies=a;b.mp4;c.mp4;"},
        {{"--from", nul, "--null"}, "movies=b\\nx.mp4;c.mp4;"},
        {{"--shard", "2/3", "a", "b", "c", "d", "e"}, "folders=1 movies=b;e;"},
        {{"--shard", "1/1", "a"}, "folders=1 movies=a;"},
        {{"a", "b"}, "folders=1 "},
        {{"--tree", "base", "m"}, "tree=base "},
        {{"--json", "m"}, "json=1 "},
        {{"--first", "2", "--last", "2147483647", "m"}, "first=2 last=2147483647 "},
        {{"--step", "32767", "m"}, "mode=1 step=32767 "},
        {{"--every-seconds", "1:02.5", "m"}, "mode=2 step=1 interval=62500000000 "},
        {{"--key-frames", "m"}, "mode=3 "},
        {{"--spread", "5", "m"}, "mode=4 step=1 interval=0 spread=5 "},
        {{"--scenes", "--scene-threshold", "25.5", "m"}, "mode=5 threshold=25.5"},
        {{"--scenes", "--scene-threshold", "0", "m"}, "threshold=0"},
        {{"--frames", "30,2, 5-7", "m"}, "mode=6 ranges=30-30;2-2;5-7;"},
        {{"--frames", frames, "m"}, "ranges=12-12;3-4;"},
        {{"--times", "0.162,1:00", "m"}, "mode=7 times=162000000;60000000000;"},
        {{"--times", times, "m"}, "times=60000000000;500000000; "},
        {{"--scale", "1", "m"}, "scale=1 "},
        {{"--type", "TIF", "m"}, "type=1 "},
        {{"--type", "jpg", "m"}, "type=4 "},
        {{"--type", "jxl", "m"}, "type=9 "},
        {{"--type", "webp", "m"}, "type=7"},
        {{"--type", "AVIF", "m"}, "type=8"},
        {{"--quality", "Low", "m"}, "factor=0.4"},
        {{"--quality", "high", "m"}, "factor=1"},
        {{"--quality", "35", "m"}, "factor=0.35 "},
        {{"--quality", "max", "m"}, "factor=1 "},
        {{"--depth", "16", "--type", "png", "m"}, "deep=1 "},
        {{"--depth", "8", "m"}, "deep=0 "},
        {{"--hdr", "keep", "--type", "avif", "m"}, "hdr=1 "},
        {{"--hdr", "tonemap", "m"}, "hdr=0 "},
        {{"--pad", "m"}, "pad=1 "},
        {{"--append-count", "m"}, "count-appended=1 "},
        {{"--name", "{movie}_{n}", "m"}, "name={movie}_{n} "},
        {{"--preserve-dates", "m"}, "dates=1 "},
        {{"--metadata", "m"}, "metadata=1 "},
        {{"--overwrite", "m"}, "overwrite=1 "},
        {{"--count", "m"}, "count=1 "},
        {{"-q", "m"}, "quiet=1 "},
        {{"--quiet", "m"}, "quiet=1 "},
        {{"--jobs", "64", "m"}, "jobs=64 "},
        {{"--step", "2", "--step", "3", "m"}, "step=3 "},
    };
    for (const auto& row : rows) {
        const ParsedOptions parsed = Parse(row.arguments);
        const std::string arguments = row.arguments.join(' ').toStdString();
        ASSERT_TRUE(parsed.options) << arguments << ": " << parsed.error;
        const std::string facts = Facts(*parsed.options) + " ";
        std::istringstream wanted(row.fact);
        for (std::string fact; wanted >> fact;) {
            EXPECT_NE(facts.find(" " + fact + " "), std::string::npos)
                << arguments << "\n  wanted: " << fact << "\n  got: " << facts;
        }
        EXPECT_TRUE(parsed.warnings.empty()) << arguments;
    }
}

TEST(CommandLineOptions, EachRefusalSaysWhy) {
    const Lists lists;
    const QString nulList = QString::fromStdString(lists.Write("n", std::string_view("a\0b\0", 4)));
    const QString folder = QString::fromStdString(lists.dir.string());
    const QString big = QString::fromStdString((lists.dir / "big").string());
    fs::resize_file(lists.Write("big", ""),
                    kMaxListBytes + 1);  // sparse: read, it would take a while
    const QString index = "--first takes a frame index from 1 to 2147483647";
    const QString step = "--step takes a number from 1 to 32767";
    const QString seconds = "--every-seconds takes a time above 0: a decimal or [[H:]M:]S[.fff]";
    const QString threshold = "--scene-threshold takes a number from 0 to 100, with --scenes";
    const QString quality = "--quality takes low, medium, high or a number from 1 to 100";
    const QString shard = "--shard takes K/N with 1 <= K <= N";
    const struct {
        QStringList arguments;
        QString error;
    } rows[] = {
        {{}, "no movie given"},
        {{"--no-such-option", "m"}, "Unknown option 'no-such-option'."},
        {{"--step"}, "Missing value after '--step'."},
        {{"-o", "", "m"}, "--output takes a folder"},
        {{"--tree", "", "m"}, "--tree takes a folder"},
        {{"--shard", "0/3", "m"}, shard},
        {{"--shard", "4/3", "m"}, shard},
        {{"--shard", "1", "m"}, shard},
        {{"--null", "m"}, "--null goes with --from"},
        {{"--from", "/no/such/list"},
         "--from: cannot read “/no/such/list”: No such file or directory"},
        {{"--from", folder}, "--from: cannot read “" + folder + "”: Is a directory"},
        {{"--from", nulList},
         "--from: “" + nulList +
             "” holds NUL bytes; a list of names that end with NUL (find "
             "-print0) takes --null"},
        {{"--frames", "@" + nulList, "m"}, "--frames: “" + nulList + "” holds NUL bytes"},
        {{"--frames", "@" + big, "m"}, "--frames: “" + big + "” is larger than 64 MiB"},
        {{"--times", "@/no/such/list", "m"},
         "--times: cannot read “/no/such/list”: No such file or directory"},
        {{"--first", "0", "m"}, index},
        {{"--first", "2147483648", "m"}, index},
        {{"--last", "x", "m"}, "--last takes a frame index from 1 to 2147483647"},
        {{"--first", "10", "--last", "5", "m"},
         "--first 10 is after --last 5: no frame is selected"},
        {{"--step", "0", "m"}, step},
        {{"--step", "32768", "m"}, step},
        {{"--every-seconds", "0", "m"}, seconds},
        {{"--every-seconds", "1:60", "m"}, seconds},
        {{"--spread", "0", "m"}, "--spread takes a number of frames from 1 to 2147483647"},
        {{"--frames", "3,x", "m"}, "--frames: “x” is not a frame index or range"},
        {{"--frames", "1,5-2", "m"}, "--frames: “5-2” is not a frame index or range"},
        {{"--frames", "-2", "m"}, "--frames: “-2” is not a frame index or range"},
        {{"--times", "1.5.2", "m"}, "--times: “1.5.2” is not a time"},
        {{"--times", "1,1000000000:00", "m"}, "--times: “1000000000:00” is not a time"},
        {{"--step", "2", "--spread", "3", "m"},
         "--step and --spread choose frames two ways: give one"},
        {{"--scenes", "--key-frames", "m"},
         "--key-frames and --scenes choose frames two ways: give one"},
        {{"--frames", "1", "--times", "1", "m"},
         "--frames and --times choose frames two ways: give one"},
        {{"--scenes", "--scene-threshold", "101", "m"}, threshold},
        {{"--scenes", "--scene-threshold", "-1", "m"}, threshold},
        {{"--scene-threshold", "5", "m"}, threshold},
        {{"--scale", "0", "m"}, "--scale takes a percentage from 1 to 100"},
        {{"--scale", "101", "m"}, "--scale takes a percentage from 1 to 100"},
        {{"--type", "heic", "m"}, "--type takes tiff, bmp, gif, jpeg, png, jp2, webp, avif or jxl"},
        {{"--quality", "101", "m"}, quality},
        {{"--quality", "0", "m"}, quality},
        {{"--quality", "7x", "m"}, quality},
        {{"--depth", "10", "m"}, "--depth takes 8 or 16"},
        {{"--hdr", "pq", "m"}, "--hdr takes tonemap or keep"},
        {{"--name", "{n}", "--append-count", "m"},
         "--append-count does not go with --name: put {count} in the name"},
        {{"--name", "{movie}", "m"},
         "--name: it needs {index}, {time}, {ms}, {pts} or {n} to tell frames apart"},
        {{"--name", "x/{index}", "m"}, "--name: a name cannot hold '/'"},
        {{"--name", QString(300, 'a') + "{n}", "m"},
         "--name: it makes names longer than a file name can be"},
        {{"--jobs", "0", "m"}, "--jobs takes a number from 1 to 64"},
        {{"--jobs", "65", "m"}, "--jobs takes a number from 1 to 64"},
    };
    for (const auto& row : rows) {
        const ParsedOptions parsed = Parse(row.arguments);
        EXPECT_FALSE(parsed.options) << row.arguments.join(' ').toStdString();
        EXPECT_EQ(parsed.status, kUsageError);
        EXPECT_EQ(parsed.error, row.error.toStdString()) << row.arguments.join(' ').toStdString();
    }
}

TEST(CommandLineOptions, HelpVersionAndWarnings) {
    const ParsedOptions help = Parse({"--help"});
    EXPECT_EQ(help.status, kAllDone);
    EXPECT_FALSE(help.options);
    // Every row is listed, with the value it takes; --type's text is made from the types.
    for (const OptionRow& row : OptionTable()) {
        const std::string name = "--" + row.names.last().toStdString();
        EXPECT_NE(help.output.find(name), std::string::npos) << name;
    }
    EXPECT_NE(help.output.find("--scene-threshold <T>"), std::string::npos);
    EXPECT_NE(help.output.find("tiff (or tif), bmp, gif, jpeg (default, or jpg), png,"),
              std::string::npos);
    EXPECT_NE(help.output.find("For jpeg, jp2, webp, avif and jxl: low, medium"),
              std::string::npos);
    EXPECT_EQ(Parse({"--version", "--step", "0"}).output, "reelsnap-cli " REELSNAP_VERSION "\n");
    // Asked of a type that cannot hold it: said, and the run goes on.
    const ParsedOptions deep = Parse({"--depth", "16", "--hdr", "keep", "--type", "tiff", "m"});
    ASSERT_TRUE(deep.options);
    EXPECT_EQ(deep.warnings,
              (std::vector<std::string>{"--hdr keep: tif files cannot hold HDR; tone-mapped"}));
    EXPECT_EQ(
        Parse({"--depth", "16", "m"}).warnings,
        (std::vector<std::string>{"--depth 16: jpg files hold 8 bits a channel; written at 8"}));
}

TEST(ListSyntax, TimesAreDecimalsOrClockTimesInRange) {
    const std::pair<const char*, std::int64_t> times[] = {
        {"12.5", 12'500'000'000},
        {"1:02:03.250", 3'723'250'000'000},
        {" 2:30 ", 150'000'000'000},
        {".5", 500'000'000},
        {"1.", 1'000'000'000},
        {"0.000000001", 1},
        {"1000000000", 1'000'000'000'000'000'000},
    };
    for (const auto& [text, ns] : times) EXPECT_EQ(ParseTime(text), ns) << text;
    // A sign anywhere, a field past 59, too many decimals or fields, and
    // times that would not fit in nanoseconds are no times.
    for (const char* text : {"-1", "2.-0", "0.-0", "+1", "1:60", "1.0000000001", "1:2:3:4", ".", "",
                             "1e3", "5124095:34:35.709551616", "1000000000:00", "1000000001"}) {
        EXPECT_FALSE(ParseTime(text)) << text;
    }
}

TEST(ListSyntax, ListFilesByOneSetOfRules) {
    const Lists lists;
    // A byte-order mark, Windows line ends, comments and blank lines.
    EXPECT_EQ(ReadListFile(lists.Write("a",
                                       "\xEF\xBB\xBF"
                                       "a b.mp4\r\n# not\n\n  \nc\n"),
                           false)
                  .items,
              (std::vector<std::string>{"a b.mp4", "c"}));
    // NUL-ended names are taken whole, a newline in them too; without
    // --null such a list is refused.
    const fs::path nul = lists.Write("n", std::string_view("x\ny\0#z\0\0", 8));
    EXPECT_EQ(ReadListFile(nul, true).items, (std::vector<std::string>{"x\ny", "#z"}));
    EXPECT_TRUE(ReadListFile(nul, false).holdsNul);
    EXPECT_EQ(ReadListFile(lists.dir / "gone", false).error, ENOENT);
}

TEST(MovieList, SharesTreesAndFolders) {
    // Folders per movie, numbered in the order given.
    const std::vector<fs::path> folders =
        MovieFolders({"x/a.mp4", "y/a.mp4", "a (2).mov", "x/a.mp4", "b.mp4", ".mp4"});
    EXPECT_EQ(folders, (std::vector<fs::path>{"a", "a (2)", "a (2) (2)", "a (3)", "b", ".mp4"}));
    EXPECT_EQ(TreeFolder("/m/a/b/clip.mp4", "/m/a/"), fs::path("b/clip"));
    EXPECT_EQ(TreeFolder("/m/a/../c.mp4", "/m/a"), std::nullopt) << "it never climbs out";
    EXPECT_EQ(TreeFolder("/m/a", "/m/a"), std::nullopt);
}

}  // namespace
}  // namespace reelsnap::cli
