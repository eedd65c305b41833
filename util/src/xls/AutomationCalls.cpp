#include "AutomationCalls.h"

namespace tolva::util::character::calls {

QVariant get(const AutomationObject* object, const char* name)
{
    return object ? object->property(name) : QVariant();
}

void set(AutomationObject* object, const char* name, const QVariant& value)
{
    if (object)
        object->setProperty(name, value);
}

QVariant call(AutomationObject* object, const char* prototype, const QVariantList& args)
{
    return object ? object->dynamicCall(prototype, args) : QVariant();
}

std::unique_ptr<AutomationObject> sub(AutomationObject* object, const char* prototype,
                                      const QVariantList& args)
{
    return object ? object->querySubObject(prototype, args) : nullptr;
}

QVariant subGet(AutomationObject* object, const char* prototype, const char* name)
{
    return subGet(object, prototype, {}, name);
}

QVariant subGet(AutomationObject* object, const char* prototype, const QVariantList& args, const char* name)
{
    return get(sub(object, prototype, args).get(), name);
}

} // namespace tolva::util::character::calls
