#include "platform/preferences_domain.h"

#include <sys/stat.h>

#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/file_io.h"

namespace reelsnap {
namespace {

// Whole numbers beyond 2^53 have no exact double: they stay JSON values, so
// that they are written back digit for digit (and read as "of another type").
bool IsExactAsDouble(const QJsonValue& value) {
    constexpr double kExactLimit = 9007199254740992.0;  // 2^53
    const double number = value.toDouble();
    if (std::trunc(number) != number || std::abs(number) < kExactLimit) return true;
    if (number >= 9223372036854775808.0 || number < -9223372036854775808.0) {
        return true;  // beyond 64 bits: a double
    }
    // The parser keeps whole numbers in 64 bits; a double would round them.
    return qint64(number) == value.toInteger();
}

QVariant FromJson(const QJsonValue& value) {
    if (value.isBool()) return value.toBool();
    if (value.isDouble() && IsExactAsDouble(value)) return value.toDouble();
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        if (object.size() == 1 && object.value("data").isString()) {
            auto decoded =
                QByteArray::fromBase64Encoding(object.value("data").toString().toLatin1(),
                                               QByteArray::AbortOnBase64DecodingErrors);
            if (decoded) return *decoded;
        }
    }
    return QVariant::fromValue(value);
}

QJsonValue ToJson(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Bool:
            return value.toBool();
        case QMetaType::QByteArray:
            return QJsonObject{{"data", QString::fromLatin1(value.toByteArray().toBase64())}};
        case QMetaType::Int:
        case QMetaType::Short:
        case QMetaType::LongLong:
        case QMetaType::Double:
        case QMetaType::Float:
            return value.toDouble();
        default:
            if (value.canConvert<QJsonValue>()) return value.value<QJsonValue>();
            return QJsonValue::fromVariant(value);
    }
}

std::optional<QJsonObject> ParseObject(const QByteArray& bytes) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) return std::nullopt;
    return doc.object();
}

// A file that is not a JSON object reads as empty; the domain keeps it aside
// before it writes over it.
bool ReadJson(QIODevice& device, QSettings::SettingsMap& map) {
    const QByteArray bytes = device.readAll();
    if (bytes.trimmed().isEmpty()) return true;
    const auto object = ParseObject(bytes);
    if (!object) return true;
    for (auto it = object->begin(); it != object->end(); ++it) map.insert(it.key(), FromJson(*it));
    return true;
}

bool WriteJson(QIODevice& device, const QSettings::SettingsMap& map) {
    QJsonObject object;
    for (auto it = map.begin(); it != map.end(); ++it) object.insert(it.key(), ToJson(*it));
    return device.write(QJsonDocument(object).toJson(QJsonDocument::Indented)) >= 0;
}

}  // namespace

QSettings::Format JsonSettingsFormat() {
    static const QSettings::Format format = QSettings::registerFormat("json", ReadJson, WriteJson);
    return format;
}

namespace {

// A preferences file that is a link (to a dotfiles repository, say) is
// written through the link, at its target, so that the link stays.
std::filesystem::path ThroughLinks(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(file, ec)) return file;
    const std::filesystem::path target = std::filesystem::weakly_canonical(file, ec);
    return ec ? file : target;
}

}  // namespace

PreferencesDomain::PreferencesDomain(std::filesystem::path file)
    : file_(std::move(file)),
      written_(ThroughLinks(file_)),
      settings_(std::make_unique<QSettings>(QString::fromStdString(written_.string()),
                                            JsonSettingsFormat())) {}

std::filesystem::path PreferencesDomain::ApplicationFile() {
    std::filesystem::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') {
        config = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        config = std::filesystem::path(home) / ".config";
    } else {
        config = std::filesystem::temp_directory_path();
    }
    return config / "Ondrel" / "Reelsnap.json";
}

// A corrupt file that cannot be kept aside is never overwritten: the
// preferences live in memory from now on, starting from what was read.
void PreferencesDomain::LeaveFileUntouched() {
    if (untouchable_) return;
    for (const QString& key : settings_->allKeys())
        untouchableValues_.insert(key, settings_->value(key));
    untouchable_ = true;
}

bool PreferencesDomain::KeepCorruptFileAside() {
    QFile current(QString::fromStdString(written_.string()));
    if (!current.open(QIODevice::ReadOnly)) return true;
    const QByteArray bytes = current.readAll();
    current.close();
    if (bytes.trimmed().isEmpty() || ParseObject(bytes)) return true;
    // Every corrupt file is kept: Reelsnap.json.corrupt, then .corrupt.2 ...
    // and past those a name of the moment.
    const std::string aside = written_.string() + ".corrupt";
    const std::string now =
        QDateTime::currentDateTimeUtc().toString("yyyyMMdd'T'HHmmss.zzz'Z'").toStdString();
    std::vector<std::string> names;
    for (int n = 1; n < 1000; ++n)
        names.push_back(n == 1 ? aside : aside + "." + std::to_string(n));
    for (int n = 0; n < 100; ++n)
        names.push_back(aside + "-" + now + (n ? "-" + std::to_string(n) : ""));
    for (const std::string& name : names) {
        const int error = RenameNoReplace(written_, name);
        if (error == 0) return true;
        if (error != EEXIST) break;
    }
    return false;
}

void PreferencesDomain::Synchronize() {
    ++synchronizations_;
    if (untouchable_) return;
    settings_->sync();
    dirty_ = false;
}

bool PreferencesDomain::ChangedSinceLastLook() {
    struct stat st {};
    std::array<std::int64_t, 4> look{-1, -1, -1, -1};
    if (::stat(written_.c_str(), &st) == 0) {
        look = {std::int64_t(st.st_ino), std::int64_t(st.st_size), std::int64_t(st.st_mtim.tv_sec),
                std::int64_t(st.st_mtim.tv_nsec)};
    }
    const bool changed = lastLook_ != look;
    lastLook_ = look;
    return changed;
}

QVariant PreferencesDomain::Value(const QString& key) const {
    if (untouchable_) return untouchableValues_.value(key);
    return settings_->value(key);
}

void PreferencesDomain::SetValue(const QString& key, const QVariant& value) {
    // QSettings may write on its own from the event loop, so a corrupt file
    // is kept aside before the first change reaches it.
    if (!dirty_ && !KeepCorruptFileAside()) LeaveFileUntouched();
    if (untouchable_) {
        untouchableValues_.insert(key, value);
        return;
    }
    settings_->setValue(key, value);
    dirty_ = true;
}

void PreferencesDomain::Remove(const QString& key) {
    if (!dirty_ && !KeepCorruptFileAside()) LeaveFileUntouched();
    if (untouchable_) {
        untouchableValues_.remove(key);
        return;
    }
    settings_->remove(key);
    dirty_ = true;
}

}  // namespace reelsnap
