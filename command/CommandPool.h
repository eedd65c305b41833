#pragma once

#include "command/Command.h"

#include <QObject>
#include <QSharedPointer>
#include <QVector>

#include <mutex>

// Commands queued by the owner's thread and drawn by the pump's thread. Every operation
// takes the pool's lock for its whole duration and calls nothing out while holding it.
class CommandPool : public QObject
{
public:
    explicit CommandPool(QObject* parent = nullptr);

    // Appends cmd; returns the number of commands now in the pool.
    int add(QSharedPointer<Command> cmd);
    int size() const;

    virtual void reset();
    virtual QSharedPointer<Command> getNextCommand() = 0;
    virtual QSharedPointer<Command> getCurrentCommand() = 0;

protected:
    QVector<QSharedPointer<Command>> commands;
    // A standard mutex rather than QMutex: its locking is visible to ThreadSanitizer, whereas
    // QMutex synchronises inside uninstrumented QtCore and would yield false reports.
    mutable std::mutex mutex;
};
