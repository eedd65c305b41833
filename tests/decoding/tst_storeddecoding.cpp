#include "RecordFields.h"
#include "instrument/RecordDecoder.h"
#include "support/FrameBuilder.h"

#include <QTest>

using recordfields::verifyRecord;

namespace {

// One builder per stored layout, field by field in frame order; the fields a test does not vary are fixed.

QByteArray storedIR(float current, quint8 currUnit, float res, quint8 resUnit, quint8 resGreater, float dar,
                    float pi)
{
    return storedFrame(Payload()
                           .u8(0)
                           .f32(current)
                           .u8(currUnit)
                           .s16(500)
                           .s16(498)
                           .f32(res)
                           .u8(resUnit)
                           .u8(resGreater)
                           .f32(dar)
                           .f32(pi)
                           .u8(0x55) // not used
                           .time16(3, 7));
}

QByteArray storedTime(float current, quint8 currUnit, float res, quint8 resUnit, quint8 resGreater)
{
    return storedFrame(
        Payload().u8(1).f32(current).u8(currUnit).s16(1000).s16(1002).f32(res).u8(resUnit).time16(2, 30).u8(
            resGreater));
}

QByteArray storedPIDAR(quint8 mode, float res, quint8 resUnit, float res2, quint8 res2Unit, float ratio,
                       quint8 resGreater, quint8 res2Greater)
{
    return storedFrame(Payload()
                           .u8(mode)
                           .f32(0.5f)
                           .u8(1)
                           .s16(2500)
                           .s16(2499)
                           .u8(resGreater)
                           .f32(res)
                           .u8(resUnit)
                           .f32(res2)
                           .u8(res2Unit)
                           .f32(ratio)
                           .u8(0x55) // not used
                           .time16(9, 59)
                           .u8(res2Greater));
}

QByteArray storedCOMP(qint32 resComp, quint8 resCompUnit, float res, quint8 resUnit, quint8 result,
                      quint8 resGreater)
{
    return storedFrame(Payload()
                           .u8(4)
                           .f32(12.5f)
                           .u8(2)
                           .s16(250)
                           .s16(248)
                           .s32(resComp)
                           .u8(resCompUnit)
                           .f32(res)
                           .u8(resUnit)
                           .u8(result)
                           .u8(resGreater));
}

QByteArray storedCAP(qint16 vSet, float cap, quint8 status)
{
    return storedFrame(Payload().u8(5).s16(vSet).s16(0x7777).f32(cap).u8(status));
}

QByteArray storedVOLT(qint16 volt, quint8 acdc, quint8 negative, quint8 status)
{
    return storedFrame(Payload().u8(6).s16(volt).u8(acdc).u8(negative).u8(status));
}

QByteArray storedRES(float res, quint8 resGreater, quint8 testing, quint8 status)
{
    return storedFrame(Payload().u8(7).f32(res).u8(resGreater).u8(testing).u8(status));
}

} // namespace

class TestStoredDecoding : public QObject
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

    void shortFramesAreDropped_data();
    void shortFramesAreDropped();
    void unknownModeIsDropped_data();
    void unknownModeIsDropped();

private:
    static void addColumns();
    static void checkRow();
};

void TestStoredDecoding::addColumns()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<Fields>("fields");
}

void TestStoredDecoding::checkRow()
{
    QFETCH(QByteArray, frame);
    QFETCH(Fields, fields);
    const QDateTime before = QDateTime::currentDateTime();
    verifyRecord(RecordDecoder::decodeStored(frame), quint8(frame.at(5)), fields, before);
}

void TestStoredDecoding::layoutIR_data()
{
    addColumns();
    QTest::newRow("every field") << storedIR(9.999f, 1, 1234.5f, 2, 1, 0.0f, 99.99f)
                                 << Fields{{"current", "9.99|uA"},
                                           {"current.value", "9.99"},
                                           {"vSet", "500|V"},
                                           {"vOut", "498|V"},
                                           {"res", "1234|TΩ"},
                                           {"resGreater", "true"},
                                           {"dar", "  0|"},
                                           {"pi", "99.9|"},
                                           {"pi.value", "99.9"},
                                           {"time", "03:07"},
                                           // Stored frames carry no testing flag outside RES.
                                           {"testing", "false"}};
    QTest::newRow("unit code 0, greater only 1") << storedIR(0.005f, 0, 10.0f, 0, 2, 100.0f, -3.456f)
                                                 << Fields{{"current", "0.00|nA"},
                                                           {"res", "10.0|MΩ"},
                                                           {"resGreater", "false"},
                                                           {"dar", "100|"},
                                                           {"pi", "-3.45|"}};
    QTest::newRow("unit code 3 is no unit")
        << storedIR(1.5f, 3, 1.5f, 3, 0, 1.5f, 1.5f) << Fields{{"current", "1.50|"}, {"res", "1.50|"}};
}

void TestStoredDecoding::layoutTime_data()
{
    addColumns();
    QTest::newRow("every field") << storedTime(10.0f, 2, 0.0f, 1, 1)
                                 << Fields{
                                        {"current", "10.0|mA"}, {"vSet", "1000|V"},    {"vOut", "1002|V"},
                                        {"res", "  0|GΩ"},      {"testTime", "02:30"}, {"resGreater", "true"},
                                        {"timeSet", "00:00"},   {"time", "00:00"},     {"testing", "false"}};
    QTest::newRow("greater only 1") << storedTime(1.5f, 0, 1.5f, 0, 3) << Fields{{"resGreater", "false"}};
}

void TestStoredDecoding::layoutPIDAR_data()
{
    addColumns();
    // Unlike a live frame, resGreater comes before res, which starts at byte 16.
    QTest::newRow("PI every field") << storedPIDAR(2, 1234.5f, 0, 10.0f, 2, 1.5f, 1, 1)
                                    << Fields{{"current", "0.50|uA"},  {"vSet", "2500|V"},
                                              {"vOut", "2499|V"},      {"resGreater", "true"},
                                              {"res", "1234|MΩ"},      {"res2", "10.0|TΩ"},
                                              {"ratio", "1.50|"},      {"testTime", "09:59"},
                                              {"res2Greater", "true"}, {"timeSet", "00:00"},
                                              {"timeSet2", "00:00"},   {"testing", "false"}};
    QTest::newRow("DAR shares the layout") << storedPIDAR(3, 99.99f, 1, 9.999f, 3, 0.0f, 0, 2)
                                           << Fields{{"res", "99.9|GΩ"},
                                                     {"res2", "9.99|"},
                                                     {"ratio", "  0|"},
                                                     {"resGreater", "false"},
                                                     {"res2Greater", "false"}};
}

void TestStoredDecoding::layoutCOMP_data()
{
    addColumns();
    QTest::newRow("pass") << storedCOMP(500, 1, 100.0f, 0, 2, 1)
                          << Fields{{"current", "12.5|mA"}, {"vSet", "250|V"},   {"vOut", "248|V"},
                                    {"resComp", "500|GΩ"},  {"res", "100|MΩ"},   {"result", "2"},
                                    {"resGreater", "true"}, {"testing", "false"}};
    QTest::newRow("fail byte as received")
        << storedCOMP(-2147483647 - 1, 3, 1.5f, 2, 1, 0)
        << Fields{{"resComp", "-2147483648|"}, {"res", "1.50|TΩ"}, {"result", "1"}, {"resGreater", "false"}};
}

void TestStoredDecoding::layoutCAP_data()
{
    addColumns();
    QTest::newRow("set voltage first, then capacitance") << storedCAP(1000, 1.5f, 0)
                                                         << Fields{{"vSet", "1000|V"},
                                                                   {"cap", "1.50|μF"},
                                                                   {"capGreater", "false"},
                                                                   {"low", "false"},
                                                                   {"testing", "false"}};
    QTest::newRow("over") << storedCAP(500, 1234.5f, 2)
                          << Fields{{"cap", "1234|μF"}, {"capGreater", "true"}, {"low", "false"}};
    QTest::newRow("low") << storedCAP(500, 0.5f, 1)
                         << Fields{{"cap", "LO|μF"},
                                   {"cap.value", "0.5"},
                                   {"capGreater", "false"},
                                   {"low", "true"}};
}

void TestStoredDecoding::layoutVOLT_data()
{
    addColumns();
    QTest::newRow("DC negative, not testing") << storedVOLT(12, 1, 1, 0)
                                              << Fields{{"volt", "-12|V"},
                                                        {"volt.value", "-12"},
                                                        {"acdc", "DC"},
                                                        {"negative", "1"},
                                                        {"testing", "false"}};
    QTest::newRow("AC") << storedVOLT(12, 0, 1, 0) << Fields{{"volt", "12|V"}, {"acdc", "AC"}};
    QTest::newRow("low") << storedVOLT(5, 0, 0, 1)
                         << Fields{{"volt", "LO|V"}, {"low", "true"}, {"over", "false"}};
    QTest::newRow("over") << storedVOLT(5, 1, 1, 2)
                          << Fields{
                                 {"volt", "OL|V"}, {"volt.value", "-5"}, {"low", "false"}, {"over", "true"}};
}

void TestStoredDecoding::layoutRES_data()
{
    addColumns();
    QTest::newRow("testing from byte 11")
        << storedRES(-3.456f, 1, 1, 0)
        << Fields{{"res", "-3.45|Ω"}, {"resGreater", "true"}, {"testing", "true"}};
    QTest::newRow("testing only 1") << storedRES(1.5f, 2, 2, 0)
                                    << Fields{{"resGreater", "false"}, {"testing", "false"}};
    QTest::newRow("dashes") << storedRES(1.5f, 0, 0, 1) << Fields{{"res", "----|Ω"}};
    QTest::newRow("OL") << storedRES(1.5f, 0, 0, 2) << Fields{{"res", "OL|Ω"}, {"res.value", "1.5"}};
    QTest::newRow("LO") << storedRES(1.5f, 0, 0, 3) << Fields{{"res", "LO|Ω"}};
}

void TestStoredDecoding::shortFramesAreDropped_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<int>("lastByte");
    QTest::newRow("IR") << storedIR(1.5f, 0, 1.5f, 0, 0, 1.5f, 1.5f) << 31;
    QTest::newRow("Time") << storedTime(1.5f, 0, 1.5f, 0, 0) << 22;
    QTest::newRow("PI") << storedPIDAR(2, 1.5f, 0, 1.5f, 0, 1.5f, 0, 0) << 33;
    QTest::newRow("DAR") << storedPIDAR(3, 1.5f, 0, 1.5f, 0, 1.5f, 0, 0) << 33;
    QTest::newRow("COMP") << storedCOMP(5, 0, 1.5f, 0, 2, 0) << 26;
    QTest::newRow("CAP") << storedCAP(500, 1.5f, 0) << 14;
    QTest::newRow("VOLT") << storedVOLT(12, 1, 0, 0) << 10;
    QTest::newRow("RES") << storedRES(1.5f, 0, 1, 0) << 12;
}

void TestStoredDecoding::shortFramesAreDropped()
{
    QFETCH(QByteArray, frame);
    QFETCH(int, lastByte);
    // The layout's last byte sits right before the two checksum bytes.
    QCOMPARE(frame.size(), lastByte + 3);
    QVERIFY(RecordDecoder::decodeStored(frame));

    for (int size = 0; size < frame.size(); ++size)
        QVERIFY2(!RecordDecoder::decodeStored(frame.left(size)), qPrintable(QString::number(size)));

    const QByteArray payload = frame.mid(5, frame.size() - 7);
    QVERIFY(!RecordDecoder::decodeStored(makeFrame(3, payload.left(payload.size() - 1))));
}

void TestStoredDecoding::unknownModeIsDropped_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("8") << 8;
    QTest::newRow("128") << 128;
    QTest::newRow("255") << 255;
}

void TestStoredDecoding::unknownModeIsDropped()
{
    QFETCH(int, mode);
    const QByteArray frame = storedFrame(Payload().u8(quint8(mode)).zeros(40));
    QVERIFY(!RecordDecoder::decodeStored(frame));
}

QTEST_APPLESS_MAIN(TestStoredDecoding)
#include "tst_storeddecoding.moc"
