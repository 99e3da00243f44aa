// Reads each input as the preferences file, changes one value and writes it
// back: the write must keep every other member exactly as it was read, and
// a file that is no JSON object must be kept aside, never lost.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include <QJsonDocument>
#include <QJsonObject>

#include "platform/preferences_domain.h"

namespace {

const std::filesystem::path& WorkDir() {
    static const std::filesystem::path dir = [] {
        std::string name = (std::filesystem::temp_directory_path() / "prefs-fuzz-XXXXXX").string();
        if (!mkdtemp(name.data())) __builtin_trap();
        return std::filesystem::path(name);
    }();
    return dir;
}

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A new name each time: QSettings caches files by name within a process.
    static unsigned long long run = 0;
    const std::filesystem::path dir = WorkDir() / std::to_string(run++);
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / "Reelsnap.json";
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    std::ofstream(file, std::ios::binary).write(bytes.constData(), bytes.size());

    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    const bool isObject = error.error == QJsonParseError::NoError && doc.isObject();
    const QStringList members = isObject ? doc.object().keys() : QStringList();
    const QString changed = QStringLiteral("Skip");
    {
        reelsnap::PreferencesDomain domain(file);
        domain.SetValue(changed, 7.0);
        domain.Synchronize();
    }
    reelsnap::PreferencesDomain after(file);
    Require(after.Value(changed) == QVariant(7.0));
    if (isObject) {
        // Every member but the changed one reads back as it read before.
        const std::filesystem::path copy = dir / "original.json";
        std::ofstream(copy, std::ios::binary).write(bytes.constData(), bytes.size());
        const reelsnap::PreferencesDomain original(copy);
        for (const QString& key : members) {
            // QSettings reads '/' and '\\' in a name as groups.
            if (key == changed || key.contains('/') || key.contains('\\')) continue;
            Require(after.Value(key) == original.Value(key));
        }
    } else if (!bytes.trimmed().isEmpty()) {
        // The bytes that were no preferences are kept beside, byte for byte.
        std::ifstream aside(file.string() + ".corrupt", std::ios::binary);
        const std::string kept((std::istreambuf_iterator<char>(aside)), {});
        Require(kept == bytes.toStdString());
    }
    std::filesystem::remove_all(dir);
    return 0;
}
