#include "device/HIDDevice.h"
#include "device/HIDDeviceP.h"
#include "device/SimSession.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

namespace {

QByteArray joined(const QSignalSpy& spy)
{
    QByteArray bytes;
    for (const QList<QVariant>& args : spy)
        bytes += args.at(0).toByteArray();
    return bytes;
}

} // namespace

class TestHIDDevice : public QObject
{
    Q_OBJECT
private slots:
    void payloadOfReport_data();
    void payloadOfReport();
    void enumerate();
    void bytesArriveInOrder();
    void openOnOpenLinkFails();
    void closeNeverOpenedEmitsClosedAtOnce();
    void closeWhileReadWaits();
    void openCloseOpenReadsAgain();
    void failedOpenChangesNothing();
    void unplugEndsReading();
};

void TestHIDDevice::payloadOfReport_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<QByteArray>("payload");
    const QByteArray body = countingBytes(63);
    QTest::newRow("count byte 0") << (QByteArray(1, '\0') + body) << QByteArray();
    QTest::newRow("three bytes") << (QByteArray(1, '\3') + body) << body.left(3);
    QTest::newRow("full report") << (QByteArray(1, char(63)) + body) << body;
    QTest::newRow("count beyond a short read") << (QByteArray(1, char(63)) + body.left(4)) << body.left(4);
    QTest::newRow("count beyond the report") << (QByteArray(1, char(200)) + body) << body;
    QTest::newRow("count byte alone") << QByteArray(1, '\5') << QByteArray();
}

void TestHIDDevice::payloadOfReport()
{
    QFETCH(QByteArray, report);
    QFETCH(QByteArray, payload);
    QCOMPARE(HIDDeviceP::payloadOf(reinterpret_cast<const unsigned char*>(report.constData()), report.size()),
             payload);
}

void TestHIDDevice::enumerate()
{
    SimSession sim;
    qputenv("IRMETER_SIM_DEVICES", "0");
    QVERIFY(HIDDevice::enumerate(SimSession::VendorId, SimSession::ProductId).isEmpty());
    qputenv("IRMETER_SIM_DEVICES", "2");
    const QList<HIDDevInfo> devices = HIDDevice::enumerate(SimSession::VendorId, SimSession::ProductId);
    QCOMPARE(devices.size(), 2);
    QVERIFY(devices[0].path != devices[1].path);
    QCOMPARE(devices[0].vendorId, SimSession::VendorId);
    QCOMPARE(devices[0].productId, SimSession::ProductId);
    QVERIFY(HIDDevice::enumerate(0x1234, 0x5678).isEmpty());
}

void TestHIDDevice::bytesArriveInOrder()
{
    SimSession sim;
    const QByteArray stream = countingBytes(1000);
    QVERIFY(sim.play(stream));
    HIDDevice device;
    QSignalSpy bytes(&device, &HIDDevice::readyRead);
    QSignalSpy opened(&device, &HIDDevice::opened);
    QVERIFY(device.open(SimSession::firstPath()));
    QCOMPARE(opened.count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(joined(bytes).size() >= stream.size(), 10000);
    device.close();
    QCOMPARE(joined(bytes), stream);
}

void TestHIDDevice::openOnOpenLinkFails()
{
    SimSession sim;
    QVERIFY(sim.play(countingBytes(63), 20, true));
    HIDDevice device;
    QSignalSpy opened(&device, &HIDDevice::opened);
    QSignalSpy bytes(&device, &HIDDevice::readyRead);
    const QString path = SimSession::firstPath();
    QVERIFY(device.open(path));
    QVERIFY(!device.open(path));
    QVERIFY(!device.open(SimSession::VendorId, SimSession::ProductId));
    QCOMPARE(opened.count(), 1);
    QVERIFY(device.isOpen());
    QTRY_VERIFY(bytes.count() >= 3);
}

void TestHIDDevice::closeNeverOpenedEmitsClosedAtOnce()
{
    HIDDevice device;
    QSignalSpy closed(&device, &HIDDevice::closed);
    QElapsedTimer elapsed;
    elapsed.start();
    device.close();
    QVERIFY(elapsed.elapsed() < 500);
    QCOMPARE(closed.count(), 1);
}

void TestHIDDevice::closeWhileReadWaits()
{
    SimSession sim;
    QVERIFY(sim.play(countingBytes(10), 600000));
    HIDDevice device;
    QSignalSpy closed(&device, &HIDDevice::closed);
    QVERIFY(device.open(SimSession::firstPath()));
    QTest::qWait(200); // the reader is now inside a read that waits for a report
    QElapsedTimer elapsed;
    elapsed.start();
    device.close();
    QVERIFY2(elapsed.elapsed() < 2500, qPrintable(QString::number(elapsed.elapsed())));
    QCOMPARE(closed.count(), 1);
    QVERIFY(!device.isOpen());
}

void TestHIDDevice::openCloseOpenReadsAgain()
{
    SimSession sim;
    QVERIFY(sim.play(countingBytes(63), 5, true));
    HIDDevice device;
    QSignalSpy bytes(&device, &HIDDevice::readyRead);
    QVERIFY(device.open(SimSession::VendorId, SimSession::ProductId));
    QTRY_VERIFY(bytes.count() >= 2);
    device.close();
    QTest::qWait(50); // reports read before the close are still delivered
    bytes.clear();
    QTest::qWait(100);
    QCOMPARE(bytes.count(), 0);
    QVERIFY(device.open(SimSession::firstPath()));
    QTRY_VERIFY(bytes.count() >= 2);
}

void TestHIDDevice::failedOpenChangesNothing()
{
    SimSession sim;
    qputenv("IRMETER_SIM_OPEN_FAIL", "1");
    HIDDevice device;
    QSignalSpy opened(&device, &HIDDevice::opened);
    QSignalSpy closed(&device, &HIDDevice::closed);
    QVERIFY(!device.open(SimSession::firstPath()));
    QVERIFY(!device.isOpen());
    QCOMPARE(opened.count(), 0);
    QCOMPARE(closed.count(), 0);
    qunsetenv("IRMETER_SIM_OPEN_FAIL");
    QVERIFY(device.open(SimSession::firstPath()));
}

void TestHIDDevice::unplugEndsReading()
{
    SimSession sim;
    QVERIFY(sim.play(countingBytes(63), 10, true));
    qputenv("IRMETER_SIM_UNPLUG_AFTER_MS", "150");
    HIDDevice device;
    QSignalSpy lost(&device, &HIDDevice::disconnected);
    QVERIFY(device.open(SimSession::firstPath()));
    QVERIFY(lost.wait(5000));
    QTest::qWait(100);
    QCOMPARE(lost.count(), 1);
    device.close();
    QVERIFY(!device.isOpen());
}

QTEST_GUILESS_MAIN(TestHIDDevice)
#include "tst_hiddevice.moc"
