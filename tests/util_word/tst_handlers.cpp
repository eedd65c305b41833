#include <tolva/util/CommandHandler.h>
#include <tolva/util/FlowHandler.h>
#include <tolva/util/StateMonitor.h>

#include <QtTest>

using namespace tolva::util::gadget;

class TestHandlers : public QObject
{
    Q_OBJECT
private slots:
    void commandHandler_data();
    void commandHandler();
    void commandHandlerReplacesAndClears();
    void flowHandler_data();
    void flowHandler();
    void stateMonitorCountsDown();
    void stateMonitorOutWithOwnAction();
};

void TestHandlers::commandHandler_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("expected");
    QTest::addColumn<QString>("seen");
    QTest::newRow("accepting handler") << "set" << true << "set=42";
    QTest::newRow("refusing handler") << "get" << false << "get=42";
    QTest::newRow("unknown name") << "put" << false << "";
    QTest::newRow("empty name was not added") << "" << false << "";
    QTest::newRow("non-ASCII name") << QString::fromUtf8("温度") << true << QString::fromUtf8("温度=42");
}

void TestHandlers::commandHandler()
{
    QFETCH(QString, name);
    QFETCH(bool, expected);
    QFETCH(QString, seen);
    QString called;
    const auto record = [&called](bool result) {
        return [&called, result](const QString& n, const QString& argument) {
            called = n + '=' + argument;
            return result;
        };
    };
    CommandHandler handlers;
    handlers.add(QStringLiteral("set"), record(true));
    handlers.add(QStringLiteral("get"), record(false));
    handlers.add(QString(), record(true));
    handlers.add(QStringLiteral("put"), CommandHandler::Handler());
    handlers.add(QString::fromUtf8("温度"), record(true));
    QCOMPARE(handlers.run(name, QStringLiteral("42")), expected);
    QCOMPARE(called, seen);
}

void TestHandlers::commandHandlerReplacesAndClears()
{
    CommandHandler handlers;
    handlers.add(QStringLiteral("x"), [](const QString&, const QString&) { return false; });
    handlers.add(QStringLiteral("x"), [](const QString&, const QString&) { return true; });
    QVERIFY(handlers.run(QStringLiteral("x"), QString()));
    handlers.clear();
    QVERIFY(!handlers.run(QStringLiteral("x"), QString()));
}

void TestHandlers::flowHandler_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QVariantList>("valuesAfter");
    QTest::newRow("success changes values") << "double" << 1 << QVariantList{2, 4};
    QTest::newRow("failure") << "fail" << 0 << QVariantList{1, 2};
    QTest::newRow("unknown") << "none" << -1 << QVariantList{1, 2};
    QTest::newRow("empty name was not added") << "" << -1 << QVariantList{1, 2};
}

void TestHandlers::flowHandler()
{
    QFETCH(QString, name);
    QFETCH(int, expected);
    QFETCH(QVariantList, valuesAfter);
    FlowHandler handlers;
    handlers.add(QStringLiteral("double"), [](QList<QVariant>& values) {
        for (QVariant& value : values)
            value = value.toInt() * 2;
        return true;
    });
    handlers.add(QStringLiteral("fail"), [](QList<QVariant>&) { return false; });
    handlers.add(QString(), [](QList<QVariant>&) { return true; });
    QList<QVariant> values{1, 2};
    QCOMPARE(handlers.run(name, values), expected);
    QCOMPARE(values, valuesAfter);
    handlers.clear();
    QCOMPARE(handlers.run(QStringLiteral("double"), values), -1);
}

void TestHandlers::stateMonitorCountsDown()
{
    int runs = 0;
    StateMonitor monitor([&runs] { ++runs; });
    QVERIFY(monitor.out()); // nothing expected yet
    QCOMPARE(runs, 0);
    monitor.in(5);
    monitor.in(2); // replaces, does not add
    QVERIFY(!monitor.out());
    QCOMPARE(runs, 0);
    QVERIFY(monitor.out());
    QCOMPARE(runs, 1);
    QVERIFY(monitor.out());
    QCOMPARE(runs, 1);
}

void TestHandlers::stateMonitorOutWithOwnAction()
{
    int stored = 0;
    int given = 0;
    StateMonitor monitor([&stored] { ++stored; });
    monitor.in(1);
    QVERIFY(monitor.out([&given] { ++given; }));
    QCOMPARE(given, 1);
    QCOMPARE(stored, 0);

    StateMonitor silent;
    silent.in(1);
    QVERIFY(silent.out()); // no action set: counts down without running anything
}

QTEST_GUILESS_MAIN(TestHandlers)
#include "tst_handlers.moc"
