#pragma once

#include <tolva/util/AsyncLabor.h>

namespace tolva::util::gadget {

class ChatterPrivate;

// Runs a chatter's loop in the supervisor's worker thread.
class TOLVA_UTIL_EXPORT ChatterLabor : public AsyncLabor
{
    Q_OBJECT
public:
    explicit ChatterLabor(ChatterPrivate* chatter);
    ~ChatterLabor() override;

    bool start() override;
    void run() override;
    void stop() override;

private:
    ChatterPrivate* d;
};

} // namespace tolva::util::gadget
