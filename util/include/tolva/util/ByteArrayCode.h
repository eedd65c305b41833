#pragma once

#include <tolva/util/Code.h>

#include <QByteArray>

namespace tolva::util {

// A code that carries raw bytes.
class TOLVA_UTIL_EXPORT ByteArrayCode : public Code
{
public:
    explicit ByteArrayCode(const QByteArray& data = QByteArray());
    ~ByteArrayCode() override;

    QByteArray data() const;
    void setData(const QByteArray& data);

private:
    QByteArray m_data;
};

} // namespace tolva::util
