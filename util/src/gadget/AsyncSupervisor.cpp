#include <tolva/util/AsyncLabor.h>
#include <tolva/util/AsyncSupervisor.h>

#include <QPointer>
#include <QThread>

#include <atomic>

namespace tolva::util::gadget {

class AsyncSupervisorPrivate
{
public:
    AsyncSupervisorPrivate(AsyncSupervisor* owner, AsyncLabor* work)
        : q(owner), labor(work), thread(new QThread(owner))
    {
    }

    AsyncSupervisor* q;
    // Touched only in the supervisor's thread: it follows the labour's signals.
    bool running = false;
    // Guarded: an owner may delete its labour before the supervisor.
    QPointer<AsyncLabor> labor;
    QThread* thread;
    // Released by the worker as its thread finishes and acquired after every join, so that
    // everything the worker did is ordered before what the joining thread does next even for
    // tools that cannot see the wait inside QThread::wait().
    std::atomic<int> finishedRuns{0};

    void join()
    {
        thread->quit();
        thread->wait();
        finishedRuns.load(std::memory_order_acquire);
    }
};

AsyncSupervisor::AsyncSupervisor(AsyncLabor* labor, QObject* parent)
    : QObject(parent), d(new AsyncSupervisorPrivate(this, labor))
{
    d->thread->setObjectName(QStringLiteral("AsyncLabor"));
    labor->moveToThread(d->thread);
    connect(
        d->thread, &QThread::finished, d->thread,
        [this] { d->finishedRuns.fetch_add(1, std::memory_order_release); }, Qt::DirectConnection);
    // Explicitly queued: nothing of the supervisor's thread ever runs inside the worker.
    connect(this, &AsyncSupervisor::startAsync, labor, &AsyncLabor::startAsync, Qt::QueuedConnection);
    connect(
        labor, &AsyncLabor::started, this,
        [this] {
            d->running = true;
            emit started();
        },
        Qt::QueuedConnection);
    connect(
        labor, &AsyncLabor::stoped, this,
        [this] {
            d->running = false;
            emit stoped();
        },
        Qt::QueuedConnection);
    connect(labor, &AsyncLabor::message, this, &AsyncSupervisor::message, Qt::QueuedConnection);
}

AsyncSupervisor::~AsyncSupervisor()
{
    // Destroying a running QThread aborts the process, so end the labour and join first.
    if (d->thread->isRunning()) {
        if (d->labor)
            d->labor->stop();
        d->join();
    }
}

bool AsyncSupervisor::running() const
{
    return d->running;
}

bool AsyncSupervisor::start()
{
    if (d->running)
        return false;
    if (!d->labor->start())
        return false;
    d->thread->start(QThread::InheritPriority);
    emit startAsync();
    return true;
}

void AsyncSupervisor::stop()
{
    if (!d->running)
        return;
    d->labor->stop();
    d->join();
}

} // namespace tolva::util::gadget
