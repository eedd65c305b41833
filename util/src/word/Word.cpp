#include <tolva/util/Word.h>

namespace tolva::util {

void registerWord()
{
    // Words travel inside QVariant between the conversation's threads.
    static const bool registered = [] {
        qRegisterMetaType<Word>("tolva::util::Word");
        qRegisterMetaType<Word>("tolva::util::Word&");
        qRegisterMetaType<QSharedPointer<Word>>("QSharedPointer<tolva::util::Word>");
        qRegisterMetaType<QSharedPointer<Word>>("QSharedPointer<tolva::util::Word>&");
        return true;
    }();
    Q_UNUSED(registered)
}

Word::Word(QSharedPointer<Code> code) : m_code(std::move(code))
{
    registerWord();
}

Word::~Word() = default;

bool Word::execute()
{
    return true;
}

QSharedPointer<Code> Word::code() const
{
    return m_code;
}

void Word::setCode(const QSharedPointer<Code>& code)
{
    m_code = code;
}

} // namespace tolva::util
