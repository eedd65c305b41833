#pragma once

#include <tolva/util/Code.h>

#include <QString>

namespace tolva::util {

// A code that carries a text.
class TOLVA_UTIL_EXPORT StringCode : public Code
{
public:
    explicit StringCode(const QString& data = QString());
    ~StringCode() override;

    QString data() const;
    void setData(const QString& data);

private:
    QString m_data;
};

} // namespace tolva::util
