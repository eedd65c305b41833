#pragma once

#include <tolva/util/Word.h>
#include <tolva/util/tolva_util_global.h>

#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace tolva::util::gadget {

class AsyncSupervisor;
class Chatter;
class ChatterLabor;

// The engine state of a Chatter. It lives in the owner's thread; run() and the waits
// execute in the worker. No code path holds two of the three mutexes at once.
class TOLVA_UTIL_EXPORT ChatterPrivate : public QObject
{
    Q_OBJECT
public:
    enum RunState { rsStopped = 0, rsStarted = 1, rsRunning = 2, rsPaused = 3, rsStopping = 4 };

    explicit ChatterPrivate(Chatter* chatter);
    ~ChatterPrivate() override;

    using WordList = QList<QSharedPointer<tolva::util::Word>>;

    AsyncSupervisor* supervisor = nullptr;
    std::unique_ptr<ChatterLabor> labor;
    Chatter* chatter;
    std::atomic<int> interval{0};

    // A counter per condition tells a real wake-up from a spurious one; a waiter only
    // counts increments made after it began, so a wake-up with nobody waiting is not remembered.
    std::mutex responseMutex;
    std::condition_variable responseCondition;
    quint64 responses = 0;
    std::mutex delayMutex;
    std::condition_variable delayCondition;
    quint64 delayWakes = 0;

    WordList onceWords;
    WordList loopWords;
    WordList pendingOnce;
    WordList pendingLoop;
    WordList pendingHighOnce;
    WordList pendingHighLoop;
    std::mutex listMutex;
    QSharedPointer<tolva::util::Word> currentWord;
    int cursor = 0;
    bool clearOnce = false;
    bool clearLoop = false;
    QString name;
    std::atomic<RunState> runState{rsStopped};

    bool beginStart();
    void requestStop();
    virtual void wake();
    void wakeDelay();
    void run();

    // Waits for respond() at most ms; with announce, emits message(currentWord) under the
    // same lock first so that an answer cannot slip in before the wait begins.
    bool waitResponse(int ms, bool announce);
    void respond();
    void sleep(int ms);
    void stopDelay();
    bool stopRequested() const { return runState.load() == rsStopping; }

signals:
    void message(QSharedPointer<tolva::util::Word> word);
    void timeout(QSharedPointer<tolva::util::Word> word);

private:
    bool turning() const;
    bool turn();
    void processClear();
    void prepareGoHomeHighPriority();
    void mergePending();
    QSharedPointer<tolva::util::Word> getValidWord();
    void prepaireNext();
    void clearPrepared();
};

} // namespace tolva::util::gadget
