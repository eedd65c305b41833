#include <tolva/util/Chatter.h>
#include <tolva/util/Talk.h>

namespace tolva::util::gadget {

Talk::Talk(QSharedPointer<Code> code) : ChatterWord(std::move(code)) {}

Talk::~Talk() = default;

bool Talk::execute()
{
    Chatter* owner = requireChatter();
    if (!owner)
        return false;
    owner->talk();
    return true;
}

} // namespace tolva::util::gadget
