#include "window/TemplateWindow.h"

#include "app/ProGlobal.h"

TemplateWindow::TemplateWindow(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags)
{
    setObjectName(QStringLiteral("TemplateWindow"));
    resize(1026, 701);
    setWindowTitle(
        QStringLiteral("%1 %2").arg(ProGlobal::instance()->appTitle(), ProGlobal::instance()->appVersion()));
}
