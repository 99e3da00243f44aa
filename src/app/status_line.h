// The main window's two status lines and the cache of translated strings.
#pragma once

#include <QString>
#include <cstdint>

class QLabel;

namespace reelsnap {

inline const char* const kLocalizedStrings = "LocalizedStrings";
inline const QString kIdleMessage =
    QStringLiteral("Drop a movie file on the application or this window to process.");
inline const QString kFolderMessage = QStringLiteral("Reelsnap does not process folders.");
inline const QString kCounterFormat = QStringLiteral("(%d of %d)");
inline const QString kByeMessage = QStringLiteral("Bye.");
inline const QString kWriteFailedMessage = QStringLiteral("Could not write “%1”: %2.");
inline const QString kNotEncodedReason = QStringLiteral("the image could not be encoded");

// The key translated through the "LocalizedStrings" table; a missing entry
// gives the key itself.
QString LocalizedString(const QString& key);

// Shows the translated message on line 1 (StatusText) or 2 (CounterText),
// redraws that line at once and lets the event loop run once.
void ShowStatusMessage(const QString& message, std::int32_t line);

// Sets a label's text, drawing it at once with `redraw`. -50 for no label.
std::int16_t SetStaticTextString(QLabel* label, const QString& text, bool redraw);

// The translation of a key, looked up once for the life of the process.
const QString& GetCachedLocalizedString(const QString& key);

// The counter format with its two "%d" filled in.
QString FillCounterFormat(const QString& format, std::int32_t done, std::int32_t expected);

}  // namespace reelsnap
