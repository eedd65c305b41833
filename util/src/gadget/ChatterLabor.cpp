#include "ChatterLabor.h"

#include "ChatterPrivate.h"

namespace tolva::util::gadget {

ChatterLabor::ChatterLabor(ChatterPrivate* chatter) : d(chatter)
{
    // Direct: the announcement is emitted in the worker and only rewrapped here; the labour's
    // own message reaches the supervisor queued, so no owner code runs under responseMutex.
    connect(
        d, &ChatterPrivate::message, this,
        [this](const QSharedPointer<tolva::util::Word>& word) { emit message(QVariant::fromValue(word)); },
        Qt::DirectConnection);
}

ChatterLabor::~ChatterLabor() = default;

bool ChatterLabor::start()
{
    return d->beginStart();
}

void ChatterLabor::run()
{
    d->run();
}

void ChatterLabor::stop()
{
    d->requestStop();
    d->wake();
    d->wakeDelay();
}

} // namespace tolva::util::gadget
