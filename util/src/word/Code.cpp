#include <tolva/util/Code.h>

namespace tolva::util {

namespace {

// Codes cross threads inside queued signals; the names are registered once per process.
void registerCode()
{
    static const bool registered = [] {
        qRegisterMetaType<Code>("tolva::util::Code");
        qRegisterMetaType<Code>("tolva::util::Code&");
        qRegisterMetaType<QSharedPointer<Code>>("QSharedPointer<tolva::util::Code>");
        return true;
    }();
    Q_UNUSED(registered)
}

} // namespace

Code::Code()
{
    registerCode();
}

Code::~Code() = default;

} // namespace tolva::util
