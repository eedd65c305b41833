#pragma once

#include <QWidget>

// The main window. For now it carries the application's identity only; its readouts,
// tables and chart are built on the core's models and instrument control.
class TemplateWindow : public QWidget
{
    Q_OBJECT
public:
    explicit TemplateWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
};
