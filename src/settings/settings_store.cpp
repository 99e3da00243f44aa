#include "settings/settings_store.h"

#include <QJsonValue>
#include <QVariant>
#include <cmath>
#include <limits>

#include "imaging/quality.h"
#include "platform/file_io.h"
#include "platform/preferences_domain.h"

namespace reelsnap {

SettingsStore::ReadBatch::ReadBatch(SettingsStore& store) : store_(store) {
    store_.domain_.Synchronize();
    ++store_.batches_;
}

SettingsStore::ReadBatch::~ReadBatch() {
    --store_.batches_;
}

QVariant SettingsStore::ReadSynchronized(const QString& key) {
    if (batches_ == 0) domain_.Synchronize();
    return domain_.Value(key);
}

template <typename Int>
std::optional<Int> SettingsStore::ReadExactNumber(const QString& key) {
    const QVariant value = ReadSynchronized(key);
    if (value.typeId() != QMetaType::Double) return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::trunc(number) != number) return std::nullopt;
    if (number < double(std::numeric_limits<Int>::min()) ||
        number > double(std::numeric_limits<Int>::max())) {
        return std::nullopt;
    }
    return Int(number);
}

bool SettingsStore::ReadBoolSetting(const QString& key) {
    const QVariant value = ReadSynchronized(key);
    return value.typeId() == QMetaType::Bool && value.toBool();
}

std::optional<std::int16_t> SettingsStore::ReadInt16Setting(const QString& key) {
    return ReadExactNumber<std::int16_t>(key);
}

std::optional<std::int32_t> SettingsStore::ReadInt32Setting(const QString& key) {
    return ReadExactNumber<std::int32_t>(key);
}

std::optional<double> SettingsStore::ReadNumberSetting(const QString& key) {
    const QVariant value = ReadSynchronized(key);
    if (value.typeId() != QMetaType::Double || !std::isfinite(value.toDouble())) {
        return std::nullopt;
    }
    return value.toDouble();
}

std::int16_t SettingsStore::ReadImageType() {
    return ReadInt16Setting(keys::ImageType).value_or(4);
}

std::int16_t SettingsStore::ReadImageQuality() {
    return ReadInt16Setting(keys::ImageQuality).value_or(2);
}

float SettingsStore::ImageCompressionFactor() {
    return CompressionFactorOf(ReadImageQuality());
}

void SettingsStore::StoreInt16Setting(const QString& key, std::int16_t value) {
    domain_.SetValue(key, double(value));
}

void SettingsStore::StoreInt32Setting(const QString& key, std::int32_t value) {
    domain_.SetValue(key, double(value));
}

void SettingsStore::StoreNumberSetting(const QString& key, double value) {
    domain_.SetValue(key, value);
}

void SettingsStore::RemoveSetting(const QString& key) {
    domain_.Remove(key);
}

void SettingsStore::SynchronizeSettings() {
    domain_.Synchronize();
}

void SettingsStore::StoreBoolSetting(const QString& key, bool value) {
    domain_.SetValue(key, value);
    domain_.Synchronize();
}

bool SettingsStore::ResolveCopyToLocation(std::filesystem::path& folder) {
    return ResolveFolder(keys::CopyToLocation, folder);
}

bool SettingsStore::ResolveFolder(const QString& key, std::filesystem::path& folder) {
    const QVariant value = ReadSynchronized(key);
    if (value.typeId() != QMetaType::QByteArray) return false;
    const QByteArray bytes = value.toByteArray();
    if (bytes.isEmpty()) return false;
    std::filesystem::path candidate(bytes.toStdString());
    if (!candidate.is_absolute() || !IsFolder(candidate)) return false;
    folder = std::move(candidate);
    return true;
}

void SettingsStore::StoreCopyToLocation(const std::filesystem::path& folder) {
    StoreFolder(keys::CopyToLocation, folder);
}

void SettingsStore::StoreFolder(const QString& key, const std::filesystem::path& folder) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, ec);
    if (ec) return;
    domain_.SetValue(key, QByteArray::fromStdString(absolute.string()));
    domain_.Synchronize();
}

}  // namespace reelsnap
