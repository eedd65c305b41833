#include "device/SimSession.h"
#include "instrument/MyDMM.h"
#include "support/FrameBuilder.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// A resistance reading: mode 7, value, not greater, testing, status 0, filler to the mode's length.
QByteArray resFrame(float value)
{
    return liveFrame(Payload().u8(7).f32(value).u8(0).u8(1).u8(0).zeros(3));
}

QList<double> resValues(const QSignalSpy& spy)
{
    QList<double> values;
    for (const QList<QVariant>& args : spy) {
        const auto record = args.at(0).value<QSharedPointer<DMMData>>();
        values << (record && record->mode == DMMData::dmRES ? static_cast<DMMDataRES&>(*record).res.value
                                                            : -1);
    }
    return values;
}

QByteArrayList contents(const QSignalSpy& spy)
{
    QByteArrayList sent;
    for (const QList<QVariant>& args : spy)
        sent << args.at(0).value<QSharedPointer<Command>>()->content();
    return sent;
}

CommandCtrl* controllerOf(MyDMM& dmm)
{
    return dmm.findChild<CommandCtrl*>();
}

} // namespace

class TestMyDMM : public QObject
{
    Q_OBJECT
private slots:
    void recordsArriveInOrder();
    void openOnOpenConnectionFails();
    void closeOnClosedConnectionEmitsNothing();
    void openCloseOpenReceivesAgain();
    void unplugGivesOneCommunicationTimeout();
    void failedOpenChangesNothing();
    void controllerThatCannotStartClosesTheDevice();
    void addCommandText_data();
    void addCommandText();
    void initCommandLoopsBeginThenEnd();
    void pauseKeepsRecordsComing();
};

void TestMyDMM::recordsArriveInOrder()
{
    SimSession sim;
    QByteArray stream;
    QList<double> values;
    for (int i = 1; i <= 12; ++i) {
        stream += resFrame(float(i));
        values << i;
    }
    QVERIFY(sim.play(stream)); // 20-byte frames in 63-byte reports: most are split
    MyDMM dmm;
    QSignalSpy live(&dmm, &MyDMM::updateLiveData);
    QSignalSpy opened(&dmm, &MyDMM::opened);
    QVERIFY(dmm.open(SimSession::firstPath()));
    QVERIFY(dmm.actived());
    QCOMPARE(opened.count(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(live.count(), values.size(), 10000);
    QCOMPARE(resValues(live), values);
}

void TestMyDMM::openOnOpenConnectionFails()
{
    SimSession sim;
    QVERIFY(sim.play(resFrame(5), 20, true));
    MyDMM dmm;
    QSignalSpy live(&dmm, &MyDMM::updateLiveData);
    QSignalSpy opened(&dmm, &MyDMM::opened);
    QSignalSpy closed(&dmm, &MyDMM::closed);
    const QString path = SimSession::firstPath();
    QVERIFY(dmm.open(path));
    QVERIFY(!dmm.open(path));
    QVERIFY(dmm.actived());
    QCOMPARE(opened.count(), 1);
    QCOMPARE(closed.count(), 0);
    QTRY_VERIFY(live.count() >= 2);
}

void TestMyDMM::closeOnClosedConnectionEmitsNothing()
{
    MyDMM dmm;
    QSignalSpy closed(&dmm, &MyDMM::closed);
    dmm.close();
    QCOMPARE(closed.count(), 0);
}

void TestMyDMM::openCloseOpenReceivesAgain()
{
    SimSession sim;
    QVERIFY(sim.play(resFrame(5), 10, true));
    MyDMM dmm;
    QSignalSpy live(&dmm, &MyDMM::updateLiveData);
    QSignalSpy closed(&dmm, &MyDMM::closed);
    const QString path = SimSession::firstPath();
    QVERIFY(dmm.open(path));
    QTRY_VERIFY(live.count() >= 1);
    dmm.close();
    QCOMPARE(closed.count(), 1);
    QVERIFY(!dmm.actived());
    live.clear();
    QVERIFY(dmm.open(path));
    QTRY_VERIFY(live.count() >= 2);
}

void TestMyDMM::unplugGivesOneCommunicationTimeout()
{
    SimSession sim;
    QVERIFY(sim.play(resFrame(5), 10, true));
    qputenv("IRMETER_SIM_UNPLUG_AFTER_MS", "150");
    MyDMM dmm;
    QSignalSpy timeout(&dmm, &MyDMM::communicationTimeout);
    QSignalSpy closed(&dmm, &MyDMM::closed);
    QVERIFY(dmm.open(SimSession::firstPath()));
    QVERIFY(timeout.wait(5000));
    QCOMPARE(closed.count(), 1);
    QVERIFY(!dmm.actived());
    QTest::qWait(100);
    QCOMPARE(timeout.count(), 1);

    qunsetenv("IRMETER_SIM_UNPLUG_AFTER_MS"); // plugged in again
    QVERIFY(dmm.open(SimSession::firstPath()));
}

void TestMyDMM::failedOpenChangesNothing()
{
    SimSession sim;
    qputenv("IRMETER_SIM_OPEN_FAIL", "1");
    MyDMM dmm;
    QSignalSpy opened(&dmm, &MyDMM::opened);
    QSignalSpy closed(&dmm, &MyDMM::closed);
    QVERIFY(!dmm.open(SimSession::firstPath()));
    QVERIFY(!dmm.actived());
    QCOMPARE(opened.count(), 0);
    QCOMPARE(closed.count(), 0);
}

void TestMyDMM::controllerThatCannotStartClosesTheDevice()
{
    SimSession sim;
    QVERIFY(sim.play(resFrame(5), 10, true));
    MyDMM dmm;
    QSignalSpy opened(&dmm, &MyDMM::opened);
    QSignalSpy closed(&dmm, &MyDMM::closed);
    CommandCtrl* ctrl = controllerOf(dmm);
    QVERIFY(ctrl);
    QVERIFY(ctrl->start()); // left running: open cannot start it
    QVERIFY(!dmm.open(SimSession::firstPath()));
    QVERIFY(!dmm.actived());
    QCOMPARE(opened.count(), 0);
    QCOMPARE(closed.count(), 0);
    ctrl->stop();
    QVERIFY2(dmm.open(SimSession::firstPath()), "the device was left open by the failed open");
}

void TestMyDMM::addCommandText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("one letter gets a line feed") << QStringLiteral("A") << QByteArray("A\n");
    QTest::newRow("ends in carriage return") << QStringLiteral("READ\r") << QByteArray("READ\r");
    QTest::newRow("ends in line feed") << QStringLiteral("READ\n") << QByteArray("READ\n");
    QTest::newRow("Latin-1") << QStringLiteral("\u00b5A")
                             << QByteArray("\xb5"
                                           "A\n");
}

void TestMyDMM::addCommandText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, content);
    SimSession sim;
    QVERIFY(sim.play(QByteArray(), 1000));
    MyDMM dmm;
    QSignalSpy sent(controllerOf(dmm), &CommandCtrl::nextCommand);
    QVERIFY(dmm.open(SimSession::firstPath()));
    dmm.addCommand(text, true, Pump::pmOnce, 700);
    QTRY_COMPARE(sent.count(), 1);
    const auto command = sent.at(0).at(0).value<QSharedPointer<Command>>();
    QCOMPARE(command->content(), content);
    QVERIFY(command->needResponse());
    QCOMPARE(command->timeout(), 700);
    QVERIFY(!command->remark().isValid());

    dmm.cmdTemplate(42);
    QTRY_COMPARE(sent.count(), 2);
    const auto templated = sent.at(1).at(0).value<QSharedPointer<Command>>();
    QCOMPARE(templated->content(), QByteArray("42\n"));
    QVERIFY(!templated->needResponse());
    QCOMPARE(templated->timeout(), 2000);
}

void TestMyDMM::initCommandLoopsBeginThenEnd()
{
    SimSession sim;
    QVERIFY(sim.play(QByteArray(), 1000));
    MyDMM dmm;
    QSignalSpy sent(controllerOf(dmm), &CommandCtrl::nextCommand);
    QSignalSpy timeout(&dmm, &MyDMM::communicationTimeout);
    QVERIFY(dmm.open(SimSession::firstPath()));
    dmm.initCommand();
    QTRY_VERIFY(sent.count() >= 5);
    QCOMPARE(contents(sent).mid(0, 5), (QByteArrayList{"BEGIN\n", "END\n", "BEGIN\n", "END\n", "BEGIN\n"}));
    QCOMPARE(timeout.count(), 0);
    QVERIFY(dmm.actived());
}

void TestMyDMM::pauseKeepsRecordsComing()
{
    SimSession sim;
    QVERIFY(sim.play(resFrame(5), 10, true));
    MyDMM dmm;
    QSignalSpy live(&dmm, &MyDMM::updateLiveData);
    QVERIFY(dmm.open(SimSession::firstPath()));
    dmm.setPause(true);
    QTRY_VERIFY(live.count() >= 3);
}

QTEST_GUILESS_MAIN(TestMyDMM)
#include "tst_mydmm.moc"
