#include "app/status_line.h"

namespace reelsnap {

const QString& LocalizedStringCache::GetCachedLocalizedString(const QString& key) {
    auto it = strings_.find(key);
    if (it == strings_.end()) it = strings_.emplace(key, LocalizedString(key)).first;
    return it->second;
}

QString FillCounterFormat(const QString& format, std::int32_t done, std::int32_t expected) {
    // Only "%d" is filled in, so that a translated format cannot name
    // arguments that are not there.
    QString text = format;
    const std::int32_t values[2] = {done, expected};
    qsizetype from = 0;
    for (std::int32_t value : values) {
        const qsizetype at = text.indexOf(QStringLiteral("%d"), from);
        if (at < 0) break;
        const QString number = QString::number(value);
        text.replace(at, 2, number);
        from = at + number.size();
    }
    return text;
}

}  // namespace reelsnap
