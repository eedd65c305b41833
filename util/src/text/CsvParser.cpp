#include "CsvParser.h"

#include <tolva/util/Character.h>

namespace tolva::util::character {

namespace {

const QChar quote = QLatin1Char('"');
const QChar lineFeed = QLatin1Char('\n');
const QChar carriageReturn = QLatin1Char('\r');

class CsvParser
{
public:
    CsvParser(const QString& text, const QString& separator) : m_text(text), m_sep(separator) {}

    QList<QList<QString>> rows()
    {
        QList<QList<QString>> rows;
        while (m_pos < m_text.size())
            rows << nextRow();
        return rows;
    }

private:
    int lineEnd() const
    {
        const int end = m_text.indexOf(lineFeed, m_pos);
        return end < 0 ? m_text.size() : end;
    }

    QList<QString> nextRow()
    {
        const int end = lineEnd();
        const QStringRef line = m_text.midRef(m_pos, end - m_pos);
        if (m_sep.isEmpty() || !line.contains(quote)) {
            m_pos = end + 1;
            QString plain = line.toString();
            plain.remove(carriageReturn);
            return Character::strToList(Character::simplifyEnd(plain), m_sep);
        }
        return quotedRow();
    }

    QList<QString> quotedRow()
    {
        QList<QString> cells;
        for (;;) {
            QString cell;
            if (m_pos < m_text.size() && m_text.at(m_pos) == quote) {
                ++m_pos;
                cell = readQuoted();
            }
            const QString tail = readUnquoted();
            if (m_text.midRef(m_pos).startsWith(m_sep)) {
                m_pos += m_sep.size();
                cells << cell + tail;
                continue;
            }
            ++m_pos; // the line feed, or past the end
            cells << cell + Character::simplifyEnd(tail);
            return cells;
        }
    }

    // From just after an opening quote to just after its closing quote.
    QString readQuoted()
    {
        QString cell;
        for (;;) {
            const int next = m_text.indexOf(quote, m_pos);
            if (next < 0) { // unterminated: the rest of the text is the cell
                cell += m_text.midRef(m_pos);
                m_pos = m_text.size();
                return cell;
            }
            cell += m_text.midRef(m_pos, next - m_pos);
            m_pos = next + 1;
            if (m_pos < m_text.size() && m_text.at(m_pos) == quote) {
                cell += quote;
                ++m_pos;
                continue;
            }
            return cell;
        }
    }

    // Up to the next separator, line feed or the end; quotes here are plain text.
    QString readUnquoted()
    {
        int end = lineEnd();
        const int sep = m_text.indexOf(m_sep, m_pos);
        if (sep >= 0 && sep < end)
            end = sep;
        QString part = m_text.mid(m_pos, end - m_pos);
        part.remove(carriageReturn);
        m_pos = end;
        return part;
    }

    const QString& m_text;
    const QString m_sep;
    int m_pos = 0;
};

} // namespace

QList<QList<QString>> parseCsv(const QString& text, const QString& separator)
{
    return CsvParser(text, separator).rows();
}

} // namespace tolva::util::character
