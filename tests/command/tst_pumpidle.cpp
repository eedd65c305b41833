#include "command/CommandPump.h"

#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <atomic>
#include <cstddef>

// Every malloc, calloc and realloc made by a thread is counted in that thread's own counter,
// so the pump thread's count shows whether its idle turns touch the heap.
namespace {
thread_local std::atomic<long> t_allocations{0};
}

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void __libc_free(void* pointer);

void* malloc(std::size_t size)
{
    t_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size)
{
    t_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}
void* realloc(void* pointer, std::size_t size)
{
    t_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(pointer, size);
}
void free(void* pointer)
{
    __libc_free(pointer);
}
}

class TestPumpIdle : public QObject
{
    Q_OBJECT
private slots:
    void idleTurnsAllocateNothing();
};

void TestPumpIdle::idleTurnsAllocateNothing()
{
    CommandPump pump(1);
    QThread thread;
    pump.moveToThread(&thread);
    std::atomic<std::atomic<long>*> pumpAllocations{nullptr};
    connect(
        &pump, &CommandPump::started, &pump, [&pumpAllocations] { pumpAllocations = &t_allocations; },
        Qt::DirectConnection);
    QSignalSpy handedOut(&pump, &CommandPump::nextCommand);

    QVERIFY(pump.start());
    thread.start();
    // Also when a check fails: a thread destroyed while running ends the process.
    const auto stopPump = qScopeGuard([&pump, &thread] {
        pump.stop();
        thread.quit();
        thread.wait();
    });
    QMetaObject::invokeMethod(&pump, &CommandPump::doRun, Qt::QueuedConnection);
    QTRY_VERIFY(pumpAllocations.load() != nullptr);
    QTest::qWait(100); // past the loop's first turn

    // With a 1 ms interval this spans a few hundred idle turns.
    const long before = pumpAllocations.load()->load();
    QTest::qWait(300);
    const long after = pumpAllocations.load()->load();
    QCOMPARE(after - before, 0L);

    // The loop was turning all along: a command queued now is handed out.
    pump.add(QSharedPointer<Command>::create(QByteArray("X\n"), false, 1000, QVariant()), Pump::pmOnce);
    QTRY_COMPARE(handedOut.count(), 1);
    QVERIFY(pumpAllocations.load()->load() > after);
}

QTEST_GUILESS_MAIN(TestPumpIdle)
#include "tst_pumpidle.moc"
