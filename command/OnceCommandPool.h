#pragma once

#include "command/CommandPool.h"

// Each command is sent once: the pump hands out the first one and removes it after sending.
class OnceCommandPool : public CommandPool
{
public:
    using CommandPool::CommandPool;

    // The first command, left in the pool; null when the pool is empty.
    QSharedPointer<Command> getNextCommand() override;
    QSharedPointer<Command> getCurrentCommand() override;
    void removeFirstCommand();
};
