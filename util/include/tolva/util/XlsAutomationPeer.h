#pragma once

#include <tolva/util/tolva_util_global.h>

#include <QVariant>

#include <memory>

namespace tolva::util::character {

// One automation object as a platform sees it. AutomationObject forwards every
// operation here; a backend decides what stands behind it (the platform's
// automation container, or a stand-in that records the calls).
class TOLVA_UTIL_EXPORT AutomationPeer
{
public:
    virtual ~AutomationPeer();

    virtual bool setControl(const QString& control) = 0;
    // True while the object is bound to no application object.
    virtual bool isNull() const = 0;
    virtual QVariant property(const char* name) const = 0;
    virtual void setProperty(const char* name, const QVariant& value) = 0;
    virtual QVariant dynamicCall(const char* prototype, const QVariantList& args) = 0;
    // A new peer for the sub-object, or null when the application returns none.
    virtual std::unique_ptr<AutomationPeer> querySubObject(const char* prototype,
                                                           const QVariantList& args) = 0;
    // The object in a form that can be passed as an argument of another call.
    virtual QVariant asVariant() const = 0;
};

} // namespace tolva::util::character
