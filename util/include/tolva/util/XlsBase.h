#pragma once

#include <tolva/util/tolva_util_global.h>

#include <memory>

namespace tolva::util::character {

class AutomationObject;

// Holds the automation object of a spreadsheet class and releases it with the
// class. The handle is null when the application returned no object; every
// operation of the derived classes then does nothing and reads give 0, false
// or an empty text.
class TOLVA_UTIL_EXPORT XlsBase
{
public:
    AutomationObject* handle() const { return m_handle.get(); }

protected:
    explicit XlsBase(AutomationObject* handle = nullptr);
    ~XlsBase();
    XlsBase(const XlsBase&) = delete;
    XlsBase& operator=(const XlsBase&) = delete;

    void setHandle(AutomationObject* handle);

private:
    std::unique_ptr<AutomationObject> m_handle;
};

} // namespace tolva::util::character
