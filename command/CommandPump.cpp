#include "command/CommandPump.h"

#include <QDebug>

#include <chrono>

CommandPump::CommandPump(int interval, QObject* parent) : Pump(parent), m_interval(interval) {}

bool CommandPump::start()
{
    if (m_running)
        return false;
    m_paused = false;
    {
        std::unique_lock<std::mutex> lock(mutex);
        m_stopRequested = false;
        m_result = rrNone;
    }
    m_running = true;
    return true;
}

// Requested even when not marked running, so a loop that is still ending always sees it;
// start() clears it.
void CommandPump::stop()
{
    {
        std::unique_lock<std::mutex> lock(mutex);
        m_stopRequested = true;
        m_result = rrStop;
        condition.notify_all();
    }
    m_running = false;
}

void CommandPump::add(QSharedPointer<Command> cmd, Pump::PoolMode mode)
{
    switch (mode) {
    case pmOnce:
        m_oncePool.add(std::move(cmd));
        break;
    case pmLoop:
        m_loopPool.add(std::move(cmd));
        break;
    }
}

void CommandPump::reset()
{
    qDebug() << "CommandPump::reset()"
             << "==========================================";
    m_oncePool.reset();
    m_loopPool.reset();
}

void CommandPump::doRun()
{
    emit started();
    QSharedPointer<Command> held;
    bool heldFromOncePool = false;
    bool firstAttempt = true;
    int failures = 0;

    while (!stopRequested()) {
        const int turnInterval = m_interval;
        if (m_paused) {
            sleepUnlessStopped(turnInterval);
            continue;
        }
        if (m_resetNext) {
            reset();
            sleepUnlessStopped(turnInterval);
            m_resetNext = false;
            continue;
        }
        if (failures == 0) {
            held = pickCommand(heldFromOncePool);
            firstAttempt = true;
            if (!held) {
                sleepUnlessStopped(turnInterval);
                continue;
            }
        }

        const Attempt outcome = send(held);
        if (outcome == Attempt::Stopped)
            break;
        if (outcome == Attempt::Ok) {
            failures = 0;
        } else if (++failures >= m_retryNum) {
            emit communicationTimeout();
            response(rrStop);
            break;
        }
        // A once command leaves its pool after its first attempt; retries resend the held pointer.
        if (heldFromOncePool && firstAttempt)
            m_oncePool.removeFirstCommand();
        firstAttempt = false;
        sleepUnlessStopped(turnInterval);
    }

    held.reset();
    emit stoped();
    m_loopsEnded.fetch_add(1, std::memory_order_release);
}

QSharedPointer<Command> CommandPump::pickCommand(bool& fromOncePool)
{
    QSharedPointer<Command> cmd = m_oncePool.getNextCommand();
    fromOncePool = !cmd.isNull();
    if (!cmd)
        cmd = m_loopPool.getNextCommand();
    return cmd;
}

// rrWaiting is set under the lock before the command is handed out, and the lock is released
// while nextCommand is emitted, so a receiver may report at once (even directly, from this
// thread) without deadlocking. A response that lands before the wait starts has already
// changed the result, so the wait below returns at once instead of missing it.
CommandPump::Attempt CommandPump::send(const QSharedPointer<Command>& cmd)
{
    {
        std::unique_lock<std::mutex> lock(mutex);
        if (stopRequested())
            return Attempt::Stopped;
        m_result = rrWaiting;
    }
    emit nextCommand(cmd);

    // A response can only count if it arrives within the time-out; zero leaves no time at all.
    const int timeout = cmd->timeout();
    if (timeout <= 0)
        return Attempt::Failed;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout);
    std::unique_lock<std::mutex> lock(mutex);
    condition.wait_until(lock, deadline, [this] { return m_result != rrWaiting || m_stopRequested; });
    return m_result == rrOk ? Attempt::Ok : Attempt::Failed;
}

void CommandPump::sleepUnlessStopped(int ms)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(qMax(ms, 0));
    std::unique_lock<std::mutex> lock(mutex);
    condition.wait_until(lock, deadline, [this] { return m_stopRequested.load(); });
}
