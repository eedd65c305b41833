#pragma once

#include <tolva/util/TableReader.h>

namespace tolva::util::character {

// A table given in memory.
class TOLVA_UTIL_EXPORT StringListReader : public TableReader
{
public:
    explicit StringListReader(const QList<QList<QString>>& content = {});

    void setContent(const QList<QList<QString>>& content);
    bool load() override;
};

} // namespace tolva::util::character
