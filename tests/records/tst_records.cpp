#include "instrument/DMMData.h"

#include <QTest>

#include <limits>

class TestRecords : public QObject
{
    Q_OBJECT
private slots:
    void timeText_data();
    void timeText();
    void valueBoxText_data();
    void valueBoxText();
    void nonFiniteValueIsReplacedInTheBox();
    void modeNames();
    void recordDefaults();
};

void TestRecords::timeText_data()
{
    QTest::addColumn<int>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("1 min 5 s") << 0x0105 << "01:05";
    QTest::newRow("zero") << 0 << "00:00";
    QTest::newRow("width two is a minimum") << 0xFF00 << "255:00";
    QTest::newRow("largest") << 0xFFFF << "255:255";
}

void TestRecords::timeText()
{
    QFETCH(int, time);
    QFETCH(QString, text);
    QCOMPARE(TimeBox::convertString(static_cast<unsigned short>(time)), text);
}

void TestRecords::valueBoxText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("shown");
    QTest::newRow("number and unit") << " 9.99" << 9.99 << "MΩ"
                                     << " 9.99 MΩ";
    QTest::newRow("replacement word keeps the unit") << "OL" << 12.5 << "Ω"
                                                     << "OL Ω";
    QTest::newRow("no unit leaves a trailing blank") << "1.25" << 1.25 << ""
                                                     << "1.25 ";
    QTest::newRow("micro farad") << "0.47" << 0.47 << "μF"
                                 << "0.47 μF";
}

void TestRecords::valueBoxText()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, unit);
    QFETCH(QString, shown);
    ValueBox box{text, value, unit};
    QCOMPARE(box.toString(), shown);
    QCOMPARE(box.text, text);

    ValueBoxInt whole{text, 7, unit};
    QCOMPARE(whole.toString(), shown);
}

void TestRecords::nonFiniteValueIsReplacedInTheBox()
{
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity()}) {
        ValueBox box{QStringLiteral("nan"), bad, QStringLiteral("GΩ")};
        QCOMPARE(box.toString(), QStringLiteral("- GΩ"));
        QCOMPARE(box.value, 0.0);
        QCOMPARE(box.text, QStringLiteral("-"));
        QCOMPARE(box.toString(), QStringLiteral("- GΩ"));
    }
}

void TestRecords::modeNames()
{
    const QStringList expected{"IR", "Time", "PI", "DAR", "COMP", "CAP", "VOLT", "RES"};
    for (int mode = 0; mode < DMMData::ModeCount; ++mode)
        QCOMPARE(DMMData::modeName(mode), expected[mode]);
    QCOMPARE(DMMData::modeName(8), QString());
    QCOMPARE(DMMData::modeName(-1), QString());

    const QMetaObject& meta = DMMData::staticMetaObject;
    QVERIFY(meta.indexOfEnumerator("DataMode") >= 0);
}

void TestRecords::recordDefaults()
{
    QSharedPointer<DMMData> record(new DMMDataPI);
    auto* pi = static_cast<DMMDataPI*>(record.data());
    QVERIFY(pi->dateTime.isNull());
    QVERIFY(!pi->testing);
    QVERIFY(pi->res.text.isEmpty() && pi->res2.unit.isEmpty() && pi->ratio.value == 0.0);
    QCOMPARE(pi->timeSet2, quint16(0));
    QVERIFY(!pi->resGreater && !pi->res2Greater);
    QVERIFY(record->parent() == nullptr);
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
