#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace reelsnap {
namespace {

QStringList TableFolders() {
    const QString executable = QCoreApplication::applicationDirPath();
    return {executable + "/translations", executable + "/../share/reelsnap/translations"};
}

}  // namespace

QString LocalizedString(const QString& key) {
    return QCoreApplication::translate(kLocalizedStrings, key.toUtf8().constData());
}

Translations::Translations(const QLocale& locale) {
    // English is the fallback: its table holds the English plural forms.
    for (const QLocale& language : {locale, QLocale(QLocale::English)}) {
        for (const QString& folder : TableFolders()) {
            if (own_.load(language, "reelsnap", "_", folder)) {
                ownLoaded_ = QCoreApplication::installTranslator(&own_);
                break;
            }
        }
        if (ownLoaded_) break;
    }
    // Qt's own texts (standard buttons, file dialogs) in the same language.
    if (qt_.load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qtLoaded_ = QCoreApplication::installTranslator(&qt_);
    }
}

Translations::~Translations() {
    if (ownLoaded_) QCoreApplication::removeTranslator(&own_);
    if (qtLoaded_) QCoreApplication::removeTranslator(&qt_);
}

}  // namespace reelsnap
