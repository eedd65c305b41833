#include <hidapi/hidapi.h>

#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstring>
#include <thread>

namespace {

constexpr unsigned short Vendor = 0x1A86;
constexpr unsigned short Product = 0xE429;

const char* const simVariables[] = {"IRMETER_SIM_STREAM",    "IRMETER_SIM_REPORT_MS",
                                    "IRMETER_SIM_LOOP",      "IRMETER_SIM_DEVICES",
                                    "IRMETER_SIM_OPEN_FAIL", "IRMETER_SIM_UNPLUG_AFTER_MS"};

QString wide(const wchar_t* text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

struct DeviceInfo
{
    QByteArray path;
    unsigned short vendorId;
    unsigned short productId;
    QString serial;
    QString manufacturer;
    QString product;
};

QList<DeviceInfo> enumerate(unsigned short vendorId = Vendor, unsigned short productId = Product)
{
    QList<DeviceInfo> devices;
    hid_device_info* list = hid_enumerate(vendorId, productId);
    for (hid_device_info* d = list; d; d = d->next) {
        devices.append({d->path, d->vendor_id, d->product_id, wide(d->serial_number),
                        wide(d->manufacturer_string), wide(d->product_string)});
    }
    hid_free_enumeration(list);
    return devices;
}

// A stream with every byte value, header bytes included, and no period shorter than itself.
QByteArray sampleStream(int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(char((i * 7 + i / 256 + 3) & 0xFF));
    return bytes;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    return path;
}

// Hexadecimal text with mixed case, blanks, tabs and line breaks between the digits.
QByteArray asHexText(const QByteArray& bytes)
{
    QByteArray text;
    for (int i = 0; i < bytes.size(); ++i) {
        text += i % 2 ? bytes.mid(i, 1).toHex().toUpper() : bytes.mid(i, 1).toHex();
        text += i % 16 == 15 ? "\n" : (i % 5 == 4 ? "\t " : " ");
    }
    return text;
}

struct Report
{
    int result;
    QByteArray payload;
};

Report readReport(hid_device* dev, int timeoutMs)
{
    unsigned char buffer[64];
    std::memset(buffer, 0xEE, sizeof buffer);
    const int result = hid_read_timeout(dev, buffer, sizeof buffer, timeoutMs);
    if (result <= 0)
        return {result, {}};
    const int count = buffer[0];
    return {result, QByteArray(reinterpret_cast<const char*>(buffer) + 1, qMin(count, 63)) +
                        (count > 63 ? QByteArray("<count too large>") : QByteArray())};
}

// Reads until the device falls silent; every report must be a whole 64-byte one with at most 63 bytes.
QByteArray readUntilSilent(hid_device* dev, int* reports = nullptr)
{
    QByteArray all;
    int count = 0;
    for (Report r = readReport(dev, 50); r.result > 0 && count < 100000; r = readReport(dev, 50)) {
        if (r.result != 64)
            return "<short report>";
        all += r.payload;
        ++count;
    }
    if (reports)
        *reports = count;
    return all;
}

} // namespace

class TestSimHid : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void enumeration_data();
    void enumeration();
    void openByPathAndIds();
    void openFailsAsForBusyDevice();
    void unusableStreamFileFailsOpen_data();
    void unusableStreamFileFailsOpen();
    void streamArrivesByteExact_data();
    void streamArrivesByteExact();
    void endOfStream_data();
    void endOfStream();
    void reportsComeAtThePace();
    void unplugMakesReadsFail();
    void readerThreadWhileEnumerating();

private:
    QTemporaryDir m_dir;
};

void TestSimHid::init()
{
    for (const char* name : simVariables)
        qunsetenv(name);
    qputenv("IRMETER_SIM_REPORT_MS", "0");
    QCOMPARE(hid_init(), 0);
}

void TestSimHid::enumeration_data()
{
    QTest::addColumn<QByteArray>("devices");
    QTest::addColumn<int>("vendorId");
    QTest::addColumn<int>("productId");
    QTest::addColumn<int>("expected");
    QTest::newRow("nothing attached") << QByteArray("0") << int(Vendor) << int(Product) << 0;
    QTest::newRow("default one") << QByteArray() << int(Vendor) << int(Product) << 1;
    QTest::newRow("two") << QByteArray("2") << int(Vendor) << int(Product) << 2;
    QTest::newRow("0 matches any id") << QByteArray("2") << 0 << 0 << 2;
    QTest::newRow("other vendor") << QByteArray("2") << 0x1234 << int(Product) << 0;
    QTest::newRow("other product") << QByteArray("2") << int(Vendor) << 0x0001 << 0;
}

void TestSimHid::enumeration()
{
    QFETCH(QByteArray, devices);
    QFETCH(int, vendorId);
    QFETCH(int, productId);
    QFETCH(int, expected);
    if (!devices.isEmpty())
        qputenv("IRMETER_SIM_DEVICES", devices);

    const QList<DeviceInfo> found = enumerate(ushort(vendorId), ushort(productId));
    QCOMPARE(found.size(), expected);
    QSet<QString> strings;
    for (const DeviceInfo& d : found) {
        QCOMPARE(d.vendorId, Vendor);
        QCOMPARE(d.productId, Product);
        QVERIFY(!d.path.isEmpty());
        QVERIFY(!d.serial.isEmpty() && !d.manufacturer.isEmpty() && !d.product.isEmpty());
        strings << QString::fromLatin1(d.path) << d.serial << d.manufacturer << d.product;
    }
    QCOMPARE(strings.size(), 4 * expected); // every device names itself apart from the others
}

void TestSimHid::openByPathAndIds()
{
    qputenv("IRMETER_SIM_DEVICES", "2");
    const QList<DeviceInfo> found = enumerate();
    QCOMPARE(found.size(), 2);
    for (const DeviceInfo& d : found) {
        hid_device* dev = hid_open_path(d.path.constData());
        QVERIFY2(dev, qPrintable(wide(hid_error(nullptr))));
        QCOMPARE(hid_set_nonblocking(dev, 1), 0);
        QCOMPARE(readReport(dev, 1000).result, 64);
        QCOMPARE(hid_write(dev, reinterpret_cast<const unsigned char*>("\0ab"), 3), 3);
        hid_close(dev);
    }

    const std::wstring secondSerial = found[1].serial.toStdWString();
    for (const wchar_t* serial : {static_cast<const wchar_t*>(nullptr), secondSerial.c_str()}) {
        hid_device* dev = hid_open(Vendor, Product, serial);
        QVERIFY(dev);
        hid_close(dev);
    }

    QVERIFY(!hid_open(Vendor, Product, L"no such serial"));
    QVERIFY(!hid_open(Vendor, 0x0001, nullptr));
    QVERIFY(!hid_open_path("no such path"));
    QVERIFY(wide(hid_error(nullptr)).contains("no such path"));

    // Variables are read again at every open: the same path disappears with its device.
    qputenv("IRMETER_SIM_DEVICES", "0");
    QVERIFY(!hid_open_path(found[0].path.constData()));
    QVERIFY(!hid_open(Vendor, Product, nullptr));
}

void TestSimHid::openFailsAsForBusyDevice()
{
    const QByteArray path = enumerate().value(0).path;
    qputenv("IRMETER_SIM_OPEN_FAIL", "1");
    QCOMPARE(enumerate().size(), 1); // a busy device is still listed
    QVERIFY(!hid_open_path(path.constData()));
    QVERIFY(wide(hid_error(nullptr)).contains("busy"));
    QVERIFY(!hid_open(Vendor, Product, nullptr));

    qputenv("IRMETER_SIM_OPEN_FAIL", "0");
    hid_device* dev = hid_open_path(path.constData());
    QVERIFY(dev);
    hid_close(dev);
}

void TestSimHid::unusableStreamFileFailsOpen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing") << "missing.bin" << QByteArray();
    QTest::newRow("not hexadecimal") << "bad.hex" << QByteArray("ab cd 0g");
    QTest::newRow("odd digit count") << "odd.hex" << QByteArray("ab cd 0");
}

void TestSimHid::unusableStreamFileFailsOpen()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    const QString path = content.isEmpty() ? m_dir.filePath(name) : writeFile(m_dir, name, content);
    qputenv("IRMETER_SIM_STREAM", path.toLocal8Bit());
    QVERIFY(!hid_open(Vendor, Product, nullptr));
    QVERIFY(wide(hid_error(nullptr)).contains(name));
}

void TestSimHid::streamArrivesByteExact_data()
{
    QTest::addColumn<bool>("hex");
    QTest::addColumn<int>("size");
    QTest::newRow("raw, several reports") << false << 1000;
    QTest::newRow("raw, exactly one report") << false << 63;
    QTest::newRow("raw, one byte") << false << 1;
    QTest::newRow("hex text, several reports") << true << 300;
}

void TestSimHid::streamArrivesByteExact()
{
    QFETCH(bool, hex);
    QFETCH(int, size);
    const QByteArray stream = sampleStream(size);
    const QString path =
        writeFile(m_dir, hex ? "stream.hex" : "stream.bin", hex ? asHexText(stream) : stream);
    qputenv("IRMETER_SIM_STREAM", path.toLocal8Bit());
    qputenv("IRMETER_SIM_LOOP", "0");

    hid_device* dev = hid_open(Vendor, Product, nullptr);
    QVERIFY(dev);
    int reports = 0;
    QCOMPARE(readUntilSilent(dev, &reports), stream);
    QCOMPARE(reports, (size + 62) / 63); // full reports, only the last one short
    hid_close(dev);
}

void TestSimHid::endOfStream_data()
{
    QTest::addColumn<bool>("loop");
    QTest::newRow("falls silent") << false;
    QTest::newRow("starts again") << true;
}

void TestSimHid::endOfStream()
{
    QFETCH(bool, loop);
    const QByteArray stream = sampleStream(100);
    qputenv("IRMETER_SIM_STREAM", writeFile(m_dir, "short.bin", stream).toLocal8Bit());
    qputenv("IRMETER_SIM_LOOP", loop ? "1" : "0");
    hid_device* dev = hid_open(Vendor, Product, nullptr);
    QVERIFY(dev);

    QByteArray received;
    for (int i = 0; i < 2; ++i)
        received += readReport(dev, 1000).payload;
    QCOMPARE(received, stream);

    QElapsedTimer timer;
    timer.start();
    const Report next = readReport(dev, 200);
    if (loop) {
        QCOMPARE(next.result, 64);
        QCOMPARE(next.payload, stream.left(63));
    } else {
        QCOMPARE(next.result, 0);
        QVERIFY(timer.elapsed() >= 150); // it waited for the time-out
        QCOMPARE(hid_set_nonblocking(dev, 1), 0);
        unsigned char buffer[64];
        QCOMPARE(hid_read(dev, buffer, sizeof buffer), 0);
    }
    hid_close(dev);
}

void TestSimHid::reportsComeAtThePace()
{
    qputenv("IRMETER_SIM_REPORT_MS", "500");
    hid_device* dev = hid_open(Vendor, Product, nullptr);
    QVERIFY(dev);
    QCOMPARE(readReport(dev, 1000).result, 64);
    QCOMPARE(readReport(dev, 20).result, 0); // the next one is not due yet

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(readReport(dev, 5000).result, 64);
    QVERIFY(timer.elapsed() >= 300);
    hid_close(dev);
}

void TestSimHid::unplugMakesReadsFail()
{
    qputenv("IRMETER_SIM_REPORT_MS", "20");
    qputenv("IRMETER_SIM_UNPLUG_AFTER_MS", "300");
    QElapsedTimer sinceOpen;
    sinceOpen.start();
    hid_device* dev = hid_open(Vendor, Product, nullptr);
    QVERIFY(dev);
    QCOMPARE(readReport(dev, 1000).result, 64);

    int result = 1;
    while (result > 0 && sinceOpen.elapsed() < 10000)
        result = readReport(dev, 1000).result;
    QCOMPARE(result, -1);
    QVERIFY(sinceOpen.elapsed() >= 250);
    const QString error = wide(hid_error(dev));
    QVERIFY2(error.contains("disconnected"), qPrintable(error));

    // An unplugged device keeps failing.
    QCOMPARE(readReport(dev, 0).result, -1);
    QCOMPARE(hid_write(dev, reinterpret_cast<const unsigned char*>("\0a"), 2), -1);
    hid_close(dev);
}

void TestSimHid::readerThreadWhileEnumerating()
{
    hid_device* dev = hid_open(Vendor, Product, nullptr);
    QVERIFY(dev);
    std::atomic<int> good{0};
    std::thread reader([&] {
        for (int i = 0; i < 2000; ++i) {
            const Report r = readReport(dev, 1000);
            if (r.result != 64 || r.payload.isEmpty() || r.payload.size() > 63)
                break;
            ++good;
        }
    });
    int listed = 0;
    int expected = 0;
    for (int i = 0; i < 200; ++i) {
        qputenv("IRMETER_SIM_DEVICES", QByteArray::number(1 + i % 3));
        listed += enumerate().size();
        expected += 1 + i % 3;
    }
    reader.join();
    hid_close(dev);
    QCOMPARE(good.load(), 2000);
    QCOMPARE(listed, expected);
}

QTEST_GUILESS_MAIN(TestSimHid)
#include "tst_simhid.moc"
