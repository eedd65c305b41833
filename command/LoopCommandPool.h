#pragma once

#include "command/CommandPool.h"

// Commands sent again and again in the order of adding; commands added during the cycle join its end.
class LoopCommandPool : public CommandPool
{
public:
    using CommandPool::CommandPool;

    // Advances the cursor cyclically; null when the pool is empty.
    QSharedPointer<Command> getNextCommand() override;
    // The command handed out last; null when there is none.
    QSharedPointer<Command> getCurrentCommand() override;
    void reset() override;

private:
    int cursor = -1;
};
