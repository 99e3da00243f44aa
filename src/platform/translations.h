// The application's string tables and Qt's own, for a locale, installed for
// as long as the object lives. Tables are looked for beside the executable
// (the build tree) and where `cmake --install` puts them; a locale without a
// table leaves every text in English.
#pragma once

#include <QLocale>
#include <QTranslator>

namespace reelsnap {

// The context of the application's own texts: messages, prompts, units.
inline const char* const kLocalizedStrings = "LocalizedStrings";

// The key translated through the "LocalizedStrings" table; a key without an
// entry is shown as it is.
QString LocalizedString(const QString& key);

class Translations {
  public:
    explicit Translations(const QLocale& locale = QLocale());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Whether Reelsnap's own table for the locale was found.
    bool loaded() const { return ownLoaded_; }

  private:
    QTranslator own_;
    QTranslator qt_;
    bool ownLoaded_ = false;
    bool qtLoaded_ = false;
};

}  // namespace reelsnap
