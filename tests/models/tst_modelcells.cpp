#include "ModelRecords.h"
#include "models/ModelFactory.h"

#include <QTest>

#include <limits>
#include <memory>

namespace {

const QDateTime Measured(QDate(2024, 3, 9), QTime(14, 5, 7));

QSharedPointer<DMMData> recordOf(int mode)
{
    QSharedPointer<DMMData> record = blankRecord(mode);
    record->dateTime = Measured;
    return record;
}

QSharedPointer<DMMData> irRecord()
{
    auto record = recordOf(DMMData::dmIR);
    auto& ir = as<DMMDataIR>(record);
    ir.res = {"5.00", 5.0, "GΩ"};
    ir.resGreater = true;
    ir.current = {"0.12", 0.12, "nA"};
    ir.vSet = {"500", 500, "V"};
    ir.vOut = {"498", 498, "V"};
    ir.dar = {"1.30", 1.3, ""};
    ir.pi = {"2.10", 2.1, ""};
    ir.time = 0x0130;
    return record;
}

// `time` is the inherited field; a timed test shows its own testTime instead.
QSharedPointer<DMMData> timeRecord()
{
    auto record = recordOf(DMMData::dmTime);
    auto& timed = as<DMMDataTime>(record);
    timed.res = {"120", 120, "MΩ"};
    timed.time = 0x0203;
    timed.testTime = 0x0105;
    timed.timeSet = 0x0A00;
    timed.current = {"1.5", 1.5, "uA"};
    timed.vSet = {"1000", 1000, "V"};
    timed.vOut = {"1002", 1002, "V"};
    return record;
}

QSharedPointer<DMMData> ratioRecord(int mode, bool resGreater, bool res2Greater, const char* ratio)
{
    auto record = recordOf(mode);
    auto& pidar = as<DMMDataPIDAR>(record);
    pidar.res = {"2.00", 2.0, "GΩ"};
    pidar.resGreater = resGreater;
    pidar.res2 = {"9.99", 9.99, "GΩ"};
    pidar.res2Greater = res2Greater;
    pidar.ratio = {ratio, QString(ratio).toDouble(), ""};
    pidar.time = 0x0707;
    pidar.testTime = 0x0A05;
    pidar.timeSet = 0x0100;
    pidar.timeSet2 = 0x0A00;
    pidar.current = {"0.5", 0.5, "nA"};
    pidar.vSet = {"2500", 2500, "V"};
    pidar.vOut = {"2510", 2510, "V"};
    return record;
}

QSharedPointer<DMMData> compRecord(quint8 result)
{
    auto record = recordOf(DMMData::dmCOMP);
    auto& comp = as<DMMDataCOMP>(record);
    comp.resComp = {"100", 100, "MΩ"};
    comp.res = {"250", 250, "MΩ"};
    comp.result = result;
    comp.current = {"2.0", 2.0, "uA"};
    comp.vSet = {"250", 250, "V"};
    comp.vOut = {"251", 251, "V"};
    return record;
}

QSharedPointer<DMMData> capRecord()
{
    auto record = recordOf(DMMData::dmCAP);
    auto& cap = as<DMMDataCAP>(record);
    cap.cap = {"0.47", 0.47, "μF"};
    cap.capGreater = true;
    cap.vSet = {"500", 500, "V"};
    return record;
}

QSharedPointer<DMMData> voltRecord(const char* text, const char* acdc)
{
    auto record = recordOf(DMMData::dmVOLT);
    auto& volt = as<DMMDataVOLT>(record);
    volt.volt = {text, 230.0, "V"};
    volt.acdc = acdc;
    return record;
}

QSharedPointer<DMMData> resRecord()
{
    auto record = recordOf(DMMData::dmRES);
    auto& res = as<DMMDataRES>(record);
    res.res = {"19.99", 19.99, "Ω"};
    res.resGreater = true;
    return record;
}

std::unique_ptr<DataModel> makeModel(int mode, bool stored)
{
    return std::unique_ptr<DataModel>(stored ? ModelFactory::createStoredModel(mode)
                                             : ModelFactory::createLiveModel(mode));
}

QStringList rowTexts(const DataModel& model, int row)
{
    QStringList texts;
    for (int column = 0; column < model.columnCount(); ++column)
        texts << model.data(model.index(row, column)).toString();
    return texts;
}

} // namespace

class TestModelCells : public QObject
{
    Q_OBJECT
private slots:
    void rows_data();
    void liveRow_data() { rows_data(); }
    void liveRow();
    void storedRow_data() { rows_data(); }
    void storedRow();
    void mainColumn_data();
    void mainColumn();
    void comparatorVerdict_data();
    void comparatorVerdict();
    void nonFiniteReadingRendersAsDashTwice();
    void readoutTexts();
};

// One record per mode with the texts of its live row and the columns a stored row dashes.
void TestModelCells::rows_data()
{
    QTest::addColumn<QSharedPointer<DMMData>>("record");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("dashed");
    const QString when = "2024-03-09 14:05:07";

    QTest::newRow("IR") << irRecord() << QStringList{"1",       "2024-03-09 14:05:07",
                                                     "IR",      ">5.00 GΩ",
                                                     "0.12 nA", "500 V",
                                                     "498 V",   "1.30 ",
                                                     "2.10 ",   "01:48"}
                        << QList<int>{1};
    QTest::newRow("Time") << timeRecord() << QStringList{"1",      "2024-03-09 14:05:07",
                                                         "Time",   "120 MΩ",
                                                         "01:05",  "10:00",
                                                         "1.5 uA", "1000 V",
                                                         "1002 V"}
                          << QList<int>{1, 5};
    QTest::newRow("PI") << ratioRecord(DMMData::dmPI, false, true, "4.99")
                        << QStringList{"1",        "2024-03-09 14:05:07",
                                       "PI",       "2.00 GΩ",
                                       ">9.99 GΩ", "4.99 ",
                                       "10:05",    "01:00",
                                       "10:00",    "0.5 nA",
                                       "2500 V",   "2510 V"}
                        << QList<int>{1, 7, 8};
    QTest::newRow("DAR") << ratioRecord(DMMData::dmDAR, true, false, "1.45")
                         << QStringList{"1",       "2024-03-09 14:05:07",
                                        "DAR",     ">2.00 GΩ",
                                        "9.99 GΩ", "1.45 ",
                                        "10:05",   "01:00",
                                        "10:00",   "0.5 nA",
                                        "2500 V",  "2510 V"}
                         << QList<int>{1, 7, 8};
    QTest::newRow("COMP") << compRecord(2) << QStringList{"1",      "2024-03-09 14:05:07",
                                                          "COMP",   "100 MΩ",
                                                          "250 MΩ", "PASS",
                                                          "2.0 uA", "250 V",
                                                          "251 V"}
                          << QList<int>{1};
    QTest::newRow("CAP") << capRecord() << QStringList{"1", when, "CAP", ">0.47 μF", "500 V"}
                         << QList<int>{1};
    QTest::newRow("VOLT AC") << voltRecord("230", "AC") << QStringList{"1", when, "VOLT", "230 V", "AC"}
                             << QList<int>{1};
    QTest::newRow("VOLT DC over range")
        << voltRecord("OL", "DC") << QStringList{"1", when, "VOLT", "OL V", "DC"} << QList<int>{1};
    QTest::newRow("RES") << resRecord() << QStringList{"1", when, "RES", ">19.99 Ω"} << QList<int>{1};
}

void TestModelCells::liveRow()
{
    QFETCH(QSharedPointer<DMMData>, record);
    QFETCH(QStringList, texts);
    auto model = makeModel(record->mode, false);
    model->addData(record);
    QCOMPARE(rowTexts(*model, 0), texts);
}

void TestModelCells::storedRow()
{
    QFETCH(QSharedPointer<DMMData>, record);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, dashed);
    for (int column : dashed)
        texts[column] = "-";
    auto model = makeModel(record->mode, true);
    model->addData(record);
    QCOMPARE(rowTexts(*model, 0), texts);
}

void TestModelCells::mainColumn_data()
{
    QTest::addColumn<QSharedPointer<DMMData>>("record");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("value");
    QTest::newRow("IR") << irRecord() << "RES"
                        << ">5.00 GΩ";
    QTest::newRow("Time") << timeRecord() << "RES"
                          << "120 MΩ";
    QTest::newRow("PI") << ratioRecord(DMMData::dmPI, false, false, "4.99") << "PI"
                        << "4.99 ";
    QTest::newRow("DAR") << ratioRecord(DMMData::dmDAR, false, false, "1.45") << "DAR"
                         << "1.45 ";
    QTest::newRow("COMP") << compRecord(1) << "RES"
                          << "250 MΩ";
    QTest::newRow("CAP") << capRecord() << "CAP"
                         << ">0.47 μF";
    QTest::newRow("VOLT") << voltRecord("230", "AC") << "VOLT"
                          << "230 V";
    QTest::newRow("RES") << resRecord() << "RES"
                         << ">19.99 Ω";
}

// The chart reads the main column; a stored model never dashes it.
void TestModelCells::mainColumn()
{
    QFETCH(QSharedPointer<DMMData>, record);
    QFETCH(QString, title);
    QFETCH(QString, value);
    for (bool stored : {false, true}) {
        auto model = makeModel(record->mode, stored);
        model->addData(record);
        model->addData(record);
        QCOMPARE(model->getMainTitle(), title);
        QCOMPARE(model->getMainValue(1).toString(), value);
        QVERIFY(!model->getMainValue(2).isValid());
    }
}

void TestModelCells::comparatorVerdict_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("no verdict yet") << 0 << "";
    QTest::newRow("fail") << 1 << "FAIL";
    QTest::newRow("pass") << 2 << "PASS";
    QTest::newRow("unknown code fails") << 7 << "FAIL";
}

void TestModelCells::comparatorVerdict()
{
    QFETCH(int, result);
    QFETCH(QString, verdict);
    for (bool stored : {false, true}) {
        auto model = makeModel(DMMData::dmCOMP, stored);
        model->addData(compRecord(static_cast<quint8>(result)));
        const QVariant cell = model->data(model->index(0, 5));
        QVERIFY(cell.isValid());
        QCOMPARE(cell.toString(), verdict);
    }
}

// Rendering repairs a non-finite reading in the record once; the row reads the same after.
void TestModelCells::nonFiniteReadingRendersAsDashTwice()
{
    auto record = voltRecord("230", "DC");
    as<DMMDataVOLT>(record).volt.value = std::numeric_limits<double>::quiet_NaN();
    auto model = makeModel(DMMData::dmVOLT, false);
    model->addData(record);
    QCOMPARE(model->data(model->index(0, 3)).toString(), QStringLiteral("- V"));
    QCOMPARE(model->data(model->index(0, 3)).toString(), QStringLiteral("- V"));
    QCOMPARE(as<DMMDataVOLT>(record).volt.value, 0.0);
}

void TestModelCells::readoutTexts()
{
    auto volt = voltRecord("12.5", "DC");
    QCOMPARE(DataModel::getVOLTViewStr(volt.staticCast<DMMDataVOLT>()), QStringLiteral("12.5 V"));
    auto cap = capRecord();
    QCOMPARE(DataModel::getCAPViewStr(cap.staticCast<DMMDataCAP>()), QStringLiteral("0.47 μF"));
    QCOMPARE(DataModel::getVOLTViewStr({}), QString());
    QCOMPARE(DataModel::getCAPViewStr({}), QString());
}

QTEST_GUILESS_MAIN(TestModelCells)
#include "tst_modelcells.moc"
