#include <tolva/util/Ask.h>
#include <tolva/util/Chatter.h>

namespace tolva::util::gadget {

Ask::Ask(int ms, QSharedPointer<Code> code) : ChatterWord(std::move(code)), m_timeout(ms) {}

Ask::~Ask() = default;

bool Ask::execute()
{
    Chatter* owner = requireChatter();
    return owner && owner->ask(m_timeout);
}

int Ask::timeout() const
{
    return m_timeout;
}

} // namespace tolva::util::gadget
