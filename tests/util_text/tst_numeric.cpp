#include <tolva/util/Numeric.h>
#include <tolva/util/Range.h>

#include <QTest>

#include <limits>

using tolva::util::numeric::Numeric;
using tolva::util::numeric::Range;

namespace {
const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();
} // namespace

class TestNumeric : public QObject
{
    Q_OBJECT
private slots:
    void fuzzyCompare_data();
    void fuzzyCompare();
    void fuzzyCompareFloat();
    void fuzzyIsNull();
    void getPrecision_data();
    void getPrecision();
    void construction();
    void expand();
    void bounded_data();
    void bounded();
    void sanitizedForLogScale_data();
    void sanitizedForLogScale();
    void validRange_data();
    void validRange();
};

void TestNumeric::fuzzyCompare_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<bool>("equal");
    QTest::newRow("1e-13 apart") << 1.0 << 1.0 + 1e-13 << true;
    QTest::newRow("1e-4 apart") << 1.0 << 1.0001 << false;
    QTest::newRow("zero and tiny") << 0.0 << 1e-20 << false;
    QTest::newRow("two zeros") << 0.0 << 0.0 << true;
    QTest::newRow("large values") << 1e200 << 1e200 * (1 + 1e-14) << true;
    QTest::newRow("opposite signs") << 1.0 << -1.0 << false;
}

void TestNumeric::fuzzyCompare()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(bool, equal);
    QCOMPARE(Numeric::fuzzy_compare(a, b), equal);
    QCOMPARE(Numeric::fuzzy_compare(b, a), equal);
}

void TestNumeric::fuzzyCompareFloat()
{
    QVERIFY(Numeric::fuzzy_compare(1.0f, 1.000001f));
    QVERIFY(!Numeric::fuzzy_compare(1.0f, 1.001f));
    QVERIFY(!Numeric::fuzzy_compare(0.0f, 1e-20f));
}

void TestNumeric::fuzzyIsNull()
{
    QVERIFY(Numeric::fuzzy_is_null(1e-12));
    QVERIFY(Numeric::fuzzy_is_null(-1e-12));
    QVERIFY(!Numeric::fuzzy_is_null(2e-12));
    QVERIFY(Numeric::fuzzy_is_null(0.00001f));
    QVERIFY(!Numeric::fuzzy_is_null(0.00002f));
}

void TestNumeric::getPrecision_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<int>("decimals");
    QTest::newRow("0.5") << 0.5 << 4 << 3;
    QTest::newRow("3.2") << 3.2 << 4 << 3;
    QTest::newRow("45.6") << 45.6 << 4 << 2;
    QTest::newRow("1234") << 1234.0 << 4 << 0;
    QTest::newRow("123456") << 123456.0 << 4 << 0;
    QTest::newRow("zero") << 0.0 << 4 << 3;
    QTest::newRow("99.9") << 99.9 << 4 << 2;
    QTest::newRow("100 with 2 digits") << 100.0 << 2 << 0;
    QTest::newRow("no digits") << 5.0 << 0 << 0;
    QTest::newRow("zero, no digits") << 0.0 << 0 << 0;
    QTest::newRow("negative") << -45.6 << 4 << 2;
    QTest::newRow("exactly 10") << 10.0 << 4 << 2;
    QTest::newRow("not a number") << nan << 4 << 3;
    QTest::newRow("infinite") << inf << 4 << 0;
}

void TestNumeric::getPrecision()
{
    QFETCH(double, value);
    QFETCH(int, digits);
    QFETCH(int, decimals);
    QCOMPARE(Numeric::getPrecision(value, digits), decimals);
}

void TestNumeric::construction()
{
    const Range empty;
    QCOMPARE(empty.lower, 0.0);
    QCOMPARE(empty.upper, 0.0);
    const Range swapped(5, 2);
    QCOMPARE(swapped.lower, 2.0);
    QCOMPARE(swapped.upper, 5.0);
    QCOMPARE(Range::minRange, 1e-280);
    QCOMPARE(Range::maxRange, 1e250);
}

void TestNumeric::expand()
{
    Range range(2, 5);
    range.expand(Range(3, 8));
    QCOMPARE(range.upper, 8.0);
    QCOMPARE(range.lower, 2.0);
    range.expand(-1.0);
    QCOMPARE(range.lower, -1.0);
    const Range grown = Range(0, 1).expanded(4.0);
    QCOMPARE(grown.upper, 4.0);
    Range unset(nan, nan);
    unset.expand(7.0);
    QCOMPARE(unset.lower, 7.0);
    QCOMPARE(unset.upper, 7.0);
    QCOMPARE(Range(nan, nan).expanded(Range(1, 2)).upper, 2.0);
}

void TestNumeric::bounded_data()
{
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<double>("lowerBound");
    QTest::addColumn<double>("upperBound");
    QTest::addColumn<double>("boundedLower");
    QTest::addColumn<double>("boundedUpper");
    QTest::newRow("wider than the bounds") << 0.0 << 10.0 << 2.0 << 8.0 << 2.0 << 8.0;
    QTest::newRow("below") << 0.0 << 3.0 << 2.0 << 8.0 << 2.0 << 5.0;
    QTest::newRow("above") << 7.0 << 10.0 << 2.0 << 8.0 << 5.0 << 8.0;
    QTest::newRow("inside") << 3.0 << 4.0 << 2.0 << 8.0 << 3.0 << 4.0;
    QTest::newRow("bounds swapped") << 0.0 << 3.0 << 8.0 << 2.0 << 2.0 << 5.0;
    QTest::newRow("as wide, above") << 3.0 << 9.0 << 2.0 << 8.0 << 2.0 << 8.0;
}

void TestNumeric::bounded()
{
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(double, lowerBound);
    QFETCH(double, upperBound);
    QFETCH(double, boundedLower);
    QFETCH(double, boundedUpper);
    const Range range = Range(lower, upper).bounded(lowerBound, upperBound);
    QCOMPARE(range.lower, boundedLower);
    QCOMPARE(range.upper, boundedUpper);
}

void TestNumeric::sanitizedForLogScale_data()
{
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<double>("saneLower");
    QTest::addColumn<double>("saneUpper");
    QTest::newRow("0 to 100") << 0.0 << 100.0 << 0.001 << 100.0;
    QTest::newRow("0 to 0.5") << 0.0 << 0.5 << 0.0005 << 0.5;
    QTest::newRow("-100 to 10, negative wider") << -100.0 << 10.0 << -100.0 << -0.001;
    QTest::newRow("-10 to 100, positive wider") << -10.0 << 100.0 << 0.001 << 100.0;
    QTest::newRow("-2 to 0") << -2.0 << 0.0 << -2.0 << -0.001;
    QTest::newRow("-0.5 to 0") << -0.5 << 0.0 << -0.5 << -0.0005;
    QTest::newRow("positive unchanged") << 1.0 << 10.0 << 1.0 << 10.0;
    QTest::newRow("negative unchanged") << -10.0 << -1.0 << -10.0 << -1.0;
    QTest::newRow("both zero unchanged") << 0.0 << 0.0 << 0.0 << 0.0;
}

void TestNumeric::sanitizedForLogScale()
{
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(double, saneLower);
    QFETCH(double, saneUpper);
    const Range range = Range(lower, upper).sanitizedForLogScale();
    QCOMPARE(range.lower, saneLower);
    QCOMPARE(range.upper, saneUpper);
}

void TestNumeric::validRange_data()
{
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<bool>("valid");
    QTest::newRow("zero width") << 0.0 << 0.0 << false;
    QTest::newRow("1 to 2") << 1.0 << 2.0 << true;
    QTest::newRow("bound too far below") << -1e300 << 0.0 << false;
    QTest::newRow("bound too far above") << 0.0 << 1e300 << false;
    QTest::newRow("too narrow") << 1e-290 << 2e-290 << false;
    QTest::newRow("ratio overflows") << 1e-300 << 1e200 << false;
    QTest::newRow("negative ratio overflows") << -1e200 << -1e-300 << false;
    QTest::newRow("not a number") << nan << 1.0 << false;
    QTest::newRow("around zero") << -1.0 << 1.0 << true;
}

void TestNumeric::validRange()
{
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(bool, valid);
    QCOMPARE(Range::validRange(lower, upper), valid);
    QCOMPARE(Range::validRange(Range(lower, upper)), valid);
}

QTEST_APPLESS_MAIN(TestNumeric)
#include "tst_numeric.moc"
