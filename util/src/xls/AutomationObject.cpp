#include <tolva/util/XlsAutomationBackend.h>
#include <tolva/util/XlsAutomationObject.h>
#include <tolva/util/XlsAutomationPeer.h>

#include "PlatformAutomation.h"

#include <mutex>

namespace tolva::util::character {

AutomationPeer::~AutomationPeer() = default;

AutomationBackend::~AutomationBackend() = default;

namespace {

std::mutex backendMutex;

std::shared_ptr<AutomationBackend>& installedBackend()
{
    static std::shared_ptr<AutomationBackend> backend;
    return backend;
}

} // namespace

void AutomationBackend::install(std::shared_ptr<AutomationBackend> backend)
{
    std::lock_guard<std::mutex> lock(backendMutex);
    installedBackend() = std::move(backend);
}

std::shared_ptr<AutomationBackend> AutomationBackend::current()
{
    std::lock_guard<std::mutex> lock(backendMutex);
    auto& backend = installedBackend();
    if (!backend)
        backend = makePlatformAutomationBackend();
    return backend;
}

AutomationObject::AutomationObject() : m_peer(AutomationBackend::current()->createPeer()) {}

AutomationObject::AutomationObject(std::unique_ptr<AutomationPeer> peer) : m_peer(std::move(peer)) {}

AutomationObject::~AutomationObject() = default;

bool AutomationObject::setControl(const QString& control)
{
    return m_peer && m_peer->setControl(control);
}

bool AutomationObject::isNull() const
{
    return !m_peer || m_peer->isNull();
}

QVariant AutomationObject::property(const char* name) const
{
    return m_peer ? m_peer->property(name) : QVariant();
}

void AutomationObject::setProperty(const char* name, const QVariant& value)
{
    if (m_peer)
        m_peer->setProperty(name, value);
}

QVariant AutomationObject::dynamicCall(const char* prototype, const QVariantList& args)
{
    return m_peer ? m_peer->dynamicCall(prototype, args) : QVariant();
}

std::unique_ptr<AutomationObject> AutomationObject::querySubObject(const char* prototype,
                                                                   const QVariantList& args)
{
    if (!m_peer)
        return nullptr;
    auto peer = m_peer->querySubObject(prototype, args);
    return peer ? std::make_unique<AutomationObject>(std::move(peer)) : nullptr;
}

QVariant AutomationObject::asVariant() const
{
    return m_peer ? m_peer->asVariant() : QVariant();
}

} // namespace tolva::util::character
