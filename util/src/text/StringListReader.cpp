#include <tolva/util/StringListReader.h>

#include "TableReaderPrivate.h"

namespace tolva::util::character {

StringListReader::StringListReader(const QList<QList<QString>>& content)
{
    data().content = content;
}

void StringListReader::setContent(const QList<QList<QString>>& content)
{
    data().content = content;
}

bool StringListReader::load()
{
    return true;
}

} // namespace tolva::util::character
