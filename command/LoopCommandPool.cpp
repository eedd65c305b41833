#include "command/LoopCommandPool.h"

QSharedPointer<Command> LoopCommandPool::getNextCommand()
{
    std::lock_guard<std::mutex> lock(mutex);
    if (commands.isEmpty()) {
        cursor = -1;
        return {};
    }
    const int next = cursor + 1;
    cursor = next >= commands.size() ? 0 : next;
    return commands.at(cursor);
}

QSharedPointer<Command> LoopCommandPool::getCurrentCommand()
{
    std::lock_guard<std::mutex> lock(mutex);
    if (cursor < 0 || cursor >= commands.size())
        return {};
    return commands.at(cursor);
}

void LoopCommandPool::reset()
{
    std::lock_guard<std::mutex> lock(mutex);
    commands.clear();
    cursor = -1;
}
