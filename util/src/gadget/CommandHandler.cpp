#include <tolva/util/CommandHandler.h>

namespace tolva::util::gadget {

void CommandHandler::add(const QString& name, Handler handler)
{
    if (name.isEmpty() || !handler)
        return;
    m_handlers.insert(name.toUtf8(), std::move(handler));
}

bool CommandHandler::run(const QString& name, const QString& argument)
{
    const auto found = m_handlers.constFind(name.toUtf8());
    return found != m_handlers.constEnd() && found.value()(name, argument);
}

void CommandHandler::clear()
{
    m_handlers.clear();
}

} // namespace tolva::util::gadget
