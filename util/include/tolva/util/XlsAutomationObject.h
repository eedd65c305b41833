#pragma once

#include <tolva/util/tolva_util_global.h>

#include <QVariant>

#include <memory>

namespace tolva::util::character {

class AutomationPeer;

// An automation object: the handle the spreadsheet classes talk through.
// Prototype texts are sent exactly as given, parameter list included.
class TOLVA_UTIL_EXPORT AutomationObject
{
public:
    // An empty object from the installed backend, bound to no application yet.
    AutomationObject();
    explicit AutomationObject(std::unique_ptr<AutomationPeer> peer);
    ~AutomationObject();
    AutomationObject(const AutomationObject&) = delete;
    AutomationObject& operator=(const AutomationObject&) = delete;

    bool setControl(const QString& control);
    bool isNull() const;
    QVariant property(const char* name) const;
    void setProperty(const char* name, const QVariant& value);
    QVariant dynamicCall(const char* prototype, const QVariantList& args = {});
    // Up to eight arguments. Null when the application returns no object.
    std::unique_ptr<AutomationObject> querySubObject(const char* prototype, const QVariantList& args = {});
    QVariant asVariant() const;

private:
    std::unique_ptr<AutomationPeer> m_peer;
};

} // namespace tolva::util::character
