#pragma once

#include <tolva/util/ChatterWord.h>

namespace tolva::util::gadget {

// A word that is announced without waiting for an answer.
class TOLVA_UTIL_EXPORT Talk : public ChatterWord
{
public:
    explicit Talk(QSharedPointer<Code> code);
    ~Talk() override;

    bool execute() override;
};

} // namespace tolva::util::gadget
