#include "app/Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

QString getLanguage()
{
    QSettings settings(QStringLiteral("options.ini"), QSettings::IniFormat);
    return settings.value(QStringLiteral("Language")).toString();
}

InstalledTranslators applyLanguage(const QString& language, QTranslator& appTranslator,
                                   QTranslator& qtTranslator)
{
    InstalledTranslators installed;
    if (language != QLatin1String("zh_CN")) {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::AnyCountry));
        return installed;
    }
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    // Relative names: both files are looked up from the working directory.
    if (appTranslator.load(QStringLiteral("zh_CN.qm")))
        installed.application = QCoreApplication::installTranslator(&appTranslator);
    if (qtTranslator.load(QStringLiteral("./translations/qt_zh_CN.qm")))
        installed.qt = QCoreApplication::installTranslator(&qtTranslator);
    return installed;
}
