#include <tolva/util/StringListReader.h>

#include <QTest>

using tolva::util::character::StringListReader;
using Rows = QList<QList<QString>>;

class TestTableReader : public QObject
{
    Q_OBJECT
private slots:
    void columnCount_data();
    void columnCount();
    void outOfRangeGivesEmptyResults();
    void setContentReplaces();
};

void TestTableReader::columnCount_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<int>("widest");
    QTest::newRow("rows of 3, 5 and 2 cells")
        << Rows{{"a", "b", "c"}, {"1", "2", "3", "4", "5"}, {"x", "y"}} << 5;
    QTest::newRow("widest row first") << Rows{{"1", "2", "3", "4"}, {"a"}} << 4;
    QTest::newRow("one row of 3") << Rows{{"a", "b", "c"}} << 3;
    QTest::newRow("rows without cells") << Rows{{}, {}} << 0;
    QTest::newRow("no rows") << Rows{} << 0;
}

void TestTableReader::columnCount()
{
    QFETCH(Rows, rows);
    QFETCH(int, widest);
    StringListReader reader(rows);
    QCOMPARE(reader.columnCount(), widest);
    QCOMPARE(reader.rowCount(), rows.size());
    QCOMPARE(reader.isEmpty(), rows.isEmpty());
    for (int r = 0; r < rows.size(); ++r)
        QCOMPARE(reader.columnCount(r), rows.at(r).size());
}

void TestTableReader::outOfRangeGivesEmptyResults()
{
    StringListReader reader(Rows{{"a", "b"}, {"c"}, {}});
    QCOMPARE(reader.columnCount(3), 0);
    QCOMPARE(reader.columnCount(-1), 0);
    QCOMPARE(reader.row(1), QList<QString>{"c"});
    QCOMPARE(reader[0], (QList<QString>{"a", "b"}));
    QVERIFY(reader.row(3).isEmpty());
    QVERIFY(reader[-1].isEmpty());
    QCOMPARE(reader.cell(0, 1), QString("b"));
    QVERIFY(reader.cell(1, 1).isNull());
    QVERIFY(reader.cell(-1, 0).isNull());
    QVERIFY(reader.cell(0, -1).isNull());
    QVERIFY(reader.cell(5, 0).isNull());
}

void TestTableReader::setContentReplaces()
{
    StringListReader reader(Rows{{"a"}});
    QVERIFY(reader.load());
    QCOMPARE(reader.content(), (Rows{{"a"}}));
    reader.setContent(Rows{{"x", "y"}, {"z"}});
    QVERIFY(reader.load());
    QCOMPARE(reader.content(), (Rows{{"x", "y"}, {"z"}}));
}

QTEST_APPLESS_MAIN(TestTableReader)
#include "tst_tablereader.moc"
