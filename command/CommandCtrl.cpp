#include "command/CommandCtrl.h"

CommandCtrl::CommandCtrl(QObject* parent)
    : QObject(parent), m_thread(std::make_unique<QThread>()), m_pump(std::make_unique<CommandPump>(10))
{
    m_thread->setObjectName(QStringLiteral("CommandPump"));
    m_pump->moveToThread(m_thread.get());

    connect(this, &CommandCtrl::startRun, m_pump.get(), &CommandPump::doRun);
    connect(m_pump.get(), &CommandPump::nextCommand, this, &CommandCtrl::nextCommand);
    connect(m_pump.get(), &CommandPump::started, this, &CommandCtrl::started);
    connect(m_pump.get(), &CommandPump::stoped, this, &CommandCtrl::stoped);
    connect(m_pump.get(), &CommandPump::communicationTimeout, this, &CommandCtrl::communicationTimeout);
    // The loop ends the thread itself, so a stop that comes before the loop has begun cannot
    // leave a start request queued in a thread that already quit.
    connect(m_pump.get(), &CommandPump::stoped, m_thread.get(), &QThread::quit, Qt::DirectConnection);
}

CommandCtrl::~CommandCtrl()
{
    stop();
}

bool CommandCtrl::start()
{
    if (m_pump->isRunning() || !m_pump->start())
        return false;
    m_thread->start();
    emit startRun();
    return true;
}

void CommandCtrl::stop()
{
    if (!m_pump->isRunning() && !m_thread->isRunning())
        return;
    m_pump->stop();
    m_thread->wait();
    m_pump->acknowledgeLoopEnd();
}
