#pragma once

#include <QList>
#include <QString>

namespace tolva::util::character {

// Splits decoded CSV text into rows. A line without a double quote is cut exactly as
// the line-based loader cuts it (carriage returns dropped, one trailing blank trimmed,
// split at every separator). A cell that starts with a double quote runs to the
// closing quote (RFC 4180): separators and line breaks inside are data, "" is one quote.
QList<QList<QString>> parseCsv(const QString& text, const QString& separator);

} // namespace tolva::util::character
