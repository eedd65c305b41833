#pragma once

#include <tolva/util/TableReader.h>

namespace tolva::util::character {

// Reads a delimited text file. Cells in double quotes (RFC 4180) may hold the
// separator, doubled quotes and line breaks.
class TOLVA_UTIL_EXPORT CSVReader : public TableReader
{
public:
    explicit CSVReader(const QString& fileName = QString(), const QString& separator = QStringLiteral(","));

    void setFileName(const QString& fileName);
    void setSeparator(const QString& separator);
    // Replaces the content with the file's rows; true when at least one row was read.
    bool load() override;
};

} // namespace tolva::util::character
