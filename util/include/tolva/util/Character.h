#pragma once

#include <tolva/util/tolva_util_global.h>

#include <QList>
#include <QString>
#include <QStringList>

#include <string>

class QAbstractTableModel;

namespace tolva::util::character {

// Text helpers and the CSV writer and reader. Every function is safe to call from
// several threads at once as long as the arguments are not shared.
class TOLVA_UTIL_EXPORT Character
{
public:
    Character() = delete;

    static bool isEqual(const QString& a, const QString& b);
    static bool isStart(const QString& a, const QString& b);
    static bool isEnd(const QString& a, const QString& b);
    static bool isMatch(const QString& text, const QString& pattern);

    static QStringList strToList(const QString& text, const QString& sep);
    static QString listToStr(const QList<QString>& list, const QString& sep);

    static QString boolToStr(bool value, bool asWord);
    static bool strToBool(const QString& text);

    static QString simplifyString(const QString& text);
    static QString simplifyEnd(const QString& text);
    static QString removeEOL(const QString& text);
    // Throws std::out_of_range on an empty text.
    static std::string removePreChar(const std::string& text, char c);

    // One cell as CSV: quoted (inner quotes doubled) when it holds the separator, a
    // double quote, a carriage return or a line feed; otherwise unchanged.
    static QString csvField(const QString& cell, const QString& sep = QStringLiteral(","));
    // One CSV line exactly as the writer makes it: the cells through csvField, joined
    // with the separator. The last cell is also quoted when it ends in white space,
    // which a reader would otherwise trim from the line.
    static QString csvJoin(const QStringList& cells, const QString& sep = QStringLiteral(","));

    static QStringList dataModelToLines(const QAbstractTableModel* model, bool noHeader,
                                        const QStringList& excluded);
    static QList<QList<QString>> validStringList(QList<QList<QString>>& rows, const QString& prefix);

    static bool csvSave(const QString& fileName, const QList<QString>& lines);
    static bool csvSave(const QString& fileName, QAbstractTableModel* model, bool noHeader);
    static QStringList csvLoad(const QString& fileName);
};

} // namespace tolva::util::character
