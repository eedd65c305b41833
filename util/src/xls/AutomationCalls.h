#pragma once

#include <tolva/util/XlsAutomationObject.h>

#include <memory>

// Calls on an object that may be missing: the spreadsheet classes go on working
// when the application returned nothing, and reads give invalid values.
namespace tolva::util::character::calls {

QVariant get(const AutomationObject* object, const char* name);
void set(AutomationObject* object, const char* name, const QVariant& value);
QVariant call(AutomationObject* object, const char* prototype, const QVariantList& args = {});
std::unique_ptr<AutomationObject> sub(AutomationObject* object, const char* prototype,
                                      const QVariantList& args = {});
// Reads a property of a sub-object, released afterwards.
QVariant subGet(AutomationObject* object, const char* prototype, const char* name);
QVariant subGet(AutomationObject* object, const char* prototype, const QVariantList& args, const char* name);

} // namespace tolva::util::character::calls
