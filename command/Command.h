#pragma once

#include <QByteArray>
#include <QObject>
#include <QSharedPointer>
#include <QVariant>

// One message for the instrument and what its sender expects back. Always handled through
// QSharedPointer<Command>; not modified once queued, so threads share it without a lock.
class Command : public QObject
{
    Q_OBJECT
public:
    explicit Command(QObject* parent = nullptr);
    Command(QByteArray content, bool needResponse, int timeout, QVariant remark);

    QByteArray content() const { return m_content; }
    void setContent(const QByteArray& content) { m_content = content; }
    bool needResponse() const { return m_needResponse; }
    void setNeedResponse(bool needResponse) { m_needResponse = needResponse; }
    // Milliseconds the pump waits for the response.
    int timeout() const { return m_timeout; }
    void setTimeout(int timeout) { m_timeout = timeout; }
    QVariant remark() const { return m_remark; }
    void setRemark(const QVariant& remark) { m_remark = remark; }

private:
    QByteArray m_content;
    bool m_needResponse = false;
    int m_timeout = 0;
    QVariant m_remark;
};

Q_DECLARE_METATYPE(QSharedPointer<Command>)
