#include <tolva/util/ChatterWord.h>

#include <QDebug>

namespace tolva::util::gadget {

ChatterWord::ChatterWord(QSharedPointer<Code> code) : Word(std::move(code)) {}

ChatterWord::~ChatterWord() = default;

bool ChatterWord::execute()
{
    return true;
}

Chatter* ChatterWord::chatter() const
{
    return m_chatter.load();
}

void ChatterWord::setChatter(Chatter* chatter)
{
    m_chatter.store(chatter);
}

Chatter* ChatterWord::requireChatter() const
{
    Chatter* owner = m_chatter.load();
    if (!owner)
        qDebug() << "execute"
                 << "Please set the chatter first.";
    return owner;
}

} // namespace tolva::util::gadget
