#pragma once

#include <tolva/util/Word.h>

#include <atomic>

namespace tolva::util::gadget {

class Chatter;

// A word that a Chatter can queue; the chatter sets itself here when the word is queued.
class TOLVA_UTIL_EXPORT ChatterWord : public tolva::util::Word
{
public:
    explicit ChatterWord(QSharedPointer<Code> code = QSharedPointer<Code>());
    ~ChatterWord() override;

    bool execute() override;

    Chatter* chatter() const;
    void setChatter(Chatter* chatter);

protected:
    // The chatter to execute with, or null after writing the diagnostic.
    Chatter* requireChatter() const;

private:
    // Set in the owner's thread, read in the worker's.
    std::atomic<Chatter*> m_chatter{nullptr};
};

} // namespace tolva::util::gadget
