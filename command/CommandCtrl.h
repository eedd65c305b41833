#pragma once

#include "command/CommandPump.h"

#include <QObject>
#include <QThread>

#include <memory>

// Owner-facing side of a command pump: owns the pump's thread, starts and stops the loop and
// forwards the pump's signals into the owner's thread. Called from the owner's thread only.
class CommandCtrl : public QObject
{
    Q_OBJECT
public:
    explicit CommandCtrl(QObject* parent = nullptr);
    // Stops the pump first, so its thread never outlives the controller.
    ~CommandCtrl() override;

    bool start();
    // Returns once the loop has ended: at most one interval after the pump was woken.
    void stop();
    bool isRunning() const { return m_pump->isRunning(); }

    void add(QSharedPointer<Command> cmd, Pump::PoolMode mode) { m_pump->add(std::move(cmd), mode); }
    void reset() { m_pump->reset(); }
    void response(Pump::ResponseResult r) { m_pump->response(r); }

    int interval() const { return m_pump->interval(); }
    void setInterval(int interval) { m_pump->setInterval(interval); }
    void setResetNext(bool resetNext) { m_pump->setResetNext(resetNext); }
    Pump::ResponseResult result() const { return m_pump->result(); }
    void setResult(const Pump::ResponseResult& result) { m_pump->setResult(result); }
    bool pause() const { return m_pump->pause(); }
    void setPause(bool paused) { m_pump->setPause(paused); }
    int getRetryNum() const { return m_pump->getRetryNum(); }
    void setRetryNum(int retryNum) { m_pump->setRetryNum(retryNum); }

    const CommandPump* pump() const { return m_pump.get(); }

signals:
    void started();
    void stoped();
    void communicationTimeout();
    void nextCommand(QSharedPointer<Command> cmd);
    void startRun();

private:
    // Declared in this order so that the pump is destroyed before its thread.
    std::unique_ptr<QThread> m_thread;
    std::unique_ptr<CommandPump> m_pump;
};
