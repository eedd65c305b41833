#pragma once

#include <tolva/util/ChatterWord.h>

namespace tolva::util::gadget {

// A word that pauses the conversation for delay() ms; the chatter's stopDelay() cuts it short.
class TOLVA_UTIL_EXPORT DelayWord : public ChatterWord
{
public:
    DelayWord(int ms, QSharedPointer<Code> code);
    ~DelayWord() override;

    bool execute() override;
    int delay() const;

private:
    int m_delay;
};

} // namespace tolva::util::gadget
