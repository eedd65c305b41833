#include <tolva/util/Chatter.h>
#include <tolva/util/DelayWord.h>

namespace tolva::util::gadget {

DelayWord::DelayWord(int ms, QSharedPointer<Code> code) : ChatterWord(std::move(code)), m_delay(ms) {}

DelayWord::~DelayWord() = default;

bool DelayWord::execute()
{
    Chatter* owner = requireChatter();
    if (!owner)
        return false;
    owner->sleep(m_delay);
    return true;
}

int DelayWord::delay() const
{
    return m_delay;
}

} // namespace tolva::util::gadget
