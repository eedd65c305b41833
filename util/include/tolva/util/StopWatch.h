#pragma once

#include <tolva/util/tolva_util_global.h>

#include <QObject>

#include <memory>

namespace tolva::util::gadget {

class StopWatchPrivate;

// Reports, at a fixed tick, how many milliseconds have passed since start().
// It ticks in the thread that created it.
class TOLVA_UTIL_EXPORT StopWatch : public QObject
{
    Q_OBJECT
public:
    explicit StopWatch(QObject* parent = nullptr);
    ~StopWatch() override;

public slots:
    virtual void start(int interval);
    virtual void stop();

signals:
    void on();
    void off(qlonglong msRun);

private:
    void tick();

    std::unique_ptr<StopWatchPrivate> d;
};

} // namespace tolva::util::gadget
