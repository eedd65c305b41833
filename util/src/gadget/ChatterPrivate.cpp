#include "ChatterPrivate.h"

#include "ChatterLabor.h"

#include <tolva/util/StopWord.h>

#include <QThread>

#include <algorithm>
#include <chrono>

namespace tolva::util::gadget {

namespace {

std::chrono::steady_clock::time_point deadlineAfter(int ms)
{
    return std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(0, ms));
}

} // namespace

ChatterPrivate::ChatterPrivate(Chatter* chatter) : chatter(chatter) {}

ChatterPrivate::~ChatterPrivate() = default;

bool ChatterPrivate::beginStart()
{
    RunState expected = rsStopped;
    if (!runState.compare_exchange_strong(expected, rsStarted))
        return false;
    {
        std::lock_guard<std::mutex> lock(listMutex);
        cursor = 0;
    }
    return true;
}

void ChatterPrivate::requestStop()
{
    // Never overwrite rsStopped: a stop that arrives after the loop ended must not stick.
    RunState state = runState.load();
    while (state != rsStopped && state != rsStopping && !runState.compare_exchange_weak(state, rsStopping)) {
    }
}

void ChatterPrivate::wake()
{
    // Taking the mutex orders the state change before the waiter's next check.
    std::lock_guard<std::mutex> lock(responseMutex);
    responseCondition.notify_all();
}

void ChatterPrivate::wakeDelay()
{
    std::lock_guard<std::mutex> lock(delayMutex);
    delayCondition.notify_all();
}

bool ChatterPrivate::waitResponse(int ms, bool announce)
{
    std::unique_lock<std::mutex> lock(responseMutex);
    if (stopRequested())
        return true;
    if (announce)
        emit message(currentWord);
    const quint64 seen = responses;
    return responseCondition.wait_until(lock, deadlineAfter(ms),
                                        [&] { return responses != seen || stopRequested(); });
}

void ChatterPrivate::respond()
{
    std::lock_guard<std::mutex> lock(responseMutex);
    ++responses;
    responseCondition.notify_one();
}

void ChatterPrivate::sleep(int ms)
{
    std::unique_lock<std::mutex> lock(delayMutex);
    const quint64 seen = delayWakes;
    delayCondition.wait_until(lock, deadlineAfter(ms), [&] { return delayWakes != seen || stopRequested(); });
}

void ChatterPrivate::stopDelay()
{
    std::lock_guard<std::mutex> lock(delayMutex);
    ++delayWakes;
    delayCondition.notify_one();
}

bool ChatterPrivate::turning() const
{
    const RunState state = runState.load();
    return state != rsStopped && state != rsStopping;
}

void ChatterPrivate::run()
{
    // A stop asked for before the loop began has already set rsStopping and wins here.
    RunState expected = rsStarted;
    runState.compare_exchange_strong(expected, rsRunning);
    currentWord.clear(); // here, not in beginStart(): only the worker touches it
    while (turning()) {
        const bool executed = runState.load() == rsRunning && turn();
        const int pause = interval.load();
        if (pause > 0)
            sleep(pause);
        else if (!executed)
            QThread::yieldCurrentThread();
    }
    clearPrepared();
    runState.store(rsStopped);
}

bool ChatterPrivate::turn()
{
    {
        std::lock_guard<std::mutex> lock(listMutex);
        processClear();
        prepareGoHomeHighPriority();
        mergePending();
        currentWord = getValidWord();
    }
    if (!currentWord)
        return false;
    if (!currentWord->execute())
        emit timeout(currentWord);
    std::lock_guard<std::mutex> lock(listMutex);
    prepaireNext();
    return true;
}

void ChatterPrivate::processClear()
{
    if (clearOnce) {
        onceWords.clear();
        clearOnce = false;
    }
    if (clearLoop) {
        loopWords.clear();
        cursor = 0;
        clearLoop = false;
    }
}

void ChatterPrivate::prepareGoHomeHighPriority()
{
    onceWords = pendingHighOnce + onceWords;
    pendingHighOnce.clear();
    loopWords = pendingHighLoop + loopWords;
    pendingHighLoop.clear();
}

void ChatterPrivate::mergePending()
{
    onceWords += pendingOnce;
    pendingOnce.clear();
    loopWords += pendingLoop;
    pendingLoop.clear();
}

QSharedPointer<tolva::util::Word> ChatterPrivate::getValidWord()
{
    if (!onceWords.isEmpty())
        return onceWords.first();
    if (loopWords.isEmpty())
        return {};
    if (cursor < 0 || cursor >= loopWords.size())
        cursor = 0;
    return loopWords.at(cursor);
}

void ChatterPrivate::prepaireNext()
{
    if (!onceWords.isEmpty()) {
        onceWords.removeFirst();
    } else if (!loopWords.isEmpty()) {
        cursor = (cursor + 1) % loopWords.size();
    }
}

void ChatterPrivate::clearPrepared()
{
    std::lock_guard<std::mutex> lock(listMutex);
    pendingOnce.clear();
    pendingLoop.clear();
    pendingHighOnce.clear();
    pendingHighLoop.clear();
    // A stop word left over from this run (stop asked twice) must not end the next one.
    onceWords.erase(std::remove_if(onceWords.begin(), onceWords.end(),
                                   [](const QSharedPointer<tolva::util::Word>& word) {
                                       return dynamic_cast<StopWord*>(word.data()) != nullptr;
                                   }),
                    onceWords.end());
}

} // namespace tolva::util::gadget
