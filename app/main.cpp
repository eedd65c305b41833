#include "app/Language.h"
#include "app/ProGlobal.h"
#include "app/ProjectInfo.h"
#include "window/TemplateWindow.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ProGlobal::instance()->setAppName(Project_Name);
    ProGlobal::instance()->setAppTitle(Project_Name);
    ProGlobal::instance()->setAppVersion(Project_Version);
    QApplication::setOrganizationName(Organization_Name);
    QApplication::setOrganizationDomain(Organization_Domain);
    app.setObjectName(ProGlobal::instance()->appName());

    const QString language = getLanguage();
    // Declared after the application and before the window, so they are destroyed
    // after the window and before the application.
    QTranslator appTranslator;
    QTranslator qtTranslator;
    applyLanguage(language, appTranslator, qtTranslator);

    TemplateWindow window;
    window.show();
    return app.exec();
}
