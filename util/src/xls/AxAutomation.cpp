#include "PlatformAutomation.h"

#include <tolva/util/XlsAutomationPeer.h>

#include <ActiveQt/QAxObject>

#include <objbase.h>

// The platform's automation container behind the spreadsheet classes.
namespace tolva::util::character {

namespace {

class AxPeer : public AutomationPeer
{
public:
    explicit AxPeer(QAxObject* object) : m_object(object) {}

    bool setControl(const QString& control) override { return m_object->setControl(control); }
    bool isNull() const override { return m_object->isNull(); }
    QVariant property(const char* name) const override { return m_object->property(name); }
    void setProperty(const char* name, const QVariant& value) override { m_object->setProperty(name, value); }

    QVariant dynamicCall(const char* prototype, const QVariantList& args) override
    {
        QList<QVariant> vars = args;
        return m_object->dynamicCall(prototype, vars);
    }

    std::unique_ptr<AutomationPeer> querySubObject(const char* prototype, const QVariantList& args) override
    {
        QAxObject* sub =
            m_object->querySubObject(prototype, args.value(0), args.value(1), args.value(2), args.value(3),
                                     args.value(4), args.value(5), args.value(6), args.value(7));
        if (!sub)
            return nullptr;
        // The container makes it a child of this object; its lifetime is ours alone.
        sub->setParent(nullptr);
        return std::make_unique<AxPeer>(sub);
    }

    QVariant asVariant() const override { return m_object->asVariant(); }

private:
    std::unique_ptr<QAxObject> m_object;
};

class AxBackend : public AutomationBackend
{
public:
    std::unique_ptr<AutomationPeer> createPeer() override { return std::make_unique<AxPeer>(new QAxObject); }

    // Also succeeds when the thread already is an apartment (S_FALSE), which
    // needs balancing too; a thread of another model must not be uninitialised.
    bool enterApartment() override { return SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)); }
    void leaveApartment() override { CoUninitialize(); }
};

} // namespace

std::shared_ptr<AutomationBackend> makePlatformAutomationBackend()
{
    return std::make_shared<AxBackend>();
}

} // namespace tolva::util::character
