#include <tolva/util/Ask.h>
#include <tolva/util/Chatter.h>
#include <tolva/util/StringCode.h>
#include <tolva/util/Talk.h>
#include <tolva/util/WorkFlow.h>

#include <climits>

namespace tolva::util::gadget {

using tolva::util::StringCode;
using tolva::util::Word;

class WorkFlowPrivate
{
public:
    bool active = false;
    QStringList tasks;
    QString preTask;
    QString currentTask;
    Chatter* chatter = nullptr;
    int timeout = INT_MAX;
};

WorkFlow::WorkFlow(QObject* parent) : QObject(parent), d(new WorkFlowPrivate)
{
    d->chatter = new Chatter(this);
    d->chatter->setName(QStringLiteral("WorkFlow"));
    connect(d->chatter, &Chatter::nextWord, this, &WorkFlow::nextWord);
    connect(d->chatter, &Chatter::started, this, &WorkFlow::started);
    connect(d->chatter, &Chatter::stoped, this, &WorkFlow::stoped);
}

WorkFlow::~WorkFlow() = default;

QSharedPointer<Word> WorkFlow::makeTask(const QString& task) const
{
    const QSharedPointer<Code> code(new StringCode(task));
    if (d->timeout > 0)
        return QSharedPointer<Word>(new Ask(d->timeout, code));
    return QSharedPointer<Word>(new Talk(code));
}

bool WorkFlow::start()
{
    // Restarting a running flow would clear its lists under it and report it inactive.
    if (d->chatter->active())
        return false;
    d->chatter->clear(true, true);
    d->tasks = taskList();
    for (const QString& task : qAsConst(d->tasks))
        d->chatter->append(makeTask(task), false);
    d->preTask.clear();
    d->currentTask.clear();
    d->active = d->chatter->start();
    return d->active;
}

void WorkFlow::stop(bool now)
{
    d->chatter->stop(now);
    d->active = false;
}

void WorkFlow::stopForce()
{
    d->chatter->stopForce();
    d->active = false;
}

void WorkFlow::add(const QString& task, bool once)
{
    d->chatter->append(makeTask(task), once);
}

void WorkFlow::addFront(const QString& task, bool once)
{
    const QSharedPointer<Code> code(new StringCode(task));
    d->chatter->prepend(QSharedPointer<Word>(new Ask(INT_MAX, code)), once);
}

void WorkFlow::clear()
{
    d->chatter->clear(true, true);
}

void WorkFlow::respond()
{
    d->chatter->respond();
}

void WorkFlow::delay(unsigned long ms)
{
    d->chatter->delay(static_cast<int>(qMin<unsigned long>(ms, INT_MAX)), false);
}

int WorkFlow::timeout() const
{
    return d->timeout;
}

void WorkFlow::setTimeout(int ms)
{
    d->timeout = ms;
}

int WorkFlow::interval() const
{
    return d->chatter->interval();
}

void WorkFlow::setInterval(int ms)
{
    d->chatter->setInterval(ms);
}

bool WorkFlow::active() const
{
    return d->active;
}

QString WorkFlow::preTask() const
{
    return d->preTask;
}

QString WorkFlow::currentTask() const
{
    return d->currentTask;
}

void WorkFlow::nextWord(QSharedPointer<Word> word)
{
    d->preTask = d->currentTask;
    const auto text = word ? word->code().dynamicCast<StringCode>() : QSharedPointer<StringCode>();
    d->currentTask = text ? text->data() : QString();
    doTask(d->preTask, d->currentTask);
}

} // namespace tolva::util::gadget
