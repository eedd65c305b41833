#include <tolva/util/StateMonitor.h>

namespace tolva::util::gadget {

StateMonitor::StateMonitor(std::function<void()> action) : m_action(std::move(action)) {}

void StateMonitor::in(int count)
{
    m_count = count;
}

bool StateMonitor::out()
{
    return out(m_action);
}

bool StateMonitor::out(const std::function<void()>& action)
{
    if (m_count == 0)
        return true;
    --m_count;
    if (m_count != 0)
        return false;
    if (action)
        action();
    return true;
}

} // namespace tolva::util::gadget
