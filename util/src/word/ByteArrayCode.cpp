#include <tolva/util/ByteArrayCode.h>

namespace tolva::util {

ByteArrayCode::ByteArrayCode(const QByteArray& data) : m_data(data) {}

ByteArrayCode::~ByteArrayCode() = default;

QByteArray ByteArrayCode::data() const
{
    return m_data;
}

void ByteArrayCode::setData(const QByteArray& data)
{
    m_data = data;
}

} // namespace tolva::util
