// Frame file names, the change of extension, and the file-system helpers.
#include <gtest/gtest.h>

#include <fstream>

#include "extract/output_naming.h"
#include "files/file_system.h"
#include "settings/settings_store.h"
#include "support/fixtures.h"

namespace reelsnap {
namespace {
namespace fs = std::filesystem;

TEST(FrameFileNames, FourPatterns) {
    testing::ScopedConfigHome home;
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
        StoreBoolSetting(keys::AppendFrameCount, c.appendCount);
        StoreBoolSetting(keys::PadIndicesWithZeros, c.pad);
        EXPECT_EQ(BuildFrameFileName(c.index, c.count), c.name);
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

TEST(SetFileExtension, RenamesButNeverReplaces) {
    const fs::path dir = testing::NewTempDir("rename");
    Touch(dir / "frame_7.jpg", "new");
    Touch(dir / "frame_7.png", "old");
    SetFileExtension(dir / "frame_7.jpg", "png");
    EXPECT_EQ(Contents(dir / "frame_7.png"), "old") << "an existing file is never replaced";
    EXPECT_EQ(Contents(dir / "frame_7.jpg"), "new") << "the new frame keeps its .jpg name";

    Touch(dir / "frame_8.jpg", "eight");
    SetFileExtension(dir / "frame_8.jpg", "png");
    EXPECT_EQ(Contents(dir / "frame_8.png"), "eight");
    EXPECT_FALSE(fs::exists(dir / "frame_8.jpg"));

    Touch(dir / "frame_9.jpg", "nine");
    SetFileExtension(dir / "frame_9.jpg", "jpg");
    EXPECT_EQ(Contents(dir / "frame_9.jpg"), "nine");

    SetFileExtension(dir / "missing.jpg", "png");
    EXPECT_FALSE(fs::exists(dir / "missing.png"));

    Touch(dir / "by path.jpg", "path");
    SetFileExtensionAtPath((dir / "by path.jpg").string(), "gif");
    EXPECT_TRUE(fs::exists(dir / "by path.gif"));
}

TEST(FileSystemHelpers, FolderNameAndSpec) {
    const fs::path dir = testing::NewTempDir("helpers");
    Touch(dir / "clip.mov", "x");
    EXPECT_EQ(IsFolderRef(dir), 0x10);
    EXPECT_EQ(IsFolderRef(dir / "clip.mov"), 0);
    EXPECT_EQ(IsFolderRef(dir / "gone"), 0);

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

    FileSpec spec;
    EXPECT_EQ(SpecFromRef(dir / "clip.mov", nullptr), kParamErr);
    ASSERT_EQ(SpecFromRef(dir / "clip.mov", &spec), kNoErr);
    EXPECT_EQ(spec.folder, dir);
    EXPECT_EQ(spec.name, "clip.mov");
}

}  // namespace
}  // namespace reelsnap
