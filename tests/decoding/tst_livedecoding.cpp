#include "RecordFields.h"
#include "instrument/RecordDecoder.h"
#include "support/FrameBuilder.h"

#include <QTest>

#include <cmath>
#include <limits>

using recordfields::verifyRecord;

namespace {

// One builder per live layout, field by field in frame order; the fields a test does not vary are fixed.

QByteArray liveIR(float current, quint8 currUnit, float res, quint8 resUnit, quint8 testing,
                  quint8 resGreater, float dar = 1.5f, float pi = 2.25f)
{
    return liveFrame(Payload()
                         .u8(0)
                         .f32(current)
                         .u8(currUnit)
                         .s16(500)
                         .s16(498)
                         .f32(res)
                         .u8(resUnit)
                         .s16(0x7777) // not used
                         .u8(testing)
                         .u8(resGreater)
                         .f32(dar)
                         .f32(pi)
                         .u8(0x55) // not used
                         .time16(1, 5));
}

QByteArray liveTime(float current, quint8 currUnit, float res, quint8 resUnit, quint8 testing,
                    quint8 resGreater)
{
    return liveFrame(Payload()
                         .u8(1)
                         .f32(current)
                         .u8(currUnit)
                         .s16(1000)
                         .s16(1002)
                         .f32(res)
                         .u8(resUnit)
                         .time16(2, 30)
                         .s16(0x7777) // not used
                         .u8(testing)
                         .u8(resGreater)
                         .time16(10, 0));
}

QByteArray livePIDAR(quint8 mode, float res, float res2, quint8 res2Unit, float ratio, quint8 testing,
                     quint8 resGreater, quint8 res2Greater)
{
    return liveFrame(Payload()
                         .u8(mode)
                         .f32(0.5f)
                         .u8(0)
                         .s16(2500)
                         .s16(2499)
                         .f32(res)
                         .u8(1)
                         .f32(res2)
                         .u8(res2Unit)
                         .f32(ratio)
                         .time16(9, 59)
                         .s16(0x7777) // not used
                         .u8(testing)
                         .u8(resGreater)
                         .time16(1, 0)
                         .time16(10, 0)
                         .u8(res2Greater));
}

QByteArray liveCOMP(qint32 resComp, quint8 resCompUnit, float res, quint8 resUnit, quint8 result,
                    quint8 testing, quint8 resGreater)
{
    return liveFrame(Payload()
                         .u8(4)
                         .f32(12.5f)
                         .u8(2)
                         .s16(250)
                         .s16(-3)
                         .s32(resComp)
                         .u8(resCompUnit)
                         .f32(res)
                         .u8(resUnit)
                         .u8(result)
                         .s16(0x7777) // not used
                         .u8(testing)
                         .u8(resGreater));
}

QByteArray liveCAP(float cap, qint16 vSet, quint8 testing, quint8 status)
{
    return liveFrame(Payload().u8(5).f32(cap).s16(vSet).s16(0x7777).u8(testing).u8(status));
}

QByteArray liveVOLT(qint16 volt, quint8 acdc, quint8 negative, quint8 status)
{
    return liveFrame(Payload().u8(6).s16(volt).u8(acdc).u8(negative).s16(0x7777).u8(status));
}

QByteArray liveRES(float res, quint8 resGreater, quint8 testing, quint8 status)
{
    return liveFrame(Payload().u8(7).f32(res).u8(resGreater).u8(testing).u8(status).u8(0x55).s16(0x7777));
}

} // namespace

class TestLiveDecoding : public QObject
{
    Q_OBJECT
private slots:
    void layoutIR_data();
    void layoutIR() { checkRow(); }
    void layoutTime_data();
    void layoutTime() { checkRow(); }
    void layoutPIDAR_data();
    void layoutPIDAR() { checkRow(); }
    void layoutCOMP_data();
    void layoutCOMP() { checkRow(); }
    void layoutCAP_data();
    void layoutCAP() { checkRow(); }
    void layoutVOLT_data();
    void layoutVOLT() { checkRow(); }
    void layoutRES_data();
    void layoutRES() { checkRow(); }

    void displayRule_data();
    void displayRule();
    void nonFiniteReadingRendersAsDash_data();
    void nonFiniteReadingRendersAsDash();
    void displayParameters_data();
    void displayParameters();
    void unitTables_data();
    void unitTables();

    void shortFramesAreDropped_data();
    void shortFramesAreDropped();
    void unknownModeIsDropped_data();
    void unknownModeIsDropped();

private:
    static void addColumns();
    static void checkRow();
};

void TestLiveDecoding::addColumns()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<Fields>("fields");
}

void TestLiveDecoding::checkRow()
{
    QFETCH(QByteArray, frame);
    QFETCH(Fields, fields);
    const QDateTime before = QDateTime::currentDateTime();
    verifyRecord(RecordDecoder::decodeLive(frame), quint8(frame.at(5)), fields, before);
}

void TestLiveDecoding::layoutIR_data()
{
    addColumns();
    QTest::newRow("every field") << liveIR(9.999f, 1, 1234.5f, 1, 1, 1, 0.0f, 99.99f)
                                 << Fields{{"current", "9.99|uA"}, {"current.value", "9.99"},
                                           {"vSet", "500|V"},      {"vSet.value", "500"},
                                           {"vOut", "498|V"},      {"res", "1234|GΩ"},
                                           {"res.value", "1234"},  {"testing", "true"},
                                           {"resGreater", "true"}, {"dar", "  0|"},
                                           {"dar.value", "0"},     {"pi", "99.9|"},
                                           {"pi.value", "99.9"},   {"time", "01:05"}};
    QTest::newRow("unit code 0") << liveIR(1.5f, 0, 10.0f, 0, 1, 0)
                                 << Fields{{"current", "1.50|nA"},
                                           {"res", "10.0|MΩ"},
                                           {"dar", "1.50|"},
                                           {"pi", "2.25|"}};
    QTest::newRow("unit code 2") << liveIR(1.5f, 2, 100.0f, 2, 1, 0)
                                 << Fields{{"current", "1.50|mA"}, {"res", "100|TΩ"}};
    QTest::newRow("unit code 3 is no unit")
        << liveIR(1.5f, 3, 0.005f, 3, 1, 0)
        << Fields{{"current", "1.50|"}, {"res", "0.00|"}, {"res.value", "0"}};
    QTest::newRow("testing is any non-zero byte, resGreater only 1")
        << liveIR(1.5f, 0, 1.5f, 0, 2, 2) << Fields{{"testing", "true"}, {"resGreater", "false"}};
    QTest::newRow("flags clear") << liveIR(1.5f, 0, 1.5f, 0, 0, 0)
                                 << Fields{{"testing", "false"}, {"resGreater", "false"}};
}

void TestLiveDecoding::layoutTime_data()
{
    addColumns();
    QTest::newRow("every field") << liveTime(-3.456f, 0, 99.99f, 2, 1, 1)
                                 << Fields{{"current", "-3.45|nA"},
                                           {"current.value", "-3.45"},
                                           {"vSet", "1000|V"},
                                           {"vOut", "1002|V"},
                                           {"res", "99.9|TΩ"},
                                           {"testTime", "02:30"},
                                           {"testing", "true"},
                                           {"resGreater", "true"},
                                           {"timeSet", "10:00"},
                                           // Not in this layout: defaults.
                                           {"time", "00:00"},
                                           {"dar", "|"},
                                           {"pi", "|"}};
    QTest::newRow("unit codes 1 and 3")
        << liveTime(10.0f, 1, 0.0f, 3, 0, 0)
        << Fields{{"current", "10.0|uA"}, {"res", "  0|"}, {"testing", "false"}, {"resGreater", "false"}};
}

void TestLiveDecoding::layoutPIDAR_data()
{
    addColumns();
    QTest::newRow("PI every field")
        << livePIDAR(2, 1234.5f, 10.0f, 2, 1.5f, 1, 1, 1)
        << Fields{{"current", "0.50|nA"}, {"vSet", "2500|V"},    {"vOut", "2499|V"},
                  {"res", "1234|GΩ"},     {"res2", "10.0|TΩ"},   {"ratio", "1.50|"},
                  {"testTime", "09:59"},  {"testing", "true"},   {"resGreater", "true"},
                  {"timeSet", "01:00"},   {"timeSet2", "10:00"}, {"res2Greater", "true"},
                  {"time", "00:00"},      {"dar", "|"},          {"pi", "|"}};
    QTest::newRow("DAR shares the layout")
        << livePIDAR(3, 100.0f, 99.99f, 0, -3.456f, 0, 0, 0)
        << Fields{{"res", "100|GΩ"},    {"res2", "99.9|MΩ"},     {"ratio", "-3.45|"},
                  {"testing", "false"}, {"resGreater", "false"}, {"res2Greater", "false"}};
    QTest::newRow("res2 unit code 3, greater flags only 1")
        << livePIDAR(2, 0.0f, 9.999f, 3, 0.0f, 5, 2, 2)
        << Fields{{"res2", "9.99|"}, {"testing", "true"}, {"resGreater", "false"}, {"res2Greater", "false"}};
}

void TestLiveDecoding::layoutCOMP_data()
{
    addColumns();
    QTest::newRow("pass") << liveCOMP(500, 0, 1234.5f, 1, 2, 1, 1)
                          << Fields{{"current", "12.5|mA"}, {"vSet", "250|V"},     {"vOut", "-3|V"},
                                    {"vOut.value", "-3"},   {"resComp", "500|MΩ"}, {"resComp.value", "500"},
                                    {"res", "1234|GΩ"},     {"result", "2"},       {"testing", "true"},
                                    {"resGreater", "true"}, {"time", "00:00"}};
    QTest::newRow("no verdict") << liveCOMP(-7, 2, 0.005f, 2, 0, 0, 0)
                                << Fields{{"resComp", "-7|TΩ"},
                                          {"res", "0.00|TΩ"},
                                          {"result", "0"},
                                          {"testing", "false"},
                                          {"resGreater", "false"}};
    QTest::newRow("fail byte as received, unit code 3")
        << liveCOMP(2147483647, 3, 10.0f, 3, 7, 9, 3)
        << Fields{{"resComp", "2147483647|"}, {"res", "10.0|"}, {"result", "7"}, {"resGreater", "false"}};
}

void TestLiveDecoding::layoutCAP_data()
{
    addColumns();
    QTest::newRow("in range") << liveCAP(0.005f, 1000, 1, 0)
                              << Fields{{"cap", "0.00|μF"},  {"cap.value", "0"},      {"vSet", "1000|V"},
                                        {"testing", "true"}, {"capGreater", "false"}, {"low", "false"}};
    QTest::newRow("over keeps the number")
        << liveCAP(99.99f, 500, 0, 2)
        << Fields{{"cap", "99.9|μF"}, {"testing", "false"}, {"capGreater", "true"}, {"low", "false"}};
    QTest::newRow("low replaces the text")
        << liveCAP(0.5f, 500, 1, 1)
        << Fields{{"cap", "LO|μF"}, {"cap.value", "0.5"}, {"capGreater", "false"}, {"low", "true"}};
    QTest::newRow("other status byte")
        << liveCAP(0.5f, 500, 1, 3) << Fields{{"cap", "0.50|μF"}, {"capGreater", "false"}, {"low", "false"}};
}

void TestLiveDecoding::layoutVOLT_data()
{
    addColumns();
    QTest::newRow("DC negative") << liveVOLT(12, 1, 1, 0)
                                 << Fields{{"volt", "-12|V"},  {"volt.value", "-12"}, {"acdc", "DC"},
                                           {"negative", "1"},  {"low", "false"},      {"over", "false"},
                                           {"testing", "true"}};
    QTest::newRow("AC ignores the sign byte") << liveVOLT(12, 0, 1, 0)
                                              << Fields{{"volt", "12|V"},
                                                        {"volt.value", "12"},
                                                        {"acdc", "AC"},
                                                        {"negative", "1"},
                                                        {"testing", "true"}};
    QTest::newRow("DC positive, any non-zero byte is DC")
        << liveVOLT(1000, 7, 0, 0) << Fields{{"volt", "1000|V"}, {"acdc", "DC"}, {"negative", "0"}};
    QTest::newRow("sign byte as received")
        << liveVOLT(230, 1, 0x80, 0) << Fields{{"volt", "-230|V"}, {"negative", "128"}};
    QTest::newRow("largest magnitude") << liveVOLT(-32768, 0, 0, 0) << Fields{{"volt", "-32768|V"}};
    QTest::newRow("low") << liveVOLT(3, 0, 0, 1)
                         << Fields{{"volt", "LO|V"}, {"volt.value", "3"}, {"low", "true"}, {"over", "false"}};
    QTest::newRow("over replaces the signed text") << liveVOLT(12, 1, 1, 2)
                                                   << Fields{{"volt", "OL|V"},
                                                             {"volt.value", "-12"},
                                                             {"low", "false"},
                                                             {"over", "true"},
                                                             {"testing", "true"}};
}

void TestLiveDecoding::layoutRES_data()
{
    addColumns();
    QTest::newRow("number") << liveRES(1234.5f, 1, 1, 0)
                            << Fields{{"res", "1234|Ω"}, {"resGreater", "true"}, {"testing", "true"}};
    QTest::newRow("dashes") << liveRES(9.999f, 0, 0, 1)
                            << Fields{{"res", "----|Ω"}, {"res.value", "9.99"}, {"testing", "false"}};
    QTest::newRow("OL keeps value and unit")
        << liveRES(10.0f, 0, 1, 2) << Fields{{"res", "OL|Ω"}, {"res.value", "10"}};
    QTest::newRow("LO") << liveRES(0.0f, 0, 1, 3) << Fields{{"res", "LO|Ω"}};
    QTest::newRow("other status keeps the number") << liveRES(0.0f, 0, 1, 4) << Fields{{"res", "  0|Ω"}};
    QTest::newRow("flags only 1") << liveRES(1.5f, 2, 2, 0)
                                  << Fields{{"resGreater", "false"}, {"testing", "false"}};
}

void TestLiveDecoding::displayRule_data()
{
    QTest::addColumn<float>("reading");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("0") << 0.0f << "  0" << 0.0;
    QTest::newRow("negative zero") << -0.0f << "  0" << 0.0;
    QTest::newRow("0.005") << 0.005f << "0.00" << 0.0;
    QTest::newRow("0.5") << 0.5f << "0.50" << 0.5;
    QTest::newRow("9.999") << 9.999f << "9.99" << 9.99;
    QTest::newRow("10") << 10.0f << "10.0" << 10.0;
    QTest::newRow("99.99") << 99.99f << "99.9" << 99.9;
    QTest::newRow("100") << 100.0f << "100" << 100.0;
    QTest::newRow("1234.5") << 1234.5f << "1234" << 1234.0;
    QTest::newRow("-3.456") << -3.456f << "-3.45" << -3.45;
    QTest::newRow("small negative truncates to zero") << -0.001f << "0.00" << 0.0;
    QTest::newRow("negative below -10 keeps two decimals") << -250.0f << "-250.00" << -250.0;
    QTest::newRow("largest truncatable, no decimals") << 2e9f << "2000000000" << 2e9;
    QTest::newRow("beyond 32 bits keeps its own value") << 5e9f << "5000000000" << 5e9;
    QTest::newRow("negative beyond 32 bits once scaled") << -3e7f << "-30000000.00" << -3e7;
}

void TestLiveDecoding::displayRule()
{
    QFETCH(float, reading);
    QFETCH(QString, text);
    QFETCH(double, value);
    const QSharedPointer<DMMData> record = RecordDecoder::decodeLive(liveRES(reading, 0, 1, 0));
    QVERIFY(record);
    const auto& res = static_cast<const DMMDataRES&>(*record).res;
    QCOMPARE(res.text, text);
    QCOMPARE(res.value, value);
    QCOMPARE(res.unit, QStringLiteral("Ω"));
}

void TestLiveDecoding::nonFiniteReadingRendersAsDash_data()
{
    QTest::addColumn<float>("reading");
    QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN();
    QTest::newRow("infinity") << std::numeric_limits<float>::infinity();
    QTest::newRow("minus infinity") << -std::numeric_limits<float>::infinity();
}

void TestLiveDecoding::nonFiniteReadingRendersAsDash()
{
    QFETCH(float, reading);
    const QSharedPointer<DMMData> record = RecordDecoder::decodeLive(liveCAP(reading, 500, 1, 0));
    QVERIFY(record);
    ValueBox cap = static_cast<const DMMDataCAP&>(*record).cap;
    QVERIFY(!std::isfinite(cap.value));
    QCOMPARE(cap.text, QStringLiteral("-"));
    QCOMPARE(cap.toString(), QStringLiteral("- μF"));
    QCOMPARE(cap.unit, QString(QChar(0x03BC)) + QLatin1Char('F'));
}

void TestLiveDecoding::displayParameters_data()
{
    QTest::addColumn<double>("v");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("precision");
    QTest::newRow("zero") << 0.0 << 3 << 0;
    QTest::newRow("just above zero") << 1e-9 << 4 << 2;
    QTest::newRow("just below 10") << 9.999999 << 4 << 2;
    QTest::newRow("10") << 10.0 << 4 << 1;
    QTest::newRow("just below 100") << 99.999999 << 4 << 1;
    QTest::newRow("100") << 100.0 << 3 << 0;
    QTest::newRow("large negative counts as below 10") << -1000.0 << 4 << 2;
}

void TestLiveDecoding::displayParameters()
{
    QFETCH(double, v);
    QFETCH(int, width);
    QFETCH(int, precision);
    int w = -1;
    int p = -1;
    RecordDecoder::getDoubleParam(v, w, p);
    QCOMPARE(w, width);
    QCOMPARE(p, precision);
    QCOMPARE(RecordDecoder::getfieldWidth(v), width);
    QCOMPARE(RecordDecoder::getPrecision(v), precision);
}

void TestLiveDecoding::unitTables_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("resistance");
    QTest::newRow("0") << 0 << "nA"
                       << "MΩ";
    QTest::newRow("1") << 1 << "uA"
                       << "GΩ";
    QTest::newRow("2") << 2 << "mA"
                       << "TΩ";
    QTest::newRow("3") << 3 << ""
                       << "";
    QTest::newRow("255") << 255 << ""
                         << "";
    QTest::newRow("-1") << -1 << ""
                        << "";
}

void TestLiveDecoding::unitTables()
{
    QFETCH(int, code);
    QFETCH(QString, current);
    QFETCH(QString, resistance);
    QCOMPARE(RecordDecoder::getCurrUnit(code), current);
    QCOMPARE(RecordDecoder::getResUnit(code), resistance);
    QVERIFY(RecordDecoder::getResUnit(code).isEmpty() ||
            RecordDecoder::getResUnit(code).endsWith(QChar(0x03A9)));
}

void TestLiveDecoding::shortFramesAreDropped_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<int>("lastByte");
    QTest::newRow("IR") << liveIR(1.5f, 0, 1.5f, 0, 1, 0) << 34;
    QTest::newRow("Time") << liveTime(1.5f, 0, 1.5f, 0, 1, 0) << 27;
    QTest::newRow("PI") << livePIDAR(2, 1.5f, 1.5f, 0, 1.5f, 1, 0, 0) << 39;
    QTest::newRow("DAR") << livePIDAR(3, 1.5f, 1.5f, 0, 1.5f, 1, 0, 0) << 39;
    QTest::newRow("COMP") << liveCOMP(5, 0, 1.5f, 0, 2, 1, 0) << 29;
    QTest::newRow("CAP") << liveCAP(1.5f, 500, 1, 0) << 15;
    QTest::newRow("VOLT") << liveVOLT(12, 1, 0, 0) << 12;
    QTest::newRow("RES") << liveRES(1.5f, 0, 1, 0) << 15;
}

void TestLiveDecoding::shortFramesAreDropped()
{
    QFETCH(QByteArray, frame);
    QFETCH(int, lastByte);
    // The layout's last byte sits right before the two checksum bytes.
    QCOMPARE(frame.size(), lastByte + 3);
    QVERIFY(RecordDecoder::decodeLive(frame));

    for (int size = 0; size < frame.size(); ++size)
        QVERIFY2(!RecordDecoder::decodeLive(frame.left(size)), qPrintable(QString::number(size)));

    // A whole, well-formed frame whose payload stops one byte short.
    const QByteArray payload = frame.mid(5, frame.size() - 7);
    QVERIFY(!RecordDecoder::decodeLive(makeFrame(2, payload.left(payload.size() - 1))));

    // Extra bytes before the checksum are not read.
    QVERIFY(RecordDecoder::decodeLive(makeFrame(2, payload + QByteArray(8, '\x11'))));
}

void TestLiveDecoding::unknownModeIsDropped_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("8") << 8;
    QTest::newRow("9") << 9;
    QTest::newRow("255") << 255;
}

void TestLiveDecoding::unknownModeIsDropped()
{
    QFETCH(int, mode);
    // Long enough for any layout, so only the mode byte can be the reason.
    const QByteArray frame = liveFrame(Payload().u8(quint8(mode)).zeros(40));
    QVERIFY(!RecordDecoder::decodeLive(frame));
}

QTEST_APPLESS_MAIN(TestLiveDecoding)
#include "tst_livedecoding.moc"
