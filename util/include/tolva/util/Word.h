#pragma once

#include <tolva/util/Code.h>

#include <QMetaType>
#include <QSharedPointer>

namespace tolva::util {

// One step of a conversation: it carries a code and knows how to execute itself.
class TOLVA_UTIL_EXPORT Word
{
public:
    explicit Word(QSharedPointer<Code> code = QSharedPointer<Code>());
    virtual ~Word();

    // The base word does nothing; subclasses return false when the step failed or timed out.
    virtual bool execute();

    QSharedPointer<Code> code() const;
    void setCode(const QSharedPointer<Code>& code);

private:
    QSharedPointer<Code> m_code;
};

// Registers the word meta-types without building a word; safe to call any number of times.
TOLVA_UTIL_EXPORT void registerWord();

} // namespace tolva::util

Q_DECLARE_METATYPE(tolva::util::Word)
Q_DECLARE_METATYPE(QSharedPointer<tolva::util::Word>)
