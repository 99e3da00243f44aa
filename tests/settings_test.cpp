// The preferences file and the settings readers and writers.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <fstream>

#include "platform/preferences_domain.h"
#include "settings/settings_store.h"
#include "support/fixtures.h"

namespace reelsnap {
namespace {
using testing::ScopedConfigHome;

// A fresh user's preferences, read and written through a store.
struct FreshStore {
    ScopedConfigHome home;
    PreferencesDomain domain{home.preferencesFile()};
    SettingsStore store{domain};
};

QJsonObject StoredObject(const ScopedConfigHome& home) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(home.ReadPreferences())).object();
}

TEST(SettingsStore, FreshUserGetsTheDefaults) {
    FreshStore fresh;
    SettingsStore& store = fresh.store;
    EXPECT_EQ(store.ReadImageType(), 4);
    EXPECT_EQ(store.ReadImageQuality(), 2);
    EXPECT_FLOAT_EQ(store.ImageCompressionFactor(), 0.7f);
    for (const QString& key : {keys::QuitWhenDone, keys::PadIndicesWithZeros,
                               keys::AppendFrameCount, keys::PreserveDates, keys::CopyTo}) {
        EXPECT_FALSE(store.ReadBoolSetting(key)) << key.toStdString();
    }
    std::filesystem::path folder;
    EXPECT_FALSE(store.ResolveCopyToLocation(folder));
    EXPECT_FALSE(store.ReadInt16Setting(keys::Skip));
}

TEST(SettingsStore, ValuesOfAnotherTypeOrWidthReadAsDefaults) {
    FreshStore fresh;
    ScopedConfigHome& home = fresh.home;
    SettingsStore& store = fresh.store;
    home.WritePreferences(R"({"ImageType": 70000, "ImageQuality": 5, "Skip": 1.5,
        "QuitWhenDone": 1, "CopyTo": "yes", "PadIndicesWithZeros": true,
        "InitialFrameIndex": 70000, "FinalFrameIndex": -3, "ScalePercent": {"data": "AA=="}})");
    EXPECT_EQ(store.ReadImageType(), 4) << "70000 does not fit 16 bits";
    EXPECT_EQ(store.ReadImageQuality(), 5);
    EXPECT_FLOAT_EQ(store.ImageCompressionFactor(), 0.0f);
    EXPECT_FALSE(store.ReadInt16Setting(keys::Skip)) << "a fraction is not exactly convertible";
    EXPECT_FALSE(store.ReadBoolSetting(keys::QuitWhenDone)) << "a number under a Boolean key";
    EXPECT_FALSE(store.ReadBoolSetting(keys::CopyTo));
    EXPECT_TRUE(store.ReadBoolSetting(keys::PadIndicesWithZeros));
    EXPECT_EQ(store.ReadInt32Setting(keys::InitialFrameIndex), 70000);
    EXPECT_EQ(store.ReadInt32Setting(keys::FinalFrameIndex), -3);
    EXPECT_FALSE(store.ReadInt16Setting(keys::ScalePercent)) << "data under a number key";
}

TEST(SettingsStore, CompressionFactorTable) {
    FreshStore fresh;
    SettingsStore& store = fresh.store;
    const std::pair<int, float> table[] = {{1, 0.4f}, {2, 0.7f}, {3, 1.0f}, {0, 0.0f}, {4, 0.0f}};
    for (const auto& [quality, factor] : table) {
        store.StoreInt16Setting(keys::ImageQuality, std::int16_t(quality));
        store.SynchronizeSettings();
        EXPECT_EQ(store.ImageCompressionFactor(), factor) << quality;
    }
}

TEST(SettingsStore, FileHoldsTheContractTypesAndKeepsUnknownMembers) {
    FreshStore fresh;
    ScopedConfigHome& home = fresh.home;
    SettingsStore& store = fresh.store;
    home.WritePreferences(R"({"SomethingElse": [1, "two"], "Skip": 3})");
    store.StoreBoolSetting(keys::QuitWhenDone, true);
    store.StoreInt16Setting(keys::ImageType, 5);
    store.StoreInt32Setting(keys::FinalFrameIndex, 100000);
    store.RemoveSetting(keys::Skip);
    store.SynchronizeSettings();
    const auto folder = testing::NewTempDir("copy to");
    store.StoreCopyToLocation(folder);

    const QJsonObject stored = StoredObject(home);
    EXPECT_EQ(stored.value("QuitWhenDone"), QJsonValue(true));
    EXPECT_EQ(stored.value("ImageType"), QJsonValue(5));
    EXPECT_EQ(stored.value("FinalFrameIndex"), QJsonValue(100000));
    EXPECT_FALSE(stored.contains("Skip"));
    EXPECT_EQ(stored.value("SomethingElse").toArray().size(), 2);
    const QByteArray alias = QByteArray::fromBase64(
        stored.value("CopyToLocation").toObject().value("data").toString().toLatin1());
    EXPECT_EQ(alias.toStdString(), folder.string());

    std::filesystem::path resolved;
    ASSERT_TRUE(store.ResolveCopyToLocation(resolved));
    EXPECT_EQ(resolved, folder);
}

TEST(SettingsStore, CopyLocationResolvesOnlyToAnExistingFolder) {
    FreshStore fresh;
    ScopedConfigHome& home = fresh.home;
    SettingsStore& store = fresh.store;
    std::filesystem::path folder;
    home.WritePreferences(R"({"CopyToLocation": "/tmp"})");
    EXPECT_FALSE(store.ResolveCopyToLocation(folder)) << "a string is not an alias";
    home.WritePreferences(R"({"CopyToLocation": {"data": ""}})");
    EXPECT_FALSE(store.ResolveCopyToLocation(folder)) << "empty data";

    const auto gone = testing::NewTempDir("gone");
    store.StoreCopyToLocation(gone);
    std::filesystem::remove(gone);
    const std::string before = home.ReadPreferences();
    EXPECT_FALSE(store.ResolveCopyToLocation(folder));
    EXPECT_EQ(home.ReadPreferences(), before) << "the stored alias is left as it was";
}

TEST(SettingsStore, ReadsSeeChangesOfAnotherProcess) {
    FreshStore fresh;
    ScopedConfigHome& home = fresh.home;
    SettingsStore& store = fresh.store;
    store.StoreBoolSetting(keys::AppendFrameCount, true);
    EXPECT_TRUE(store.ReadBoolSetting(keys::AppendFrameCount));
    home.WritePreferences(R"({"AppendFrameCount": false, "ImageType": 3})");
    EXPECT_FALSE(store.ReadBoolSetting(keys::AppendFrameCount));
    EXPECT_EQ(store.ReadImageType(), 3);
}

TEST(SettingsStore, CorruptFileReadsEmptyAndIsKeptAside) {
    FreshStore fresh;
    ScopedConfigHome& home = fresh.home;
    SettingsStore& store = fresh.store;
    home.WritePreferences("{ this is not json");
    EXPECT_EQ(store.ReadImageType(), 4);
    EXPECT_FALSE(std::filesystem::exists(home.preferencesFile().string() + ".corrupt"));
    store.StoreBoolSetting(keys::CopyTo, true);
    std::ifstream aside(home.preferencesFile().string() + ".corrupt");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(aside), {}), "{ this is not json");
    EXPECT_TRUE(StoredObject(home).value("CopyTo").toBool());
}

TEST(PreferencesFile, EveryCorruptFileIsKept) {
    FreshStore fresh;
    for (const std::string corrupt : {"{ first", "{ second", "{ third"}) {
        fresh.home.WritePreferences(corrupt);
        fresh.store.StoreBoolSetting(keys::CopyTo, true);
    }
    const std::string file = fresh.home.preferencesFile().string();
    const auto contents = [](const std::string& path) {
        std::ifstream in(path);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(contents(file + ".corrupt"), "{ first");
    EXPECT_EQ(contents(file + ".corrupt.2"), "{ second");
    EXPECT_EQ(contents(file + ".corrupt.3"), "{ third");

    // With every numbered name taken, the next one is kept under a name of its own.
    for (int n = 4; n < 1000; ++n) std::ofstream(file + ".corrupt." + std::to_string(n)) << n;
    fresh.home.WritePreferences("{ last");
    fresh.store.StoreBoolSetting(keys::CopyTo, true);
    int kept = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(fresh.home.preferencesFile().parent_path())) {
        if (entry.path().string().starts_with(file + ".corrupt-")) {
            EXPECT_EQ(contents(entry.path().string()), "{ last");
            ++kept;
        }
    }
    EXPECT_EQ(kept, 1);
    EXPECT_TRUE(StoredObject(fresh.home).value("CopyTo").toBool());
}

TEST(PreferencesFile, ALinkIsWrittenThrough) {
    ScopedConfigHome home;
    const std::filesystem::path target = testing::NewTempDir("dotfiles") / "reelsnap.json";
    std::ofstream(target) << R"({"Skip": 3})";
    std::filesystem::create_directories(home.preferencesFile().parent_path());
    std::filesystem::create_symlink(target, home.preferencesFile());
    PreferencesDomain domain(home.preferencesFile());
    SettingsStore store(domain);
    store.StoreBoolSetting(keys::QuitWhenDone, true);
    EXPECT_TRUE(std::filesystem::is_symlink(home.preferencesFile())) << "the link stays";
    std::ifstream in(target);
    const QJsonObject stored = QJsonDocument::fromJson(QByteArray::fromStdString(std::string(
                                                           std::istreambuf_iterator<char>(in), {})))
                                   .object();
    EXPECT_EQ(stored.value("QuitWhenDone"), QJsonValue(true));
    EXPECT_EQ(stored.value("Skip"), QJsonValue(3));

    // A corrupt file behind the link is kept aside beside it, not the link.
    std::ofstream(target) << "{ corrupt";
    store.StoreBoolSetting(keys::CopyTo, true);
    EXPECT_TRUE(std::filesystem::is_symlink(home.preferencesFile()));
    EXPECT_TRUE(std::filesystem::exists(target.string() + ".corrupt"));
    EXPECT_TRUE(store.ReadBoolSetting(keys::CopyTo));
}

TEST(PreferencesFile, LargeWholeNumbersOfOtherMembersStayExact) {
    FreshStore fresh;
    fresh.home.WritePreferences(R"({"Big": 9007199254740993, "Small": -9223372036854775807})");
    fresh.store.StoreBoolSetting(keys::CopyTo, true);
    const std::string text = fresh.home.ReadPreferences();
    EXPECT_NE(text.find("9007199254740993"), std::string::npos) << text;
    EXPECT_NE(text.find("-9223372036854775807"), std::string::npos) << text;
    EXPECT_FALSE(fresh.store.ReadInt32Setting("Big")) << "of another type";
}

}  // namespace
}  // namespace reelsnap
