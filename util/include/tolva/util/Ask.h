#pragma once

#include <tolva/util/ChatterWord.h>

namespace tolva::util::gadget {

// A word that is announced and then waits for the owner's respond(), at most timeout() ms.
class TOLVA_UTIL_EXPORT Ask : public ChatterWord
{
public:
    Ask(int ms, QSharedPointer<Code> code);
    ~Ask() override;

    bool execute() override;
    int timeout() const;

private:
    int m_timeout;
};

} // namespace tolva::util::gadget
