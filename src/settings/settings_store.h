// The preference keys, their readers with defaults, and their writers,
// over one preferences domain. Every reader synchronizes the domain first
// (once for a ReadBatch), so a change made by another process is seen at the
// next read.
#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace reelsnap {

class PreferencesDomain;

namespace keys {
inline const QString ScalePercent = QStringLiteral("ScalePercent");
inline const QString Skip = QStringLiteral("Skip");
inline const QString InitialFrameIndex = QStringLiteral("InitialFrameIndex");
inline const QString FinalFrameIndex = QStringLiteral("FinalFrameIndex");
inline const QString ImageType = QStringLiteral("ImageType");
inline const QString ImageQuality = QStringLiteral("ImageQuality");
inline const QString PadIndicesWithZeros = QStringLiteral("PadIndicesWithZeros");
inline const QString AppendFrameCount = QStringLiteral("AppendFrameCount");
inline const QString PreserveDates = QStringLiteral("PreserveDates");
inline const QString KeepDeepFrames = QStringLiteral("KeepDeepFrames");
inline const QString WriteFrameMetadata = QStringLiteral("WriteFrameMetadata");
inline const QString HdrMovies = QStringLiteral("HdrMovies");  // 1 tone-map, 2 keep
inline const QString CopyTo = QStringLiteral("CopyTo");
inline const QString CopyToLocation = QStringLiteral("CopyToLocation");
inline const QString QuitWhenDone = QStringLiteral("QuitWhenDone");
inline const QString SelectionMode = QStringLiteral("SelectionMode");
inline const QString SelectionSeconds = QStringLiteral("SelectionSeconds");
inline const QString SelectionSpread = QStringLiteral("SelectionSpread");
inline const QString SceneThreshold = QStringLiteral("SceneThreshold");
inline const QString NameBy = QStringLiteral("NameBy");
inline const QString LastDestination = QStringLiteral("LastDestination");
}  // namespace keys

class SettingsStore {
  public:
    explicit SettingsStore(PreferencesDomain& domain) : domain_(domain) {}

    // While a batch lives, the readers share the one synchronization it
    // began with: a group of values read together costs one look at the file.
    class ReadBatch {
      public:
        explicit ReadBatch(SettingsStore& store);
        ~ReadBatch();
        ReadBatch(const ReadBatch&) = delete;
        ReadBatch& operator=(const ReadBatch&) = delete;

      private:
        SettingsStore& store_;
    };

    // False when the key is missing or holds anything but a Boolean.
    bool ReadBoolSetting(const QString& key);
    // Nothing when the key is missing, not a number, or not exactly convertible.
    std::optional<std::int16_t> ReadInt16Setting(const QString& key);
    std::optional<std::int32_t> ReadInt32Setting(const QString& key);
    // Nothing when the key is missing or not a finite number.
    std::optional<double> ReadNumberSetting(const QString& key);

    std::int16_t ReadImageType();     // the stored number, 4 by default
    std::int16_t ReadImageQuality();  // 2 by default
    // The stored quality's compression factor (CompressionFactorOf).
    float ImageCompressionFactor();

    // The number writers do not synchronize; the caller does, once per group.
    void StoreInt16Setting(const QString& key, std::int16_t value);
    void StoreInt32Setting(const QString& key, std::int32_t value);
    void StoreNumberSetting(const QString& key, double value);
    void RemoveSetting(const QString& key);
    void SynchronizeSettings();
    void StoreBoolSetting(const QString& key, bool value);

    // True with the stored copy folder when it still exists as a folder.
    bool ResolveCopyToLocation(std::filesystem::path& folder);
    void StoreCopyToLocation(const std::filesystem::path& folder);
    // The same for the folder a destination was last chosen in.
    bool ResolveFolder(const QString& key, std::filesystem::path& folder);
    void StoreFolder(const QString& key, const std::filesystem::path& folder);

  private:
    QVariant ReadSynchronized(const QString& key);
    template <typename Int>
    std::optional<Int> ReadExactNumber(const QString& key);

    PreferencesDomain& domain_;
    int batches_ = 0;
};

}  // namespace reelsnap
