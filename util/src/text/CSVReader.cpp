#include <tolva/util/CSVReader.h>

#include "CsvFile.h"
#include "CsvParser.h"
#include "TableReaderPrivate.h"

namespace tolva::util::character {

CSVReader::CSVReader(const QString& fileName, const QString& separator)
{
    data().fileName = fileName;
    data().separator = separator;
}

void CSVReader::setFileName(const QString& fileName)
{
    data().fileName = fileName;
}

void CSVReader::setSeparator(const QString& separator)
{
    data().separator = separator;
}

bool CSVReader::load()
{
    data().content.clear();
    QString text;
    if (!readCsvText(data().fileName, text))
        return false;
    data().content = parseCsv(text, data().separator);
    return !data().content.isEmpty();
}

} // namespace tolva::util::character
