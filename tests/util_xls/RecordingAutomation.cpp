#include "RecordingAutomation.h"

#include <tolva/util/XlsAutomationPeer.h>

#include <QColor>

using tolva::util::character::AutomationPeer;

namespace {

// How an automation object travels as an argument.
struct ObjectRef
{
    QString name;
};

} // namespace

Q_DECLARE_METATYPE(ObjectRef)

namespace {

QString formatList(const QVariantList& values)
{
    QStringList parts;
    for (const QVariant& value : values)
        parts << RecordingAutomation::format(value);
    return parts.join(QStringLiteral(", "));
}

class RecordingPeer : public AutomationPeer
{
public:
    RecordingPeer(std::shared_ptr<RecordingAutomation::State> state, QString name)
        : m_state(std::move(state)), m_name(std::move(name))
    {
        ++m_state->liveObjects;
    }

    ~RecordingPeer() override
    {
        --m_state->liveObjects;
        if (m_state->logReleases)
            record(QStringLiteral("release"), QString());
    }

    bool setControl(const QString& control) override
    {
        record(QStringLiteral("control"), control);
        m_controlled = m_state->acceptControl;
        return m_controlled;
    }

    bool isNull() const override
    {
        record(QStringLiteral("isNull"), QString());
        return !m_controlled;
    }

    QVariant property(const char* name) const override
    {
        record(QStringLiteral("get"), QString::fromLatin1(name));
        return answerFor(QString::fromLatin1(name));
    }

    void setProperty(const char* name, const QVariant& value) override
    {
        record(QStringLiteral("set"), QString::fromLatin1(name), {value});
    }

    QVariant dynamicCall(const char* prototype, const QVariantList& args) override
    {
        record(QStringLiteral("call"), QString::fromLatin1(prototype), args);
        return answerFor(QString::fromLatin1(prototype));
    }

    std::unique_ptr<AutomationPeer> querySubObject(const char* prototype, const QVariantList& args) override
    {
        const QString name = QString::fromLatin1(prototype);
        record(QStringLiteral("sub"), name, args);
        if (m_state->refusedSubObjects.contains(name))
            return nullptr;
        const QString child =
            args.isEmpty() ? name : name + QLatin1Char('[') + formatList(args) + QLatin1Char(']');
        auto peer = std::make_unique<RecordingPeer>(m_state, child);
        peer->m_controlled = true;
        return peer;
    }

    QVariant asVariant() const override { return QVariant::fromValue(ObjectRef{m_name}); }

private:
    void record(const QString& kind, const QString& name, const QVariantList& args = {}) const
    {
        QString line = m_name + QLatin1Char(' ') + kind;
        if (!name.isEmpty())
            line += QLatin1Char(' ') + name;
        if (!args.isEmpty())
            line += QLatin1Char(' ') + formatList(args);
        m_state->log << line;
    }

    QVariant answerFor(const QString& name) const
    {
        const auto own = m_state->answers.constFind(m_name + QLatin1Char('|') + name);
        if (own != m_state->answers.constEnd())
            return *own;
        return m_state->answers.value(QStringLiteral("*|") + name);
    }

    std::shared_ptr<RecordingAutomation::State> m_state;
    QString m_name;
    bool m_controlled = false;
};

} // namespace

std::unique_ptr<AutomationPeer> RecordingAutomation::createPeer()
{
    return std::make_unique<RecordingPeer>(m_state, QStringLiteral("app"));
}

bool RecordingAutomation::enterApartment()
{
    m_state->log << QStringLiteral("thread enterApartment");
    return m_state->acceptApartment;
}

void RecordingAutomation::leaveApartment()
{
    m_state->log << QStringLiteral("thread leaveApartment");
}

void RecordingAutomation::answer(const QString& object, const QString& name, const QVariant& value)
{
    m_state->answers.insert(object + QLatin1Char('|') + name, value);
}

void RecordingAutomation::refuseSubObject(const QString& prototype)
{
    m_state->refusedSubObjects.insert(prototype);
}

QStringList RecordingAutomation::takeLog()
{
    return std::exchange(m_state->log, {});
}

QStringList RecordingAutomation::takeLog(const QString& containing)
{
    return takeLog().filter(containing);
}

QString RecordingAutomation::format(const QVariant& value)
{
    if (!value.isValid())
        return QStringLiteral("<invalid>");
    if (value.canConvert<ObjectRef>() && value.userType() == qMetaTypeId<ObjectRef>())
        return QLatin1Char('@') + value.value<ObjectRef>().name;
    switch (value.userType()) {
    case QMetaType::QString:
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    case QMetaType::QColor:
        return value.value<QColor>().name();
    case QMetaType::QVariantList:
        return QLatin1Char('(') + formatList(value.toList()) + QLatin1Char(')');
    default:
        return value.toString();
    }
}
