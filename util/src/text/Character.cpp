#include <tolva/util/Character.h>

#include "CsvFile.h"

#include <QAbstractTableModel>
#include <QRegularExpression>

#include <stdexcept>

namespace tolva::util::character {

namespace {

// The pattern-taking functions share one expression per thread, so concurrent
// callers never touch the same object; it is recompiled only when the pattern changes.
thread_local QRegularExpression re;

const QRegularExpression& expression(const QString& pattern)
{
    if (re.pattern() != pattern)
        re.setPattern(pattern);
    return re;
}

const QRegularExpression& trailingSpace()
{
    thread_local const QRegularExpression trailing(QStringLiteral("[\\s\\t\\r\\n]$"));
    return trailing;
}

// The white space a reader's trailing trim removes (\s of the expression, ASCII only).
bool endsInTrimmedSpace(const QString& text)
{
    if (text.isEmpty())
        return false;
    const char16_t last = text.back().unicode();
    return last == ' ' || last == '\t' || last == '\n' || last == '\v' || last == '\f' || last == '\r';
}

bool needsQuotes(const QString& cell, const QString& sep)
{
    const bool singleCharSep = sep.size() == 1;
    for (const QChar ch : cell) {
        if (ch == QLatin1Char('"') || ch == QLatin1Char('\r') || ch == QLatin1Char('\n'))
            return true;
        if (singleCharSep && ch == sep.front())
            return true;
    }
    return sep.size() > 1 && cell.contains(sep);
}

bool isExcluded(const QString& header, const QStringList& excluded)
{
    return !excluded.isEmpty() && excluded.contains(header, Qt::CaseInsensitive);
}

QStringList headerTexts(const QAbstractTableModel* model)
{
    QStringList headers;
    for (int column = 0; column < model->columnCount(); ++column)
        headers << model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    return headers;
}

// Streams a model as CSV lines, one row at a time, so a large model never has to
// exist as text all at once.
class ModelLines
{
public:
    ModelLines(const QAbstractTableModel* model, const QStringList& excluded) : m_model(model)
    {
        const QStringList headers = headerTexts(model);
        for (int column = 0; column < headers.size(); ++column) {
            if (isExcluded(headers.at(column), excluded))
                continue;
            m_columns << column;
            m_headers << headers.at(column);
        }
    }

    QString header() const { return Character::csvJoin(m_headers); }

    QString row(int row) const
    {
        QStringList cells;
        cells.reserve(m_columns.size());
        for (int column : m_columns)
            cells << m_model->data(m_model->index(row, column), Qt::DisplayRole).toString();
        return Character::csvJoin(cells);
    }

    template <typename Sink> void write(bool noHeader, Sink&& sink) const
    {
        if (!noHeader)
            sink(header());
        const int rows = m_model->rowCount();
        for (int r = 0; r < rows; ++r)
            sink(row(r));
    }

private:
    const QAbstractTableModel* m_model;
    QList<int> m_columns;
    QStringList m_headers;
};

} // namespace

bool Character::isEqual(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool Character::isStart(const QString& a, const QString& b)
{
    return a.startsWith(b, Qt::CaseInsensitive);
}

bool Character::isEnd(const QString& a, const QString& b)
{
    return a.endsWith(b, Qt::CaseInsensitive);
}

bool Character::isMatch(const QString& text, const QString& pattern)
{
    return expression(pattern).match(text).hasMatch();
}

QStringList Character::strToList(const QString& text, const QString& sep)
{
    return text.split(sep, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

QString Character::listToStr(const QList<QString>& list, const QString& sep)
{
    QString joined;
    for (const QString& item : list) {
        joined.append(item);
        joined.append(sep);
    }
    if (!joined.isEmpty())
        joined.chop(sep.size());
    return joined;
}

QString Character::boolToStr(bool value, bool asWord)
{
    if (asWord)
        return value ? QStringLiteral("ON") : QStringLiteral("OFF");
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

bool Character::strToBool(const QString& text)
{
    return expression(QStringLiteral("^(?i)(on|1)$")).match(text).hasMatch();
}

QString Character::simplifyString(const QString& text)
{
    return QString(text).remove(expression(QStringLiteral("[\\s\\t\\r\\n]")));
}

QString Character::simplifyEnd(const QString& text)
{
    return QString(text).remove(trailingSpace());
}

QString Character::removeEOL(const QString& text)
{
    return QString(text).remove(expression(QStringLiteral("[\\r\\n]$")));
}

std::string Character::removePreChar(const std::string& text, char c)
{
    // Callers rely on this exception for an empty text.
    if (text.empty())
        throw std::out_of_range("Character::removePreChar: empty text");
    std::size_t pos = 0;
    while (pos + 1 < text.size() && text[pos] == c && text[pos + 1] != '.')
        ++pos;
    return text.substr(pos);
}

QString Character::csvField(const QString& cell, const QString& sep)
{
    if (!needsQuotes(cell, sep))
        return cell;
    QString quoted = cell;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString Character::csvJoin(const QStringList& cells, const QString& sep)
{
    QString line;
    for (int i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line.append(sep);
        QString field = csvField(cells.at(i), sep);
        const bool last = i == cells.size() - 1;
        if (last && field == cells.at(i) && endsInTrimmedSpace(field))
            field = QLatin1Char('"') + field + QLatin1Char('"');
        line.append(field);
    }
    return line;
}

QStringList Character::dataModelToLines(const QAbstractTableModel* model, bool noHeader,
                                        const QStringList& excluded)
{
    QStringList lines;
    if (!model)
        return lines;
    ModelLines(model, excluded).write(noHeader, [&lines](const QString& line) { lines << line; });
    return lines;
}

QList<QList<QString>> Character::validStringList(QList<QList<QString>>& rows, const QString& prefix)
{
    const QRegularExpression& comment = expression(QStringLiteral("^[\\s]*%1").arg(prefix));
    QList<QList<QString>> valid;
    for (const QList<QString>& row : rows) {
        if (!row.isEmpty() && !comment.match(row.first()).hasMatch())
            valid << row;
    }
    return valid;
}

bool Character::csvSave(const QString& fileName, const QList<QString>& lines)
{
    return writeCsvFile(fileName, [&lines](const LineSink& sink) {
        for (const QString& line : lines)
            sink(line);
    });
}

bool Character::csvSave(const QString& fileName, QAbstractTableModel* model, bool noHeader)
{
    if (!model)
        return false;
    const ModelLines lines(model, {});
    return writeCsvFile(fileName, [&lines, noHeader](const LineSink& sink) { lines.write(noHeader, sink); });
}

QStringList Character::csvLoad(const QString& fileName)
{
    return readCsvLines(fileName);
}

} // namespace tolva::util::character
