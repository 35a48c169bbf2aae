#include "platform/qt_translations.h"

#include <QLibraryInfo>
#include <QLocale>

bool loadQtTranslations(QTranslator& translator, const QString& language) {
    // QLocale reads only a language and a territory from the text, so nothing else of it
    // reaches the file name.
    const QLocale locale(language);
    if (locale.language() == QLocale::C || locale.language() == QLocale::English) {
        return false;
    }
    return translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
