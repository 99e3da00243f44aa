// Frame file names, the change of extension and the file-system helpers.
#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <set>

#include "extract/frame_selection.h"
#include "extract/output_naming.h"
#include "files/file_system.h"
#include "platform/path_text.h"
#include "support/fixtures.h"

namespace reelsnap {
namespace {
namespace fs = std::filesystem;

TEST(PathText, NamesRoundTripWhateverTheirBytes) {
    // Latin-1, a lone continuation byte, UTF-8 surrogates (never text), an
    // overlong slash: each comes back as the same bytes.
    for (const std::string& bytes :
         {std::string("caf\xe9.mp4"), std::string("a\x80z"),
          std::string("a\xed\xa0\x80\xed\xb0\x80z"), std::string("a\xed\xbf\xbfz"),
          std::string("\xc0\xafx"), std::string("Caf\xc3\xa9 東京")}) {
        EXPECT_EQ(PathOfText(TextOfPath(std::string_view(bytes))).native(), bytes) << bytes;
    }
}

TEST(FrameFileNames, FourPatterns) {
    struct Case {
        bool appendCount, pad;
        std::int32_t index, count;
        const char* name;
    };
    const Case cases[] = {
        {false, false, 7, 120, "frame_7.jpg"},
        {false, true, 7, 120, "frame_00000007.jpg"},
        {true, false, 7, 120, "frame_7 of 120.jpg"},
        {true, true, 7, 120, "frame_00000007 of 120.jpg"},
        {true, true, 123456789, 200000000, "frame_123456789 of 200000000.jpg"},
        {true, false, 3, 1000000, "frame_3 of 1000000.jpg"},
    };
    for (const Case& c : cases) {
        FrameFacts frame;
        frame.index = c.index;
        frame.frameCount = c.count;
        FrameNaming naming;
        naming.appendFrameCount = c.appendCount;
        naming.padIndicesWithZeros = c.pad;
        EXPECT_EQ(BuildFrameFileName(frame, naming), c.name);
    }
}

TEST(FrameNames, ByTimeAndByTemplate) {
    FrameFacts frame;
    frame.index = 7;
    frame.frameCount = 120;
    frame.timeNs = 3'723'456'999'999;  // 1 h 2 min 3.456999999 s: the milliseconds are cut
    frame.pts = 93086;
    frame.position = 2;
    frame.movie = "clip";
    FrameNaming naming;
    naming.byTime = true;
    naming.appendFrameCount = true;
    EXPECT_EQ(BuildFrameFileName(frame, naming), "frame_01-02-03.456 of 120.jpg");
    EXPECT_TRUE(IsFrameFileName("frame_01-02-03.456 of 120.png"));
    naming.padIndicesWithZeros = true;
    naming.nameTemplate = "{movie}_{index}_{index:3}_{time}_{ms}_{pts}_{n}_of_{count}";
    EXPECT_EQ(BuildFrameFileName(frame, naming),
              "clip_00000007_007_01-02-03.456_3723456_93086_2_of_120.jpg");
    frame.timeNs = 360'000'000'000'000;  // 100 hours
    EXPECT_EQ(TimeInName(frame.timeNs), "100-00-00.000");
    // A movie whose name begins with a dot makes no hidden files.
    frame.movie = ".clip";
    naming.nameTemplate = "{movie}_{n}";
    EXPECT_EQ(BuildFrameFileName(frame, naming), "_clip_2.jpg");

    EXPECT_FALSE(NameTemplateProblem("shot {n}"));
    EXPECT_FALSE(NameTemplateProblem("{movie}-{index:8}"));
    for (const char* refused :
         {"", "{movie}", "{count} frames", "a/{index}", ".{index}", "{index", "{frame}_{index}",
          "{index:0}", "{index:x}",
          "{ms}{ms}{ms}{ms}{ms}{ms}{ms}{ms}{ms}{ms}{ms}{ms}{ms}{ms}{ms}{ms}"}) {
        EXPECT_TRUE(NameTemplateProblem(refused)) << refused;
    }
}

TEST(FrameFileNames, PaddedIndex) {
    EXPECT_EQ(FormatPaddedIndex(7), "00000007");
    EXPECT_EQ(FormatPaddedIndex(1234), "00001234");
    EXPECT_EQ(FormatPaddedIndex(12345678), "12345678");
    EXPECT_EQ(FormatPaddedIndex(123456789), "123456789");
}

TEST(FrameFileNames, ExtensionOfAName) {
    EXPECT_EQ(NameWithExtension("frame_7.jpg", "png"), "frame_7.png");
    EXPECT_EQ(NameWithExtension("frame_00000007 of 120.jpg", "tif"), "frame_00000007 of 120.tif");
    EXPECT_EQ(NameWithExtension("a.jpg.jpg", "jp2"), "a.jpg.jp2");
    EXPECT_EQ(NameWithExtension("frame_7", "gif"), "frame_7.gif");
    EXPECT_EQ(NameWithExtension(".hidden", "bmp"), ".hidden.bmp");
}

void Touch(const fs::path& path, const std::string& contents) {
    std::ofstream(path) << contents;
}

std::string Contents(const fs::path& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

int Place(const fs::path& jpgPath, const char* extension, const std::string& bytes) {
    return PlaceFrameFile(
        jpgPath, extension,
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

TEST(FramePlacement, AFileTheRunDidNotWriteIsNeverReplaced) {
    const fs::path dir = testing::NewTempDir("place");
    // Straight to the final name; no ".jpg" stage is left.
    EXPECT_EQ(Place(dir / "frame_1.jpg", "png", "one"), 0);
    EXPECT_EQ(testing::FileNames(dir), (std::set<std::string>{"frame_1.png"}));

    // An older ".jpg" of the user's survives a run of another type.
    Touch(dir / "frame_7.jpg", "users");
    EXPECT_EQ(Place(dir / "frame_7.jpg", "png", "seven"), 0);
    EXPECT_EQ(Contents(dir / "frame_7.jpg"), "users");
    EXPECT_EQ(Contents(dir / "frame_7.png"), "seven");

    // The final name taken: the frame is kept under its ".jpg" name.
    Touch(dir / "frame_8.png", "older");
    EXPECT_EQ(Place(dir / "frame_8.jpg", "png", "eight"), 0);
    EXPECT_EQ(Contents(dir / "frame_8.png"), "older");
    EXPECT_EQ(Contents(dir / "frame_8.jpg"), "eight");

    // Both taken: nothing is written, and that is a failure.
    EXPECT_EQ(Place(dir / "frame_8.jpg", "png", "again"), EEXIST);
    EXPECT_EQ(Contents(dir / "frame_8.png"), "older");
    EXPECT_EQ(Contents(dir / "frame_8.jpg"), "eight");

    // A JPEG never replaces the user's file of its name, only a frame written before.
    EXPECT_EQ(Place(dir / "frame_7.jpg", "jpg", "jpeg"), EEXIST);
    EXPECT_EQ(Contents(dir / "frame_7.jpg"), "users");
    EXPECT_EQ(Place(dir / "frame_1.jpg", "jpg", "first"), 0);
    EXPECT_EQ(Place(dir / "frame_1.jpg", "jpg", "again"), 0);
    EXPECT_EQ(Contents(dir / "frame_1.jpg"), "again");
    EXPECT_FALSE(IsForeignFile(dir / "frame_8.jpg")) << "kept beside by a run of ours";

    EXPECT_EQ(testing::FileNames(dir),
              (std::set<std::string>{"frame_1.jpg", "frame_1.png", "frame_7.jpg", "frame_7.png",
                                     "frame_8.jpg", "frame_8.png"}))
        << "no temporary file is left";
    EXPECT_EQ(FinalFramePath(dir / "frame_00000007 of 120.jpg", "tif"),
              dir / "frame_00000007 of 120.tif");
}

TEST(FrameFileNames, OnlyFrameNamesAreOurs) {
    for (const char* name : {"frame_7.jpg", "frame_00000007 of 120.tif", "frame_12.jp2"}) {
        EXPECT_TRUE(IsFrameFileName(name)) << name;
    }
    for (const char* name : {"notes.txt", "frame_.jpg", "frame_7.txt", "frame_7 of .png",
                             "frame_7.jpg.bak", "my frame_7.jpg", "frame_7x.png"}) {
        EXPECT_FALSE(IsFrameFileName(name)) << name;
    }
}

TEST(FileSystemHelpers, FolderName) {
    const fs::path dir = testing::NewTempDir("helpers");
    Touch(dir / "clip.mov", "x");

    // Linux allows 255 bytes a name, so the longest name is 255 ASCII units.
    const std::string longName = "\xC3\xA9" + std::string(253, 'a');  // 255 bytes, 254 units
    const std::string longest(255, 'b');
    QString name;
    ASSERT_EQ(NameOfRef(dir / "clip.mov", &name), kNoErr);
    EXPECT_EQ(name, "clip.mov");
    EXPECT_EQ(NameOfRef(dir / "clip.mov", nullptr), kParamErr);
    EXPECT_EQ(NameOfRef(dir / "gone", &name), kFileNotFoundErr);
    Touch(dir / longName, "x");
    Touch(dir / longest, "x");
    ASSERT_EQ(NameOfRef(dir / longName, &name), kNoErr);
    EXPECT_EQ(name.size(), 254);
    EXPECT_EQ(name.toStdString(), longName);
    ASSERT_EQ(NameOfRef(dir / longest, &name), kNoErr);
    EXPECT_EQ(name.size(), 255);
    ASSERT_EQ(NameOfRef("/", &name), kNoErr);
    EXPECT_EQ(name, "/");
}

}  // namespace
}  // namespace reelsnap
