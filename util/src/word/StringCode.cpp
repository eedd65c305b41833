#include <tolva/util/StringCode.h>

namespace tolva::util {

StringCode::StringCode(const QString& data) : m_data(data) {}

StringCode::~StringCode() = default;

QString StringCode::data() const
{
    return m_data;
}

void StringCode::setData(const QString& data)
{
    m_data = data;
}

} // namespace tolva::util
