#include <tolva/util/Character.h>

#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>
#include <vector>

using tolva::util::character::Character;
using Rows = QList<QList<QString>>;

namespace {

// Every check sets a different pattern, so threads sharing one expression object
// would keep replacing each other's pattern between compile and match.
int wrongResults(int rounds)
{
    int wrong = 0;
    const Rows rows{{"#c"}, {"x", "1"}, {}, {" #d"}};
    const Rows valid{{"x", "1"}};
    for (int i = 0; i < rounds; ++i) {
        wrong += Character::strToBool("On") ? 0 : 1;
        wrong += Character::strToBool("on1") ? 1 : 0;
        wrong += Character::isMatch("mode=IR", "IR$") ? 0 : 1;
        wrong += Character::isMatch("mode=IR", "^IR") ? 1 : 0;
        wrong += Character::simplifyString(" a\tb\n") == "ab" ? 0 : 1;
        wrong += Character::removeEOL("a\r\n") == "a" ? 0 : 1;
        wrong += Character::simplifyEnd("a \n") == "a" ? 0 : 1;
        Rows input = rows;
        wrong += Character::validStringList(input, "#") == valid ? 0 : 1;
        wrong += Character::csvJoin({"a", "b "}) == "a,\"b \"" ? 0 : 1;
    }
    return wrong;
}

} // namespace

class TestTextThreads : public QObject
{
    Q_OBJECT
private slots:
    void sharedExpressionFunctionsFromManyThreads();
};

void TestTextThreads::sharedExpressionFunctionsFromManyThreads()
{
    const int threadCount = 4;
    const int rounds = 2000;
    std::atomic<int> wrong{0};
    std::atomic<int> ready{0};
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back(QThread::create([&] {
            // Start together so the calls really overlap.
            ++ready;
            while (ready.load() < threadCount)
                QThread::yieldCurrentThread();
            wrong += wrongResults(rounds);
        }));
        threads.back()->start();
    }
    for (const auto& thread : threads)
        QVERIFY(thread->wait(120000));
    QCOMPARE(wrong.load(), 0);
}

QTEST_GUILESS_MAIN(TestTextThreads)
#include "tst_text_threads.moc"
