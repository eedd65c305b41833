#include "PlatformAutomation.h"

#include <tolva/util/XlsAutomationPeer.h>

// Platforms without an automation service: no application can be bound, so
// every object stays empty and every read is invalid.
namespace tolva::util::character {

namespace {

class UnavailablePeer : public AutomationPeer
{
public:
    bool setControl(const QString&) override { return false; }
    bool isNull() const override { return true; }
    QVariant property(const char*) const override { return {}; }
    void setProperty(const char*, const QVariant&) override {}
    QVariant dynamicCall(const char*, const QVariantList&) override { return {}; }
    std::unique_ptr<AutomationPeer> querySubObject(const char*, const QVariantList&) override
    {
        return nullptr;
    }
    QVariant asVariant() const override { return {}; }
};

class UnavailableBackend : public AutomationBackend
{
public:
    std::unique_ptr<AutomationPeer> createPeer() override { return std::make_unique<UnavailablePeer>(); }
    bool enterApartment() override { return false; }
    void leaveApartment() override {}
};

} // namespace

std::shared_ptr<AutomationBackend> makePlatformAutomationBackend()
{
    return std::make_shared<UnavailableBackend>();
}

} // namespace tolva::util::character
