#include <tolva/util/AsyncLabor.h>

namespace tolva::util::gadget {

AsyncLabor::AsyncLabor(QObject* parent) : QObject(parent) {}

AsyncLabor::~AsyncLabor() = default;

bool AsyncLabor::start()
{
    return true;
}

void AsyncLabor::startAsync()
{
    emit started();
    run();
    emit stoped();
}

void AsyncLabor::stop() {}

} // namespace tolva::util::gadget
