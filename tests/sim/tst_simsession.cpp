#include "instrument/FrameAssembler.h"
#include "tools/sim/Session.h"

#include <hidapi/hidapi.h>

#include <QSet>
#include <QTest>

#include <cmath>
#include <cstring>

namespace {

// Frame lengths per mode (IR, Time, PI, DAR, COMP, CAP, VOLT, RES): last field's byte + 3.
const int liveLength[8] = {37, 30, 42, 42, 32, 18, 15, 18};
const int storedLength[8] = {34, 25, 36, 36, 29, 17, 13, 15};

enum Mode { IR, Time, PI, DAR, COMP, CAP, VOLT, RES };

int mode(const QByteArray& frame)
{
    return quint8(frame[5]);
}

quint8 u8(const QByteArray& f, int at)
{
    return quint8(f[at]);
}

quint32 be32(const QByteArray& f, int at)
{
    return quint32(u8(f, at)) << 24 | quint32(u8(f, at + 1)) << 16 | quint32(u8(f, at + 2)) << 8 |
           u8(f, at + 3);
}

qint16 s16(const QByteArray& f, int at)
{
    return qint16(quint16(u8(f, at) << 8 | u8(f, at + 1)));
}

float f32(const QByteArray& f, int at)
{
    const quint32 bits = be32(f, at);
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

int seconds(const QByteArray& f, int at)
{
    return u8(f, at) * 60 + u8(f, at + 1);
}

double amperes(const QByteArray& f, int at)
{
    static const double scale[3] = {1e-9, 1e-6, 1e-3};
    return f32(f, at) * scale[u8(f, at + 4)];
}

double ohms(const QByteArray& f, int at)
{
    static const double scale[3] = {1e6, 1e9, 1e12};
    return f32(f, at) * scale[u8(f, at + 4)];
}

bool near(double a, double b, double relative = 1e-3)
{
    return std::fabs(a - b) <= relative * std::fabs(b);
}

} // namespace

// One loop of the built-in session, read through the hidapi calls and cut into frames.
class TestSimSession : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyReportIsOneVerifiedFrame();
    void framesFollowTheLayouts();
    void everyModeAppears();
    void insulationReadingsObeyOhmsLaw();
    void testsRunTheirCourse();
    void otherModesShowTheirSpecialReadings();

private:
    std::vector<irmetersim::Bytes> m_session;
    QList<QByteArray> m_reports;
    QByteArray m_reportAfterLoop;
    QList<QByteArray> m_live;
    QList<QByteArray> m_stored;
    QList<QByteArray> m_inOrder;
    FrameAssembler m_assembler;
};

void TestSimSession::initTestCase()
{
    qunsetenv("IRMETER_SIM_STREAM");
    qunsetenv("IRMETER_SIM_LOOP");
    qunsetenv("IRMETER_SIM_UNPLUG_AFTER_MS");
    qputenv("IRMETER_SIM_REPORT_MS", "0");
    connect(&m_assembler, &FrameAssembler::liveFrame, this, [this](const QByteArray& f) {
        m_live << f;
        m_inOrder << f;
    });
    connect(&m_assembler, &FrameAssembler::storedFrame, this, [this](const QByteArray& f) {
        m_stored << f;
        m_inOrder << f;
    });

    m_session = irmetersim::builtInSession();
    QVERIFY(m_session.size() > 100);
    hid_device* dev = hid_open(0x1A86, 0xE429, nullptr);
    QVERIFY(dev);
    unsigned char buffer[64];
    for (size_t i = 0; i <= m_session.size(); ++i) {
        QCOMPARE(hid_read_timeout(dev, buffer, sizeof buffer, 1000), 64);
        QVERIFY(buffer[0] <= 63);
        const QByteArray payload(reinterpret_cast<const char*>(buffer) + 1, buffer[0]);
        if (i == m_session.size()) {
            m_reportAfterLoop = payload;
            break;
        }
        m_reports << payload;
        m_assembler.feed(buffer + 1, buffer[0]);
    }
    hid_close(dev);
}

void TestSimSession::everyReportIsOneVerifiedFrame()
{
    QCOMPARE(m_inOrder.size(), int(m_session.size()));
    for (int i = 0; i < m_inOrder.size(); ++i) {
        QCOMPARE(m_inOrder[i], m_reports[i]);
        QCOMPARE(m_reports[i], QByteArray(reinterpret_cast<const char*>(m_session[size_t(i)].data()),
                                          int(m_session[size_t(i)].size())));
    }
    QVERIFY(m_assembler.buffer().isEmpty());
    QCOMPARE(m_reportAfterLoop, m_reports.first()); // and then it starts again
}

void TestSimSession::framesFollowTheLayouts()
{
    for (const QByteArray& f : m_live) {
        QVERIFY(mode(f) <= RES);
        QCOMPARE(f.size(), liveLength[mode(f)]);
    }
    for (const QByteArray& f : m_stored) {
        QVERIFY(mode(f) <= RES);
        QCOMPARE(f.size(), storedLength[mode(f)]);
    }
}

void TestSimSession::everyModeAppears()
{
    QSet<int> live;
    QSet<int> stored;
    for (const QByteArray& f : m_live)
        live << mode(f);
    for (const QByteArray& f : m_stored)
        stored << mode(f);
    QCOMPARE(live.size(), 8);
    QCOMPARE(stored.size(), 8);
}

void TestSimSession::insulationReadingsObeyOhmsLaw()
{
    int checked = 0;
    bool reachedSetVoltage = false;
    for (const QByteArray& f : m_live) {
        const int m = mode(f);
        if (m > COMP || m == PI || m == DAR)
            continue;
        const int vSet = s16(f, 11);
        const int vOut = s16(f, 13);
        QVERIFY(vOut >= 0 && vOut <= vSet * 1.02);
        if (vOut == 0)
            continue;
        const double r = m == COMP ? ohms(f, 20) : ohms(f, 15);
        QVERIFY2(near(vOut / amperes(f, 6), r), qPrintable(QByteArray(f.toHex())));
        reachedSetVoltage = reachedSetVoltage || std::abs(vOut - vSet) <= 2;
        ++checked;
    }
    QVERIFY(checked > 100);
    QVERIFY(reachedSetVoltage);

    // Stored records were taken at the output voltage they show.
    for (const QByteArray& f : m_stored) {
        if (mode(f) == IR || mode(f) == Time)
            QVERIFY(near(s16(f, 13) / amperes(f, 6), ohms(f, 15)));
    }
}

void TestSimSession::testsRunTheirCourse()
{
    QSet<int> testingFlags;
    int longestTimedTest = 0;
    int timeSet = -1;
    int ratioResults = 0;
    for (const QByteArray& f : m_live) {
        if (mode(f) == IR)
            testingFlags << u8(f, 22);
        if (mode(f) == Time) {
            longestTimedTest = qMax(longestTimedTest, seconds(f, 20));
            timeSet = seconds(f, 26);
        }
        if ((mode(f) == PI || mode(f) == DAR) && f32(f, 25) > 0) {
            QVERIFY(seconds(f, 29) >= seconds(f, 37));
            QVERIFY(seconds(f, 35) < seconds(f, 37));
            QVERIFY(near(f32(f, 25), ohms(f, 20) / ohms(f, 15)));
            ++ratioResults;
        }
    }
    QCOMPARE(testingFlags, QSet<int>({0, 1}));
    QVERIFY(timeSet > 0);
    QCOMPARE(longestTimedTest, timeSet);
    QVERIFY(ratioResults > 0);

    for (const QByteArray& f : m_stored) {
        if (mode(f) == PI || mode(f) == DAR)
            QVERIFY(near(f32(f, 26), ohms(f, 21) / ohms(f, 16)));
    }
}

void TestSimSession::otherModesShowTheirSpecialReadings()
{
    QSet<int> compResults;
    bool negativeDc = false;
    bool ac = false;
    bool resOverRange = false;
    bool capAfterTest = false;
    bool capTesting = false;
    for (const QByteArray& f : m_live) {
        switch (mode(f)) {
        case COMP:
            compResults << u8(f, 25);
            break;
        case VOLT:
            negativeDc = negativeDc || (u8(f, 8) && u8(f, 9) && s16(f, 6) > 0);
            ac = ac || (!u8(f, 8) && s16(f, 6) > 100);
            break;
        case RES:
            resOverRange = resOverRange || (u8(f, 10) == 1 && u8(f, 12) == 2);
            break;
        case CAP:
            capTesting = capTesting || u8(f, 14);
            capAfterTest = capAfterTest || (capTesting && !u8(f, 14) && f32(f, 6) > 0 && u8(f, 15) == 0);
            break;
        }
    }
    QCOMPARE(compResults, QSet<int>({0, 1, 2}));
    QVERIFY(negativeDc);
    QVERIFY(ac);
    QVERIFY(resOverRange);
    QVERIFY(capAfterTest);
}

QTEST_GUILESS_MAIN(TestSimSession)
#include "tst_simsession.moc"
