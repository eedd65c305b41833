#include "command/LoopCommandPool.h"
#include "command/OnceCommandPool.h"

#include <QTest>

namespace {

QSharedPointer<Command> cmd(const char* text)
{
    return QSharedPointer<Command>::create(QByteArray(text), false, 100, QVariant());
}

QByteArray contentOf(const QSharedPointer<Command>& c)
{
    return c ? c->content() : QByteArray("null");
}

} // namespace

class TestCommandPools : public QObject
{
    Q_OBJECT
private slots:
    void addCountsCommands();
    void oncePoolHandsOutFirstUntilRemoved();
    void emptyOncePool();
    void loopPoolCycles_data();
    void loopPoolCycles();
    void loopPoolCurrentCommand();
};

void TestCommandPools::addCountsCommands()
{
    OnceCommandPool once;
    LoopCommandPool loop;
    for (int n = 1; n <= 3; ++n) {
        QCOMPARE(once.add(cmd("x")), n);
        QCOMPARE(loop.add(cmd("x")), n);
    }
}

void TestCommandPools::oncePoolHandsOutFirstUntilRemoved()
{
    OnceCommandPool pool;
    pool.add(cmd("A"));
    pool.add(cmd("B"));
    QCOMPARE(contentOf(pool.getNextCommand()), QByteArray("A"));
    QCOMPARE(contentOf(pool.getNextCommand()), QByteArray("A"));
    QCOMPARE(contentOf(pool.getCurrentCommand()), QByteArray("A"));
    pool.removeFirstCommand();
    QCOMPARE(contentOf(pool.getNextCommand()), QByteArray("B"));
    pool.reset();
    QVERIFY(pool.getNextCommand().isNull());
}

void TestCommandPools::emptyOncePool()
{
    OnceCommandPool pool;
    QVERIFY(pool.getNextCommand().isNull());
    pool.removeFirstCommand();
    QCOMPARE(pool.size(), 0);
    QCOMPARE(pool.add(cmd("A")), 1);
}

// Each step: a text to add ("+X"), "reset", or "next" (records what getNextCommand hands out).
void TestCommandPools::loopPoolCycles_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QByteArrayList>("handedOut");
    const QString next = QStringLiteral("next");
    QTest::newRow("empty") << QStringList{next, next} << QByteArrayList{"null", "null"};
    QTest::newRow("one command every time")
        << QStringList{"+P", next, next, next} << QByteArrayList{"P", "P", "P"};
    QTest::newRow("P Q R cycle") << QStringList{"+P", "+Q", "+R", next, next, next, next, next}
                                 << QByteArrayList{"P", "Q", "R", "P", "Q"};
    QTest::newRow("added during cycle joins the end")
        << QStringList{"+P", "+Q", next, next, "+R", next, next} << QByteArrayList{"P", "Q", "R", "P"};
    QTest::newRow("refilled after reset starts at first")
        << QStringList{"+P", "+Q", next, "reset", next, "+R", "+S", next, next, next}
        << QByteArrayList{"P", "null", "R", "S", "R"};
}

void TestCommandPools::loopPoolCycles()
{
    QFETCH(QStringList, steps);
    QFETCH(QByteArrayList, handedOut);
    LoopCommandPool pool;
    QByteArrayList seen;
    for (const QString& step : steps) {
        if (step == QLatin1String("next"))
            seen << contentOf(pool.getNextCommand());
        else if (step == QLatin1String("reset"))
            pool.reset();
        else
            pool.add(cmd(step.mid(1).toLatin1().constData()));
    }
    QCOMPARE(seen, handedOut);
}

void TestCommandPools::loopPoolCurrentCommand()
{
    LoopCommandPool pool;
    pool.add(cmd("P"));
    pool.add(cmd("Q"));
    QVERIFY(pool.getCurrentCommand().isNull());
    pool.getNextCommand();
    pool.getNextCommand();
    QCOMPARE(contentOf(pool.getCurrentCommand()), QByteArray("Q"));
    pool.reset();
    QVERIFY(pool.getCurrentCommand().isNull());
}

QTEST_GUILESS_MAIN(TestCommandPools)
#include "tst_commandpools.moc"
