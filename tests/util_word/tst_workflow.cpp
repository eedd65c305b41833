#include <tolva/util/WorkFlow.h>

#include <QtTest>

#include <climits>

using namespace tolva::util::gadget;

namespace {

// A flow that notes every task as "previous>current" and, when told to, finishes it at once.
class RecordingFlow : public WorkFlow
{
public:
    QStringList tasks;
    bool finishTasks = true;
    QStringList done;

    QStringList currentTasks() const
    {
        QStringList names;
        for (const QString& entry : done)
            names << entry.section('>', 1);
        return names;
    }

protected:
    QStringList taskList() override { return tasks; }

    void doTask(const QString& preTask, const QString& task) override
    {
        done << preTask + '>' + task;
        if (finishTasks)
            respond();
    }
};

} // namespace

class TestWorkFlow : public QObject
{
    Q_OBJECT
private slots:
    void cycles_data();
    void cycles();
    void emptyTaskListAnnouncesNothing();
    void addFrontWaitsEvenWithoutTimeout();
    void restartTakesFreshTaskList();
};

void TestWorkFlow::cycles_data()
{
    QTest::addColumn<QStringList>("tasks");
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<bool>("finishTasks");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("asks finished by respond")
        << QStringList{"A", "B", "C"} << INT_MAX << true << QStringList{">A", "A>B", "B>C", "C>A", "A>B"};
    QTest::newRow("time-out 0 gives talks")
        << QStringList{"A", "B"} << 0 << false << QStringList{">A", "A>B", "B>A", "A>B"};
    QTest::newRow("unfinished asks time out silently")
        << QStringList{"A", "B"} << 50 << false << QStringList{">A", "A>B", "B>A"};
}

void TestWorkFlow::cycles()
{
    QFETCH(QStringList, tasks);
    QFETCH(int, timeoutMs);
    QFETCH(bool, finishTasks);
    QFETCH(QStringList, expected);
    RecordingFlow flow;
    flow.tasks = tasks;
    flow.finishTasks = finishTasks;
    flow.setTimeout(timeoutMs);
    flow.setInterval(2);
    QSignalSpy started(&flow, &WorkFlow::started);
    QVERIFY(flow.start());
    QVERIFY(flow.active());
    QVERIFY(started.count() == 1 || started.wait());
    QTRY_VERIFY(flow.done.size() >= expected.size());
    QCOMPARE(flow.done.mid(0, expected.size()), expected);
}

void TestWorkFlow::emptyTaskListAnnouncesNothing()
{
    RecordingFlow flow;
    flow.setInterval(2);
    QSignalSpy started(&flow, &WorkFlow::started);
    QVERIFY(flow.start());
    QVERIFY(started.wait());
    QTest::qWait(200);
    QVERIFY(flow.done.isEmpty());
}

void TestWorkFlow::addFrontWaitsEvenWithoutTimeout()
{
    RecordingFlow flow;
    flow.tasks = QStringList{"A"};
    flow.finishTasks = false;
    flow.setTimeout(0);
    flow.setInterval(2);
    QVERIFY(flow.start());
    QTRY_VERIFY(!flow.done.isEmpty());
    flow.addFront(QStringLiteral("X"), true);
    QTRY_COMPARE(flow.currentTasks().last(), QStringLiteral("X"));
    QCOMPARE(flow.currentTask(), QStringLiteral("X"));
    const int atX = flow.done.size();
    QTest::qWait(300); // an ask with the largest time-out holds the flow
    QCOMPARE(flow.done.size(), atX);
    flow.respond();
    QTRY_VERIFY(flow.done.size() > atX);
    QCOMPARE(flow.done.at(atX), QStringLiteral("X>A"));
}

void TestWorkFlow::restartTakesFreshTaskList()
{
    RecordingFlow flow;
    flow.tasks = QStringList{"A"};
    flow.setInterval(2);
    QSignalSpy stoped(&flow, &WorkFlow::stoped);
    QVERIFY(flow.start());
    QVERIFY(!flow.start()); // already running: refused, still active
    QVERIFY(flow.active());
    QTRY_VERIFY(!flow.done.isEmpty());
    flow.stop(true);
    QVERIFY(!flow.active());
    QVERIFY(stoped.wait());

    flow.tasks = QStringList{"B", "C"};
    flow.done.clear();
    QVERIFY(flow.start());
    QVERIFY(flow.preTask().isEmpty());
    QTRY_VERIFY(flow.done.size() >= 3);
    QCOMPARE(flow.currentTasks().mid(0, 3), (QStringList{"B", "C", "B"}));
}

QTEST_GUILESS_MAIN(TestWorkFlow)
#include "tst_workflow.moc"
