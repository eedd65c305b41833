#pragma once

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <mutex>

// Base of the command pump: the response hand-shake between the owner's thread and the pump's.
class Pump : public QObject
{
    Q_OBJECT
public:
    enum PoolMode { pmOnce = 0, pmLoop = 1 };
    Q_ENUM(PoolMode)
    enum ResponseResult { rrNone = 0, rrWaiting = 1, rrStop = 2, rrOk = 3 };
    Q_ENUM(ResponseResult)

    explicit Pump(QObject* parent = nullptr);

    // Reports the response to the command handed out last and wakes the waiting pump.
    void response(Pump::ResponseResult r);

    Pump::ResponseResult result() const { return m_result; }
    void setResult(const Pump::ResponseResult& result) { m_result = result; }
    bool pause() const { return m_paused; }
    void setPause(bool paused) { m_paused = paused; }

protected:
    // Standard primitives rather than QMutex/QWaitCondition, so that ThreadSanitizer sees the
    // hand-shake (QtCore is not instrumented).
    std::mutex mutex;
    std::condition_variable condition;
    std::atomic<bool> m_paused{false};
    // Only changed under mutex while the pump may be waiting on condition.
    std::atomic<ResponseResult> m_result{rrNone};
};

Q_DECLARE_METATYPE(Pump::PoolMode)
