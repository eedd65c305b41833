#pragma once

#include <QList>
#include <QString>

namespace tolva::util::character {

class TableReaderPrivate
{
public:
    QList<QList<QString>> content;
    QString fileName;
    QString separator = QStringLiteral(",");
};

} // namespace tolva::util::character
