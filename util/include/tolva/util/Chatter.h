#pragma once

#include <tolva/util/Word.h>

#include <QList>
#include <QObject>

#include <memory>

namespace tolva::util::gadget {

class ChatterPrivate;

// Runs a conversation in a worker thread: executes queued words one at a time, hands each
// word to be sent to its owner through nextWord() and, for an ask, waits for respond().
// One-shot words run before cyclic ones; high-priority words jump ahead of everything queued.
// Only ChatterWord objects can be queued. All signals arrive in the Chatter's own thread.
class TOLVA_UTIL_EXPORT Chatter : public QObject
{
    Q_OBJECT
public:
    explicit Chatter(QObject* parent = nullptr);
    // Ends a running conversation at once and joins the worker thread.
    ~Chatter() override;

    bool start();
    void stop(bool now);
    void stopForce();

    void append(QSharedPointer<tolva::util::Word> word, bool once);
    void append(const QList<QSharedPointer<tolva::util::Word>>& words, bool once);
    void push_back(QSharedPointer<tolva::util::Word> word, bool once);
    void appendHighPriority(QSharedPointer<tolva::util::Word> word, bool once);
    void prepend(QSharedPointer<tolva::util::Word> word, bool once);
    void prepend(const QList<QSharedPointer<tolva::util::Word>>& words, bool once);
    void push_front(QSharedPointer<tolva::util::Word> word, bool once);
    void delay(int ms, bool high);
    void clear(bool once, bool loop);

    // The primitives the words execute with, in the worker thread.
    bool ask(int ms);
    void talk();
    bool wait(int ms);

    void respond();
    void stopDelay();

    bool needResponse(const QSharedPointer<tolva::util::Word>& word) const;
    bool active() const;
    bool pause() const;
    void setPause(bool pause);
    int interval() const;
    void setInterval(int ms);
    QString name() const;
    void setName(const QString& name);

signals:
    void started();
    void stoped();
    void nextWord(QSharedPointer<tolva::util::Word> word);
    void timeout(QSharedPointer<tolva::util::Word> word);

private:
    friend class DelayWord;
    friend class StopWord;

    bool adopt(const QSharedPointer<tolva::util::Word>& word, const char* operation);
    void sleep(int ms);
    void endLoop();

    std::unique_ptr<ChatterPrivate> d;
};

} // namespace tolva::util::gadget
