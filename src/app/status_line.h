// The main window's status texts and the cache of translated strings. The
// texts are keys of the "LocalizedStrings" table; a missing entry shows the key.
#pragma once

#include <QString>
#include <QtGlobal>
#include <cstdint>
#include <map>

#include "platform/translations.h"

namespace reelsnap {

inline const char* const kIdleMessage = QT_TRANSLATE_NOOP(
    "LocalizedStrings", "Drop a movie file on the application or this window to process.");
inline const char* const kCounterFormat = QT_TRANSLATE_NOOP("LocalizedStrings", "(%d of %d)");
inline const char* const kByeMessage = QT_TRANSLATE_NOOP("LocalizedStrings", "Bye.");
inline const char* const kWriteFailedMessage =
    QT_TRANSLATE_NOOP("LocalizedStrings", "Could not write “%1”: %2.");
inline const char* const kNothingDecodedMessage =
    QT_TRANSLATE_NOOP("LocalizedStrings", "No frame of “%1” could be decoded.");
inline const char* const kNotAMovieMessage =
    QT_TRANSLATE_NOOP("LocalizedStrings", "“%1” is not a movie that Reelsnap can read.");
inline const char* const kCannotOpenMessage =
    QT_TRANSLATE_NOOP("LocalizedStrings", "Could not open “%1”: %2.");
inline const char* const kNoVideoMessage =
    QT_TRANSLATE_NOOP("LocalizedStrings", "“%1” has no video to take frames from.");
inline const char* const kTooLargeMessage =
    QT_TRANSLATE_NOOP("LocalizedStrings", "“%1” has more frames than Reelsnap can take.");

// Translations looked up once and kept for the life of the cache; the
// strings it hands out stay where they are.
class LocalizedStringCache {
  public:
    const QString& GetCachedLocalizedString(const QString& key);

  private:
    std::map<QString, QString> strings_;
};

// The counter format with its two "%d" filled in.
QString FillCounterFormat(const QString& format, std::int32_t done, std::int32_t expected);

}  // namespace reelsnap
