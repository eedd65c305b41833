#include <tolva/util/XlsAutomationObject.h>
#include <tolva/util/XlsBase.h>

namespace tolva::util::character {

XlsBase::XlsBase(AutomationObject* handle) : m_handle(handle) {}

XlsBase::~XlsBase() = default;

void XlsBase::setHandle(AutomationObject* handle)
{
    m_handle.reset(handle);
}

} // namespace tolva::util::character
