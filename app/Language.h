#pragma once

#include <QString>

class QTranslator;

// The interface language stored under "Language" in options.ini in the working directory.
QString getLanguage();

// Which translators the language step installed.
struct InstalledTranslators
{
    bool application = false;
    bool qt = false;
};

// Sets the default locale for the language and installs the translators that load.
// Only "zh_CN" exactly selects Chinese; every other value keeps English and installs nothing.
// The translators must outlive the application's use of them.
InstalledTranslators applyLanguage(const QString& language, QTranslator& appTranslator,
                                   QTranslator& qtTranslator);
