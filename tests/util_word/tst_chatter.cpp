#include <tolva/util/Ask.h>
#include <tolva/util/Chatter.h>
#include <tolva/util/StringCode.h>
#include <tolva/util/Talk.h>

#include <QtTest>

#include <atomic>

using namespace tolva::util;
using namespace tolva::util::gadget;

using WordPtr = QSharedPointer<Word>;

namespace {

WordPtr makeTalk(const QString& text)
{
    return WordPtr(new Talk(QSharedPointer<Code>(new StringCode(text))));
}

WordPtr makeAsk(int ms, const QString& text)
{
    return WordPtr(new Ask(ms, QSharedPointer<Code>(new StringCode(text))));
}

QString textOf(const WordPtr& word)
{
    const auto code = word ? word->code().dynamicCast<StringCode>() : QSharedPointer<StringCode>();
    return code ? code->data() : QString();
}

// What the owner of a chatter sees, in arrival order: "X" for an announced word X,
// "timeout:X" for its time-out. Answers every ask at once when told to.
class Transcript : public QObject
{
public:
    Transcript(Chatter& chatter, bool answerAsks = false)
    {
        connect(&chatter, &Chatter::nextWord, this, [this, &chatter, answerAsks](const WordPtr& word) {
            log << textOf(word);
            if (answerAsks && chatter.needResponse(word))
                chatter.respond();
        });
        connect(&chatter, &Chatter::timeout, this, [this](const WordPtr& word) {
            log << QStringLiteral("timeout:") + textOf(word);
            timedOut << word;
        });
    }

    QStringList announced() const
    {
        QStringList words;
        for (const QString& entry : log) {
            if (!entry.startsWith(QLatin1String("timeout:")))
                words << entry;
        }
        return words;
    }

    QStringList log;
    QList<WordPtr> timedOut;
};

// Holds the chatter's worker thread before its event loop, so that a started chatter stays
// in rsStarted until open() is called.
class WorkerGate
{
public:
    explicit WorkerGate(Chatter& chatter)
    {
        QThread* thread = chatter.findChild<QThread*>();
        if (thread) {
            m_connection = QObject::connect(
                thread, &QThread::started, thread, [this] { m_gate.acquire(); }, Qt::DirectConnection);
        }
    }
    ~WorkerGate() { open(); }

    bool armed() const { return bool(m_connection); }
    void open()
    {
        if (!m_connection)
            return;
        QObject::disconnect(m_connection);
        m_connection = {};
        m_gate.release();
    }

private:
    QSemaphore m_gate;
    QMetaObject::Connection m_connection;
};

// A word that is no ChatterWord; it notes whether it ever ran.
class ProbeWord : public Word
{
public:
    explicit ProbeWord(std::atomic<bool>* ran) : m_ran(ran) {}
    bool execute() override
    {
        m_ran->store(true);
        return true;
    }

private:
    std::atomic<bool>* m_ran;
};

void queue(Chatter& chatter, const QString& operation)
{
    const QStringList parts = operation.split(' ');
    const QString& kind = parts.first();
    QList<WordPtr> words;
    for (const QString& text : parts.mid(1))
        words << makeTalk(text);
    if (kind == QLatin1String("once"))
        chatter.append(words, true);
    else if (kind == QLatin1String("loop"))
        chatter.append(words, false);
    else if (kind == QLatin1String("high-once"))
        chatter.appendHighPriority(words.first(), true);
    else if (kind == QLatin1String("high-loop"))
        chatter.appendHighPriority(words.first(), false);
    else if (kind == QLatin1String("prepend-once"))
        chatter.prepend(words, true);
    else if (kind == QLatin1String("prepend-loop"))
        chatter.prepend(words, false);
    else
        QFAIL(qPrintable("unknown operation " + kind));
}

} // namespace

class TestChatter : public QObject
{
    Q_OBJECT
private slots:
    void order_data();
    void order();
    void ask_data();
    void ask();
    void stopAfterQueuedWords();
    void stopNowEndsLongAsk();
    void clearOnlyOnceWords();
    void pauseOnlyWhileRunning();
    void stopForceBeforeStartedIsKept();
    void plainWordsAreRefused_data();
    void plainWordsAreRefused();
    void cyclicPrependAtCursorZero();
    void delayCutShortByStopDelay();
};

void TestChatter::order_data()
{
    QTest::addColumn<QStringList>("operations");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("one-shot before cyclic") << QStringList{"once T1", "once T2", "loop L1", "loop L2"}
                                            << QStringList{"T1", "T2", "L1", "L2", "L1", "L2"};
    QTest::newRow("high priority one-shot first")
        << QStringList{"once T1", "once T2", "high-once H1", "high-once H2"}
        << QStringList{"H1", "H2", "T1", "T2"};
    QTest::newRow("high priority cyclic first")
        << QStringList{"loop L1", "loop L2", "high-loop H"} << QStringList{"H", "L1", "L2", "H", "L1", "L2"};
    QTest::newRow("prepend one-shot") << QStringList{"once T1", "prepend-once P"} << QStringList{"P", "T1"};
    QTest::newRow("prepend list word by word")
        << QStringList{"once T1", "prepend-once P1 P2"} << QStringList{"P2", "P1", "T1"};
    QTest::newRow("prepend cyclic before start")
        << QStringList{"loop L1", "loop L2", "prepend-loop P"} << QStringList{"P", "L1", "L2", "P", "L1"};
}

void TestChatter::order()
{
    QFETCH(QStringList, operations);
    QFETCH(QStringList, expected);
    Chatter chatter;
    chatter.setInterval(2);
    Transcript transcript(chatter);
    for (const QString& operation : qAsConst(operations))
        queue(chatter, operation);
    QVERIFY(chatter.start());
    QTRY_VERIFY(transcript.log.size() >= expected.size());
    QCOMPARE(transcript.log.mid(0, expected.size()), expected);
}

void TestChatter::ask_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<QStringList>("expected");
    // The answered ask's long time-out would stall the test if the answer were lost.
    QTest::newRow("answered") << true << 60000 << QStringList{"A", "B"};
    QTest::newRow("unanswered") << false << 100 << QStringList{"A", "timeout:A", "B"};
}

void TestChatter::ask()
{
    QFETCH(bool, answer);
    QFETCH(int, timeoutMs);
    QFETCH(QStringList, expected);
    Chatter chatter;
    chatter.setInterval(2);
    Transcript transcript(chatter, answer);
    const WordPtr question = makeAsk(timeoutMs, QStringLiteral("A"));
    chatter.append({question, makeTalk(QStringLiteral("B"))}, true);
    QVERIFY(chatter.start());
    QTRY_COMPARE(transcript.log, expected);
    QCOMPARE(transcript.timedOut.size(), answer ? 0 : 1);
    if (!answer)
        QCOMPARE(transcript.timedOut.first(), question);
}

void TestChatter::stopAfterQueuedWords()
{
    Chatter chatter;
    chatter.setInterval(2);
    Transcript transcript(chatter);
    QSignalSpy started(&chatter, &Chatter::started);
    QSignalSpy stoped(&chatter, &Chatter::stoped);
    queue(chatter, QStringLiteral("once T1 T2"));
    queue(chatter, QStringLiteral("loop L1"));
    QVERIFY(chatter.start());
    chatter.stop(false);
    QVERIFY(stoped.wait());
    QCOMPARE(started.count(), 1);
    QCOMPARE(transcript.log, (QStringList{"T1", "T2"}));
    QVERIFY(!chatter.active());
}

void TestChatter::stopNowEndsLongAsk()
{
    Chatter chatter;
    chatter.setInterval(2);
    Transcript transcript(chatter);
    QSignalSpy stoped(&chatter, &Chatter::stoped);
    chatter.append({makeAsk(60000, QStringLiteral("A")), makeTalk(QStringLiteral("B"))}, true);
    QVERIFY(chatter.start());
    QTRY_COMPARE(transcript.log, QStringList{"A"});
    queue(chatter, QStringLiteral("once C")); // still pending when the stop comes
    QElapsedTimer clock;
    clock.start();
    chatter.stop(true);
    QVERIFY(stoped.wait(20000));
    QVERIFY2(clock.elapsed() < 20000, "the waiting ask was not ended");
    QCOMPARE(transcript.log, (QStringList{"A", "B"})); // no time-out, C never ran
}

void TestChatter::clearOnlyOnceWords()
{
    Chatter chatter;
    chatter.setInterval(2);
    Transcript transcript(chatter);
    chatter.append(
        {makeAsk(60000, QStringLiteral("A")), makeTalk(QStringLiteral("T1")), makeTalk(QStringLiteral("T2"))},
        true);
    queue(chatter, QStringLiteral("loop L1"));
    QVERIFY(chatter.start());
    QTRY_COMPARE(transcript.log, QStringList{"A"});
    chatter.clear(true, false);
    queue(chatter, QStringLiteral("once T3")); // queued after the request, before the next turn
    chatter.respond();
    QTRY_VERIFY(transcript.log.size() >= 5);
    QCOMPARE(transcript.log.mid(0, 5), (QStringList{"A", "T3", "L1", "L1", "L1"}));
}

void TestChatter::pauseOnlyWhileRunning()
{
    Chatter chatter;
    chatter.setInterval(2);
    QSignalSpy next(&chatter, &Chatter::nextWord);
    QSignalSpy started(&chatter, &Chatter::started);
    queue(chatter, QStringLiteral("loop L1"));
    WorkerGate gate(chatter);
    QVERIFY(gate.armed());
    QVERIFY(chatter.start());
    chatter.setPause(true); // the worker is held: still rsStarted
    QVERIFY(!chatter.pause());
    gate.open();
    QVERIFY(started.wait());
    QVERIFY(next.wait());

    chatter.setPause(true);
    QVERIFY(chatter.pause());
    for (int drained = 0; drained < 20 && next.wait(100); ++drained) {
    }
    const int whilePaused = next.count();
    QVERIFY(!next.wait(300));
    QCOMPARE(next.count(), whilePaused);
    chatter.setPause(false);
    QVERIFY(!chatter.pause());
    QVERIFY(next.wait());
}

void TestChatter::stopForceBeforeStartedIsKept()
{
    Chatter chatter;
    chatter.setInterval(2);
    Transcript transcript(chatter);
    QSignalSpy stoped(&chatter, &Chatter::stoped);
    queue(chatter, QStringLiteral("once T1"));
    WorkerGate gate(chatter);
    QVERIFY(gate.armed());
    QVERIFY(chatter.start());
    chatter.stopForce();
    gate.open();
    QVERIFY(stoped.wait());
    QVERIFY(!chatter.active());
    QVERIFY(transcript.log.isEmpty());

    // The chatter is whole again: it starts and talks (pending words went with the stop).
    QVERIFY(chatter.start());
    queue(chatter, QStringLiteral("once T2"));
    QTRY_COMPARE(transcript.log, QStringList{"T2"});
}

void TestChatter::plainWordsAreRefused_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<bool>("nullWord");
    QTest::addColumn<QString>("message");
    QTest::newRow("append") << "append" << false << "append Only a ChatterWord can be queued.";
    QTest::newRow("high priority") << "high" << false
                                   << "appendHighPriority Only a ChatterWord can be queued.";
    QTest::newRow("prepend") << "prepend" << false << "prepend Only a ChatterWord can be queued.";
    QTest::newRow("null word") << "append" << true << "append Only a ChatterWord can be queued.";
}

void TestChatter::plainWordsAreRefused()
{
    QFETCH(QString, operation);
    QFETCH(bool, nullWord);
    QFETCH(QString, message);
    std::atomic<bool> ran{false};
    const WordPtr plain = nullWord ? WordPtr() : WordPtr(new ProbeWord(&ran));
    Chatter chatter;
    chatter.setInterval(2);
    Transcript transcript(chatter);
    QTest::ignoreMessage(QtDebugMsg, qPrintable(message));
    if (operation == QLatin1String("append"))
        chatter.append(plain, true);
    else if (operation == QLatin1String("high"))
        chatter.appendHighPriority(plain, true);
    else
        chatter.prepend(plain, true);
    queue(chatter, QStringLiteral("once T"));
    QVERIFY(chatter.start());
    QTRY_COMPARE(transcript.log, QStringList{"T"});
    chatter.stopForce();
    QVERIFY(!ran.load());
}

void TestChatter::cyclicPrependAtCursorZero()
{
    Chatter chatter;
    chatter.setInterval(2);
    Transcript transcript(chatter);
    chatter.append({makeAsk(60000, QStringLiteral("L1")), makeTalk(QStringLiteral("L2"))}, false);
    QVERIFY(chatter.start());
    QTRY_COMPARE(transcript.log, QStringList{"L1"}); // the cursor is 0 while L1 waits
    chatter.prepend({makeTalk(QStringLiteral("P1")), makeTalk(QStringLiteral("P2"))}, false);
    chatter.respond();
    QTRY_VERIFY(transcript.log.size() >= 5);
    QCOMPARE(transcript.log.mid(0, 5), (QStringList{"L1", "L2", "P2", "P1", "L1"}));
}

void TestChatter::delayCutShortByStopDelay()
{
    Chatter chatter;
    chatter.setInterval(2);
    Transcript transcript(chatter);
    chatter.delay(60000, false);
    queue(chatter, QStringLiteral("once T"));
    QVERIFY(chatter.start());
    QSignalSpy next(&chatter, &Chatter::nextWord);
    QVERIFY(!next.wait(200));
    // A wake-up is not remembered, so repeat it until the delay is surely waiting.
    QTRY_VERIFY((chatter.stopDelay(), transcript.log == QStringList{"T"}));
}

QTEST_GUILESS_MAIN(TestChatter)
#include "tst_chatter.moc"
