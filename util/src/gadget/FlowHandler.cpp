#include <tolva/util/FlowHandler.h>

namespace tolva::util::gadget {

void FlowHandler::add(const QString& name, Handler handler)
{
    if (name.isEmpty() || !handler)
        return;
    m_handlers.insert(name, std::move(handler));
}

int FlowHandler::run(const QString& name, QList<QVariant>& values)
{
    const auto found = m_handlers.constFind(name);
    if (found == m_handlers.constEnd())
        return -1;
    return found.value()(values) ? 1 : 0;
}

void FlowHandler::clear()
{
    m_handlers.clear();
}

} // namespace tolva::util::gadget
