#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace tolva::util::character {

using LineSink = std::function<void(const QString&)>;

// Writes a UTF-8 text file with a byte order mark, a line feed after every line the
// producer hands to the sink. False when the file cannot be opened or written.
bool writeCsvFile(const QString& fileName, const std::function<void(const LineSink&)>& produceLines);

// The file's lines, each without its line end and with one trailing blank trimmed.
QStringList readCsvLines(const QString& fileName);

// The whole file decoded as UTF-8 (byte order mark dropped, line ends untouched).
bool readCsvText(const QString& fileName, QString& text);

} // namespace tolva::util::character
