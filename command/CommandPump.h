#pragma once

#include "command/Command.h"
#include "command/LoopCommandPool.h"
#include "command/OnceCommandPool.h"
#include "command/Pump.h"

#include <QSharedPointer>

#include <atomic>

// Hands queued commands out one at a time from its own thread (doRun) and waits for each
// response: once commands before loop commands, retries, and a communication time-out after
// retryNum consecutive failures.
class CommandPump : public Pump
{
    Q_OBJECT
public:
    explicit CommandPump(int interval, QObject* parent = nullptr);

    // Arms the pump; the loop itself is started by doRun. False when already running.
    bool start();
    // Ends the loop: wakes a waiting or sleeping pump at once. Never lost, whatever is reported after it.
    void stop();
    void add(QSharedPointer<Command> cmd, Pump::PoolMode mode);
    // Empties both pools now (owner's thread); setResetNext asks the pump to do it at its next turn.
    void reset();

    OnceCommandPool* oncePool() { return &m_oncePool; }
    LoopCommandPool* loopPool() { return &m_loopPool; }
    int interval() const { return m_interval; }
    void setInterval(int interval) { m_interval = interval; }
    bool resetNext() const { return m_resetNext; }
    void setResetNext(bool resetNext) { m_resetNext = resetNext; }
    bool isRunning() const { return m_running; }
    void setIsRunning(bool running) { m_running = running; }
    int getRetryNum() const { return m_retryNum; }
    void setRetryNum(int retryNum) { m_retryNum = retryNum; }

    // Called by the owner after joining the pump's thread. QThread::wait synchronises inside
    // QtCore, out of ThreadSanitizer's sight; pairing this acquire with the release at the end of
    // doRun states that every write of the loop happens before the owner goes on.
    void acknowledgeLoopEnd() const { (void)m_loopsEnded.load(std::memory_order_acquire); }

signals:
    void nextCommand(QSharedPointer<Command> command);
    void started();
    void stoped();
    void communicationTimeout();

public slots:
    void doRun();

private:
    enum class Attempt { Ok, Failed, Stopped };

    bool stopRequested() const { return m_stopRequested || m_result == rrStop; }
    QSharedPointer<Command> pickCommand(bool& fromOncePool);
    Attempt send(const QSharedPointer<Command>& cmd);
    // Sleeps ms milliseconds unless a stop request arrives first.
    void sleepUnlessStopped(int ms);

    std::atomic<bool> m_running{false};
    std::atomic<bool> m_stopRequested{false};
    std::atomic<int> m_interval;
    std::atomic<int> m_retryNum{3};
    OnceCommandPool m_oncePool;
    LoopCommandPool m_loopPool;
    std::atomic<bool> m_resetNext{false};
    std::atomic<int> m_loopsEnded{0};
};
