#include "command/CommandCtrl.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMutex>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

using Misses = QHash<QByteArray, int>;
Q_DECLARE_METATYPE(Misses)

namespace {

QSharedPointer<Command> cmd(const QByteArray& text, int timeout)
{
    return QSharedPointer<Command>::create(text, true, timeout, QVariant());
}

// Plays the instrument in the owner's thread: records what the controller hands out and its
// signals, in order, and answers every command except the first `unanswered[content]` attempts.
class Responder : public QObject
{
    Q_OBJECT
public:
    explicit Responder(CommandCtrl& ctrl) : m_ctrl(ctrl)
    {
        connect(&ctrl, &CommandCtrl::nextCommand, this, &Responder::onCommand);
        connect(&ctrl, &CommandCtrl::communicationTimeout, this, [this] { events << "timeout"; });
        connect(&ctrl, &CommandCtrl::stoped, this, [this] { events << "stoped"; });
    }

    Misses unanswered;
    QByteArrayList events;

    QByteArrayList commands() const
    {
        QByteArrayList sent;
        for (const QByteArray& e : events)
            if (e != "timeout" && e != "stoped")
                sent << e;
        return sent;
    }

private slots:
    void onCommand(QSharedPointer<Command> command)
    {
        events << command->content();
        int& left = unanswered[command->content()];
        if (left > 0)
            --left;
        else
            m_ctrl.response(Pump::rrOk);
    }

private:
    CommandCtrl& m_ctrl;
};

// Reports the response from a thread of its own, as a device worker would.
class ThreadedResponder : public QObject
{
    Q_OBJECT
public:
    explicit ThreadedResponder(CommandCtrl& ctrl) : m_ctrl(ctrl) {}
    std::atomic<int> answered{0};
public slots:
    void onCommand(QSharedPointer<Command>)
    {
        m_ctrl.response(Pump::rrOk);
        ++answered;
    }

private:
    CommandCtrl& m_ctrl;
};

} // namespace

class TestCommandPump : public QObject
{
    Q_OBJECT
private slots:
    void schedules_data();
    void schedules();
    void loopCommandsAreAtLeastOneIntervalApart();
    void emptyPoolsOnlyStartAndStop();
    void stopDuringLongWaitIsFast();
    void destroyingRunningControllerStops();
    void startTwiceAndStopWhenStopped();
    void stopRightAfterStartLeavesNoStaleRun();
    void invalidPoolModeIsDropped();
    void pauseHoldsCommandsBack();
    void resetNextEmptiesPools();
    void directReceiverInPumpThreadDoesNotDeadlock();
    void receiverInOwnThreadDoesNotDeadlock();
};

void TestCommandPump::schedules_data()
{
    QTest::addColumn<QByteArrayList>("once");
    QTest::addColumn<QByteArrayList>("loop");
    QTest::addColumn<int>("timeout");
    QTest::addColumn<Misses>("unanswered");
    // Events until the pump stops on its own, or the first events of an endless loop.
    QTest::addColumn<QByteArrayList>("events");
    QTest::addColumn<bool>("givesUp");

    QTest::newRow("once before loop") << QByteArrayList{"O"} << QByteArrayList{"L"} << 500 << Misses{}
                                      << QByteArrayList{"O", "L", "L"} << false;
    QTest::newRow("loop P Q cycles") << QByteArrayList{} << QByteArrayList{"P", "Q"} << 500 << Misses{}
                                     << QByteArrayList{"P", "Q", "P", "Q", "P"} << false;
    QTest::newRow("once fails once, then the next once")
        << QByteArrayList{"A", "B"} << QByteArrayList{"L"} << 150 << Misses{{"A", 1}}
        << QByteArrayList{"A", "A", "B", "L"} << false;
    QTest::newRow("success resets the failure count")
        << QByteArrayList{"A", "B"} << QByteArrayList{} << 150 << Misses{{"A", 2}, {"B", 2}}
        << QByteArrayList{"A", "A", "A", "B", "B", "B"} << false;
    QTest::newRow("three unanswered attempts give up")
        << QByteArrayList{} << QByteArrayList{"P", "Q"} << 150 << Misses{{"P", 99}}
        << QByteArrayList{"P", "P", "P", "timeout", "stoped"} << true;
    QTest::newRow("time-out 0 fails every attempt")
        << QByteArrayList{"Z"} << QByteArrayList{"L"} << 0 << Misses{}
        << QByteArrayList{"Z", "Z", "Z", "timeout", "stoped"} << true;
}

void TestCommandPump::schedules()
{
    QFETCH(QByteArrayList, once);
    QFETCH(QByteArrayList, loop);
    QFETCH(int, timeout);
    QFETCH(Misses, unanswered);
    QFETCH(QByteArrayList, events);
    QFETCH(bool, givesUp);

    CommandCtrl ctrl;
    Responder responder(ctrl);
    responder.unanswered = unanswered;
    for (const QByteArray& text : once)
        ctrl.add(cmd(text, timeout), Pump::pmOnce);
    for (const QByteArray& text : loop)
        ctrl.add(cmd(text, timeout), Pump::pmLoop);
    QSignalSpy stoped(&ctrl, &CommandCtrl::stoped);
    QVERIFY(ctrl.start());

    if (givesUp) {
        QVERIFY(stoped.wait(10000));
        QCOMPARE(responder.events, events);
        QVERIFY2(ctrl.isRunning(), "stays marked running until the owner stops it");
        QVERIFY2(!ctrl.start(), "a pump that gave up must be stopped before it starts again");
        ctrl.stop();
        QVERIFY(ctrl.start());
        ctrl.stop();
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(responder.events.size() >= events.size(), 10000);
        ctrl.stop();
        QCOMPARE(responder.events.mid(0, events.size()), events);
        QVERIFY(!responder.events.contains("timeout"));
    }
}

void TestCommandPump::loopCommandsAreAtLeastOneIntervalApart()
{
    CommandCtrl ctrl;
    Responder responder(ctrl);
    ctrl.add(cmd("P", 500), Pump::pmLoop);
    // Timestamps taken in the pump's thread, where the commands are handed out.
    QMutex lock;
    QVector<qint64> sentAt;
    QElapsedTimer clock;
    clock.start();
    connect(
        ctrl.pump(), &CommandPump::nextCommand, this,
        [&](QSharedPointer<Command>) {
            QMutexLocker locker(&lock);
            sentAt << clock.nsecsElapsed();
        },
        Qt::DirectConnection);
    QVERIFY(ctrl.start());
    QTRY_VERIFY_WITH_TIMEOUT(responder.commands().size() >= 6, 10000);
    ctrl.stop();
    QMutexLocker locker(&lock);
    for (int i = 1; i < sentAt.size(); ++i)
        QVERIFY2(sentAt[i] - sentAt[i - 1] >= 10 * 1000 * 1000 - 100 * 1000, qPrintable(QString::number(i)));
}

void TestCommandPump::emptyPoolsOnlyStartAndStop()
{
    CommandCtrl ctrl;
    QSignalSpy started(&ctrl, &CommandCtrl::started);
    QSignalSpy stoped(&ctrl, &CommandCtrl::stoped);
    QSignalSpy next(&ctrl, &CommandCtrl::nextCommand);
    QSignalSpy timeout(&ctrl, &CommandCtrl::communicationTimeout);
    QVERIFY(ctrl.start());
    QVERIFY(started.wait(5000));
    QTest::qWait(100);
    ctrl.stop();
    QTRY_COMPARE(stoped.count(), 1);
    QCOMPARE(started.count(), 1);
    QCOMPARE(next.count(), 0);
    QCOMPARE(timeout.count(), 0);
}

void TestCommandPump::stopDuringLongWaitIsFast()
{
    CommandCtrl ctrl;
    QSignalSpy next(&ctrl, &CommandCtrl::nextCommand);
    QSignalSpy timeout(&ctrl, &CommandCtrl::communicationTimeout);
    QSignalSpy stoped(&ctrl, &CommandCtrl::stoped);
    ctrl.setInterval(200);
    ctrl.add(cmd("slow", 60000), Pump::pmLoop);
    QVERIFY(ctrl.start());
    QVERIFY(next.wait(5000));

    QElapsedTimer elapsed;
    elapsed.start();
    ctrl.stop();
    QVERIFY2(elapsed.elapsed() < 2000, qPrintable(QString::number(elapsed.elapsed())));
    QTRY_COMPARE(stoped.count(), 1);
    QCOMPARE(timeout.count(), 0);
}

void TestCommandPump::destroyingRunningControllerStops()
{
    QElapsedTimer elapsed;
    QThread* pumpThread = nullptr;
    {
        CommandCtrl ctrl;
        QSignalSpy next(&ctrl, &CommandCtrl::nextCommand);
        ctrl.add(cmd("slow", 60000), Pump::pmOnce);
        QVERIFY(ctrl.start());
        QVERIFY(next.wait(5000));
        pumpThread = ctrl.pump()->thread();
        QVERIFY(pumpThread->isRunning());
        elapsed.start();
    }
    QVERIFY2(elapsed.elapsed() < 2000, qPrintable(QString::number(elapsed.elapsed())));
}

void TestCommandPump::startTwiceAndStopWhenStopped()
{
    CommandCtrl ctrl;
    QSignalSpy stoped(&ctrl, &CommandCtrl::stoped);
    ctrl.stop();
    QVERIFY(!ctrl.isRunning());

    QVERIFY(ctrl.start());
    QVERIFY(!ctrl.start());
    ctrl.stop();
    QVERIFY(!ctrl.pump()->thread()->isRunning());
    ctrl.stop();
    QTRY_COMPARE(stoped.count(), 1);
    QTest::qWait(50);
    QCOMPARE(stoped.count(), 1);
}

// A stop that lands before the loop has begun must not leave a start request behind for the
// next run: every start gives exactly one started() and one stoped().
void TestCommandPump::stopRightAfterStartLeavesNoStaleRun()
{
    CommandCtrl ctrl;
    QSignalSpy started(&ctrl, &CommandCtrl::started);
    QSignalSpy stoped(&ctrl, &CommandCtrl::stoped);
    const int runs = 20;
    for (int i = 0; i < runs; ++i) {
        QVERIFY(ctrl.start());
        ctrl.stop();
    }
    QTRY_COMPARE(stoped.count(), runs);
    QCOMPARE(started.count(), runs);

    Responder responder(ctrl);
    ctrl.add(cmd("after", 500), Pump::pmOnce);
    QVERIFY(ctrl.start());
    QTRY_COMPARE(responder.commands(), QByteArrayList{"after"});
    ctrl.stop();
    QTRY_COMPARE(started.count(), runs + 1);
}

void TestCommandPump::invalidPoolModeIsDropped()
{
    CommandCtrl ctrl;
    QSignalSpy next(&ctrl, &CommandCtrl::nextCommand);
    ctrl.add(cmd("bad", 100), static_cast<Pump::PoolMode>(2));
    ctrl.add(cmd("bad", 100), static_cast<Pump::PoolMode>(-1));
    QCOMPARE(const_cast<CommandPump*>(ctrl.pump())->oncePool()->size(), 0);
    QCOMPARE(const_cast<CommandPump*>(ctrl.pump())->loopPool()->size(), 0);
    QVERIFY(ctrl.start());
    QTest::qWait(100);
    ctrl.stop();
    QCOMPARE(next.count(), 0);
}

void TestCommandPump::pauseHoldsCommandsBack()
{
    CommandCtrl ctrl;
    Responder responder(ctrl);
    QSignalSpy started(&ctrl, &CommandCtrl::started);
    QVERIFY(ctrl.start());
    QVERIFY(started.wait(5000));
    ctrl.setPause(true);
    QTest::qWait(30); // let a turn that may already be past its pause check finish idle
    ctrl.add(cmd("held", 500), Pump::pmOnce);
    QTest::qWait(150);
    QCOMPARE(responder.commands(), QByteArrayList{});
    ctrl.setPause(false);
    QTRY_COMPARE(responder.commands(), QByteArrayList{"held"});
    ctrl.stop();
}

void TestCommandPump::resetNextEmptiesPools()
{
    CommandCtrl ctrl;
    QSignalSpy started(&ctrl, &CommandCtrl::started);
    ctrl.setPause(true);
    ctrl.add(cmd("A", 100), Pump::pmOnce);
    ctrl.add(cmd("P", 100), Pump::pmLoop);
    QVERIFY(ctrl.start()); // start() clears the pause, so set the reset first
    ctrl.setResetNext(true);
    QSignalSpy next(&ctrl, &CommandCtrl::nextCommand);
    QTRY_VERIFY(!ctrl.pump()->resetNext());
    const int sentBeforeReset = next.count();
    QTest::qWait(100);
    ctrl.stop();
    QCOMPARE(const_cast<CommandPump*>(ctrl.pump())->oncePool()->size(), 0);
    QCOMPARE(const_cast<CommandPump*>(ctrl.pump())->loopPool()->size(), 0);
    QCOMPARE(next.count(), sentBeforeReset);
}

// A receiver connected directly to the pump reports from inside the emission: no lock may be held then.
void TestCommandPump::directReceiverInPumpThreadDoesNotDeadlock()
{
    CommandCtrl ctrl;
    std::atomic<int> answered{0};
    connect(
        ctrl.pump(), &CommandPump::nextCommand, this,
        [&](QSharedPointer<Command>) {
            ctrl.response(Pump::rrOk);
            ++answered;
        },
        Qt::DirectConnection);
    QSignalSpy timeout(&ctrl, &CommandCtrl::communicationTimeout);
    ctrl.add(cmd("P", 2000), Pump::pmLoop);
    QVERIFY(ctrl.start());
    QTRY_VERIFY_WITH_TIMEOUT(answered >= 10, 10000);
    ctrl.stop();
    QCOMPARE(timeout.count(), 0);
}

void TestCommandPump::receiverInOwnThreadDoesNotDeadlock()
{
    CommandCtrl ctrl;
    QThread receiverThread;
    receiverThread.setObjectName(QStringLiteral("Receiver"));
    ThreadedResponder responder(ctrl);
    responder.moveToThread(&receiverThread);
    connect(ctrl.pump(), &CommandPump::nextCommand, &responder, &ThreadedResponder::onCommand,
            Qt::QueuedConnection);
    receiverThread.start();
    QSignalSpy timeout(&ctrl, &CommandCtrl::communicationTimeout);
    ctrl.add(cmd("O", 2000), Pump::pmOnce);
    ctrl.add(cmd("P", 2000), Pump::pmLoop);
    QVERIFY(ctrl.start());
    QTRY_VERIFY_WITH_TIMEOUT(responder.answered >= 20, 10000);
    ctrl.stop();
    receiverThread.quit();
    receiverThread.wait();
    QCOMPARE(timeout.count(), 0);
}

QTEST_GUILESS_MAIN(TestCommandPump)
#include "tst_commandpump.moc"
