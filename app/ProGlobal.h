#pragma once

#include <QObject>
#include <QString>

#include <atomic>

// Process-wide application identity: name, title and version.
class ProGlobal : private QObject
{
public:
    static ProGlobal* instance();

    QString appName() const { return m_appName; }
    QString appTitle() const { return m_appTitle; }
    QString appVersion() const { return m_appVersion; }
    void setAppName(const QString& name) { m_appName = name; }
    void setAppTitle(const QString& title) { m_appTitle = title; }
    void setAppVersion(const QString& version) { m_appVersion = version; }

private:
    ProGlobal() = default;

    QString m_appName;
    QString m_appTitle;
    QString m_appVersion;

    static std::atomic<ProGlobal*> m_instance;
};
