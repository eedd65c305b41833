#pragma once

#include <tolva/util/tolva_util_global.h>

#include <functional>

namespace tolva::util::gadget {

// A countdown that runs an action when the last of the expected events has been reported.
class TOLVA_UTIL_EXPORT StateMonitor
{
public:
    explicit StateMonitor(std::function<void()> action = {});

    // Sets the number of expected events; it replaces, it does not add.
    void in(int count);
    // Reports one event; true when none are expected any more.
    bool out();
    bool out(const std::function<void()>& action);

private:
    int m_count = 0;
    std::function<void()> m_action;
};

} // namespace tolva::util::gadget
