#include "app/status_line.h"

#include <QCoreApplication>
#include <QLabel>
#include <map>

#include "app/app_state.h"
#include "files/file_system.h"

namespace reelsnap {

QString LocalizedString(const QString& key) {
    return QCoreApplication::translate(kLocalizedStrings, key.toUtf8().constData());
}

std::int16_t SetStaticTextString(QLabel* label, const QString& text, bool redraw) {
    if (!label) return kParamErr;
    label->setText(text);
    if (redraw && label->isVisible()) label->repaint();
    return kNoErr;
}

void ShowStatusMessage(const QString& message, std::int32_t line) {
    const QString translated = LocalizedString(message);
    const MainWindowControls& c = State().controls;
    if (line == 1) SetStaticTextString(c.statusText, translated, true);
    if (line == 2) SetStaticTextString(c.counterText, translated, true);
    QCoreApplication::processEvents();
}

const QString& GetCachedLocalizedString(const QString& key) {
    // A node-based map: the strings handed out stay where they are.
    static std::map<QString, QString> cache;
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.emplace(key, LocalizedString(key)).first;
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
