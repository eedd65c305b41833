#include "CsvFile.h"

#include <tolva/util/Character.h>

#include <QFile>
#include <QTextStream>

namespace tolva::util::character {

bool writeCsvFile(const QString& fileName, const std::function<void(const LineSink&)>& produceLines)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out.setGenerateByteOrderMark(true);
    produceLines([&out](const QString& line) { out << line << '\n'; });
    out.flush();
    // A full disk must not pass for a written file.
    const bool written = out.status() == QTextStream::Ok && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

QStringList readCsvLines(const QString& fileName)
{
    QStringList lines;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return lines;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    while (!in.atEnd())
        lines << Character::simplifyEnd(in.readLine());
    return lines;
}

bool readCsvText(const QString& fileName, QString& text)
{
    QFile file(fileName);
    // Binary mode: carriage returns inside quoted cells are data.
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    text = in.readAll();
    return true;
}

} // namespace tolva::util::character
