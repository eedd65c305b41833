#include <tolva/util/AsyncLabor.h>
#include <tolva/util/AsyncSupervisor.h>
#include <tolva/util/StopWatch.h>

#include <QtTest>

#include <atomic>
#include <condition_variable>
#include <mutex>

using namespace tolva::util::gadget;

namespace {

// A labour that works until stopped, or returns at once when told to.
class TestLabor : public AsyncLabor
{
    Q_OBJECT
public:
    bool refuse = false;
    bool returnAtOnce = false;
    std::atomic<int> runs{0};
    std::atomic<int> stops{0};
    std::atomic<bool> runReturned{false};

    bool start() override { return !refuse; }

    void run() override
    {
        ++runs;
        runReturned = false;
        emit message(QVariant(runs.load()));
        std::unique_lock<std::mutex> lock(m_mutex);
        m_condition.wait(lock, [this] { return returnAtOnce || m_stopRequested; });
        m_stopRequested = false;
        runReturned = true;
    }

    void stop() override
    {
        ++stops;
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopRequested = true;
        m_condition.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_condition;
    bool m_stopRequested = false;
};

} // namespace

class TestAsync : public QObject
{
    Q_OBJECT
private slots:
    void startStopAndSignalsInOwnerThread();
    void startTwiceRefusedOnceStarted();
    void stopBeforeStartedDoesNothing();
    void laborReturningByItselfCanRestart();
    void laborRefusingStart();
    void destroyingSupervisorStopsLabor();
    void stopWatchTicks();
};

void TestAsync::startStopAndSignalsInOwnerThread()
{
    TestLabor labor;
    AsyncSupervisor supervisor(&labor);
    QThread* delivered = nullptr;
    QVariant data;
    connect(&supervisor, &AsyncSupervisor::message, this, [&](const QVariant& value) {
        delivered = QThread::currentThread();
        data = value;
    });
    QSignalSpy started(&supervisor, &AsyncSupervisor::started);
    QSignalSpy stoped(&supervisor, &AsyncSupervisor::stoped);

    QVERIFY(supervisor.start());
    QVERIFY(started.wait());
    QVERIFY(supervisor.running());
    QTRY_COMPARE(data, QVariant(1));
    QCOMPARE(delivered, QThread::currentThread());

    supervisor.stop();
    QVERIFY(labor.runReturned); // stop() blocks until run() has returned
    QCOMPARE(labor.stops.load(), 1);
    QTRY_COMPARE(stoped.count(), 1);
    QVERIFY(!supervisor.running());
}

void TestAsync::startTwiceRefusedOnceStarted()
{
    TestLabor labor;
    AsyncSupervisor supervisor(&labor);
    QSignalSpy started(&supervisor, &AsyncSupervisor::started);
    QVERIFY(supervisor.start());
    QVERIFY(started.wait());
    QVERIFY(!supervisor.start());
    supervisor.stop();
    QCOMPARE(labor.runs.load(), 1);
}

void TestAsync::stopBeforeStartedDoesNothing()
{
    TestLabor labor;
    AsyncSupervisor supervisor(&labor);
    QSignalSpy started(&supervisor, &AsyncSupervisor::started);
    QVERIFY(supervisor.start());
    supervisor.stop(); // started cannot have been delivered yet: this thread has not returned to its loop
    QCOMPARE(labor.stops.load(), 0);
    QVERIFY(started.wait());
    QVERIFY(supervisor.running());
    supervisor.stop();
    QCOMPARE(labor.stops.load(), 1);
}

void TestAsync::laborReturningByItselfCanRestart()
{
    TestLabor labor;
    labor.returnAtOnce = true;
    AsyncSupervisor supervisor(&labor);
    QSignalSpy stoped(&supervisor, &AsyncSupervisor::stoped);
    QVERIFY(supervisor.start());
    QVERIFY(stoped.wait());
    QVERIFY(!supervisor.running());
    QVERIFY(supervisor.start());
    QTRY_COMPARE(stoped.count(), 2);
    QCOMPARE(labor.runs.load(), 2);
}

void TestAsync::laborRefusingStart()
{
    TestLabor labor;
    labor.refuse = true;
    AsyncSupervisor supervisor(&labor);
    QSignalSpy started(&supervisor, &AsyncSupervisor::started);
    QVERIFY(!supervisor.start());
    QVERIFY(!started.wait(200));
    QCOMPARE(labor.runs.load(), 0);
}

void TestAsync::destroyingSupervisorStopsLabor()
{
    TestLabor labor;
    {
        AsyncSupervisor supervisor(&labor);
        QSignalSpy started(&supervisor, &AsyncSupervisor::started);
        QVERIFY(supervisor.start());
        QVERIFY(started.wait());
    }
    QCOMPARE(labor.stops.load(), 1);
    QVERIFY(labor.runReturned);
}

void TestAsync::stopWatchTicks()
{
    StopWatch watch;
    QSignalSpy on(&watch, &StopWatch::on);
    QSignalSpy off(&watch, &StopWatch::off);
    watch.start(100);
    QCOMPARE(on.count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(off.count() >= 3, 10000);
    watch.stop();
    const int ticks = off.count();
    qlonglong previous = 0;
    for (int i = 0; i < ticks; ++i) {
        const qlonglong ms = off.at(i).at(0).toLongLong();
        QVERIFY2(ms > previous, qPrintable(QString::number(ms)));
        // A tick comes about every interval; timers may fire a little early and a busy machine late.
        QVERIFY2(ms >= (i + 1) * 100 - 20, qPrintable(QString::number(ms)));
        previous = ms;
    }
    QVERIFY(!off.wait(400));
    QCOMPARE(off.count(), ticks);
}

QTEST_GUILESS_MAIN(TestAsync)
#include "tst_async.moc"
