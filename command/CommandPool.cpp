#include "command/CommandPool.h"

#include <QMetaType>

CommandPool::CommandPool(QObject* parent) : QObject(parent)
{
    qRegisterMetaType<QSharedPointer<Command>>("QSharedPointer<Command>");
}

int CommandPool::add(QSharedPointer<Command> cmd)
{
    std::lock_guard<std::mutex> lock(mutex);
    commands.append(std::move(cmd));
    return commands.size();
}

int CommandPool::size() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return commands.size();
}

void CommandPool::reset()
{
    std::lock_guard<std::mutex> lock(mutex);
    commands.clear();
}
