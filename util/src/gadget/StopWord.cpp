#include <tolva/util/Chatter.h>
#include <tolva/util/StopWord.h>

namespace tolva::util::gadget {

StopWord::StopWord(QSharedPointer<Code> code, QObject* parent) : QObject(parent), ChatterWord(std::move(code))
{
}

StopWord::~StopWord() = default;

bool StopWord::execute()
{
    Chatter* owner = requireChatter();
    if (!owner)
        return false;
    owner->endLoop();
    emit stopChatter();
    return true;
}

} // namespace tolva::util::gadget
