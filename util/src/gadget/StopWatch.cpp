#include <tolva/util/StopWatch.h>

#include <QDateTime>
#include <QTimer>

namespace tolva::util::gadget {

class StopWatchPrivate
{
public:
    explicit StopWatchPrivate(StopWatch* owner) : q(owner), timer(std::make_unique<QTimer>()) {}

    StopWatch* q;
    // No parent: the stop watch's destructor stops and destroys it.
    std::unique_ptr<QTimer> timer;
    QDateTime startTime;
    QDateTime lastTick;
    bool running = false;
};

StopWatch::StopWatch(QObject* parent) : QObject(parent), d(new StopWatchPrivate(this))
{
    connect(d->timer.get(), &QTimer::timeout, this, &StopWatch::tick);
}

StopWatch::~StopWatch()
{
    stop();
}

void StopWatch::start(int interval)
{
    d->running = true;
    d->startTime = QDateTime::currentDateTimeUtc();
    d->timer->start(interval);
    emit on();
}

void StopWatch::stop()
{
    d->running = false;
    d->timer->stop();
}

void StopWatch::tick()
{
    d->lastTick = QDateTime::currentDateTimeUtc();
    if (d->running)
        emit off(d->startTime.msecsTo(d->lastTick));
}

} // namespace tolva::util::gadget
