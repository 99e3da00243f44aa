// The application's preferences domain: one JSON object in
// $XDG_CONFIG_HOME/Ondrel/Reelsnap.json, read and written through QSettings.
//
// Values are Booleans (JSON true/false), numbers (JSON numbers, held as
// double) and data (JSON {"data": "<base64>"}, held as QByteArray). Any other
// JSON value is kept as it is (a QJsonValue) and reads as "of another type".
#pragma once

#include <QByteArray>
#include <QSettings>
#include <QVariant>
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

namespace reelsnap {

class PreferencesDomain {
  public:
    explicit PreferencesDomain(std::filesystem::path file);

    // The current user's preferences file, following XDG_CONFIG_HOME as it is now.
    static std::filesystem::path ApplicationFile();

    const std::filesystem::path& file() const { return file_; }

    // Writes pending changes and re-reads the file when another process changed it.
    void Synchronize();
    // How many times Synchronize ran.
    std::int64_t synchronizations() const { return synchronizations_; }
    // True when the file is not as it was at the last call (another process
    // or this one wrote it, or it was removed): one stat, no read. The first
    // call answers true.
    bool ChangedSinceLastLook();
    QVariant Value(const QString& key) const;
    void SetValue(const QString& key, const QVariant& value);
    void Remove(const QString& key);

  private:
    // False when the file is corrupt and no free name took it.
    bool KeepCorruptFileAside();
    void LeaveFileUntouched();

    std::filesystem::path file_;
    std::filesystem::path written_;  // the file itself, through any link
    std::unique_ptr<QSettings> settings_;
    bool dirty_ = false;
    bool untouchable_ = false;
    std::int64_t synchronizations_ = 0;
    // The file as the last look saw it: its inode, size and modification time.
    std::optional<std::array<std::int64_t, 4>> lastLook_;
    QVariantMap untouchableValues_;
};

// The registered QSettings format of the preferences file.
QSettings::Format JsonSettingsFormat();

}  // namespace reelsnap
