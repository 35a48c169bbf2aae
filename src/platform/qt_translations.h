#pragma once

#include <QString>
#include <QTranslator>

// The strings module names its language in this string, as a code such as "de" or "pt_BR";
// the built-in table says "en".
inline constexpr int LanguageString = 150;

// Loads Qt's own texts (standard buttons, the file dialog, key names) for the language into
// translator, from the catalogues Qt ships. False for English, for a code that names no
// language, and where Qt has no catalogue for it.
bool loadQtTranslations(QTranslator& translator, const QString& language);
