#include "command/OnceCommandPool.h"

QSharedPointer<Command> OnceCommandPool::getNextCommand()
{
    std::lock_guard<std::mutex> lock(mutex);
    return commands.isEmpty() ? QSharedPointer<Command>() : commands.first();
}

QSharedPointer<Command> OnceCommandPool::getCurrentCommand()
{
    return getNextCommand();
}

void OnceCommandPool::removeFirstCommand()
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!commands.isEmpty())
        commands.removeFirst();
}
