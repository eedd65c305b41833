#include <tolva/util/Ask.h>
#include <tolva/util/AsyncSupervisor.h>
#include <tolva/util/Chatter.h>
#include <tolva/util/ChatterWord.h>
#include <tolva/util/DelayWord.h>
#include <tolva/util/StopWord.h>

#include "ChatterLabor.h"
#include "ChatterPrivate.h"

#include <QDebug>

namespace tolva::util::gadget {

using tolva::util::Word;
using WordPointer = QSharedPointer<Word>;

Chatter::Chatter(QObject* parent) : QObject(parent), d(new ChatterPrivate(this))
{
    connect(d.get(), &ChatterPrivate::timeout, this, &Chatter::timeout, Qt::QueuedConnection);
    d->labor = std::make_unique<ChatterLabor>(d.get());
    d->supervisor = new AsyncSupervisor(d->labor.get(), this);
    connect(d->supervisor, &AsyncSupervisor::message, this,
            [this](const QVariant& data) { emit nextWord(data.value<WordPointer>()); });
    connect(d->supervisor, &AsyncSupervisor::started, this, &Chatter::started);
    connect(d->supervisor, &AsyncSupervisor::stoped, this, &Chatter::stoped);
}

Chatter::~Chatter()
{
    stopForce();
    // The worker must be joined before the labour and the engine state it uses go away.
    delete d->supervisor;
    d->supervisor = nullptr;
}

bool Chatter::start()
{
    return d->supervisor->start();
}

void Chatter::stop(bool now)
{
    // A stop word queued while stopped would wait in the pending list and end the next run.
    if (!active())
        return;
    auto* stopWord = new StopWord(QSharedPointer<Code>(), nullptr);
    const WordPointer word(stopWord);
    connect(stopWord, &StopWord::stopChatter, d->supervisor, &AsyncSupervisor::stop, Qt::QueuedConnection);
    if (now) {
        prepend(word, true);
        respond();
        stopDelay();
    } else {
        append(word, true);
    }
}

void Chatter::stopForce()
{
    d->labor->stop();
    // Before the worker has reported started the supervisor does nothing here; the loop then
    // finds rsStopping when it begins, runs no word and reports started and stoped.
    d->supervisor->stop();
}

bool Chatter::adopt(const WordPointer& word, const char* operation)
{
    auto* chatterWord = dynamic_cast<ChatterWord*>(word.data());
    if (!chatterWord) {
        qDebug() << operation << "Only a ChatterWord can be queued.";
        return false;
    }
    chatterWord->setChatter(this);
    return true;
}

void Chatter::append(WordPointer word, bool once)
{
    if (!adopt(word, "append"))
        return;
    std::lock_guard<std::mutex> lock(d->listMutex);
    (once ? d->pendingOnce : d->pendingLoop).append(word);
}

void Chatter::append(const QList<WordPointer>& words, bool once)
{
    for (const WordPointer& word : words)
        append(word, once);
}

void Chatter::push_back(WordPointer word, bool once)
{
    append(std::move(word), once);
}

void Chatter::appendHighPriority(WordPointer word, bool once)
{
    if (!adopt(word, "appendHighPriority"))
        return;
    std::lock_guard<std::mutex> lock(d->listMutex);
    (once ? d->pendingHighOnce : d->pendingHighLoop).append(word);
}

void Chatter::prepend(WordPointer word, bool once)
{
    prepend(QList<WordPointer>{word}, once);
}

void Chatter::prepend(const QList<WordPointer>& words, bool once)
{
    QList<WordPointer> accepted;
    for (const WordPointer& word : words) {
        if (adopt(word, "prepend"))
            accepted.append(word);
    }
    std::lock_guard<std::mutex> lock(d->listMutex);
    for (const WordPointer& word : qAsConst(accepted)) {
        if (once) {
            d->pendingOnce.prepend(word);
        } else {
            d->pendingLoop.prepend(word);
            // The cursor steps back but never leaves the cyclic list.
            if (d->cursor > 0)
                --d->cursor;
        }
    }
}

void Chatter::push_front(WordPointer word, bool once)
{
    prepend(std::move(word), once);
}

void Chatter::delay(int ms, bool high)
{
    const WordPointer word(new DelayWord(ms, QSharedPointer<Code>()));
    if (high)
        appendHighPriority(word, true);
    else
        append(word, true);
}

void Chatter::clear(bool once, bool loop)
{
    std::lock_guard<std::mutex> lock(d->listMutex);
    d->clearOnce = d->clearOnce || once;
    d->clearLoop = d->clearLoop || loop;
}

bool Chatter::ask(int ms)
{
    return d->waitResponse(ms, true);
}

void Chatter::talk()
{
    emit d->message(d->currentWord);
}

bool Chatter::wait(int ms)
{
    return d->waitResponse(ms, false);
}

void Chatter::respond()
{
    d->respond();
}

void Chatter::stopDelay()
{
    d->stopDelay();
}

void Chatter::sleep(int ms)
{
    d->sleep(ms);
}

void Chatter::endLoop()
{
    d->requestStop();
}

bool Chatter::needResponse(const WordPointer& word) const
{
    return dynamic_cast<const Ask*>(word.data()) != nullptr;
}

bool Chatter::active() const
{
    return d->runState.load() != ChatterPrivate::rsStopped;
}

bool Chatter::pause() const
{
    return d->runState.load() == ChatterPrivate::rsPaused;
}

void Chatter::setPause(bool pause)
{
    auto expected = pause ? ChatterPrivate::rsRunning : ChatterPrivate::rsPaused;
    d->runState.compare_exchange_strong(expected,
                                        pause ? ChatterPrivate::rsPaused : ChatterPrivate::rsRunning);
}

int Chatter::interval() const
{
    return d->interval.load();
}

void Chatter::setInterval(int ms)
{
    d->interval.store(ms);
}

QString Chatter::name() const
{
    return d->name;
}

void Chatter::setName(const QString& name)
{
    d->name = name;
}

} // namespace tolva::util::gadget
