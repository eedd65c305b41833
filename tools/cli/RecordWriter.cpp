#include "RecordWriter.h"

#include "models/DataModel.h"
#include "models/ModelFactory.h"

#include <tolva/util/Character.h>

#include <QStringList>

#include <cstdio>
#include <unistd.h>

using tolva::util::character::Character;

RecordWriter::RecordWriter(QObject* parent) : QObject(parent)
{
    for (int mode = 0; mode < DMMData::ModeCount; ++mode) {
        m_live[mode].model.reset(ModelFactory::createLiveModel(mode));
        m_stored[mode].model.reset(ModelFactory::createStoredModel(mode));
    }
}

RecordWriter::~RecordWriter() = default;

bool RecordWriter::open(const QString& fileName)
{
    if (fileName.isEmpty())
        return m_file.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    m_sync = true;
    m_file.setFileName(fileName);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
}

void RecordWriter::writeLive(const QSharedPointer<DMMData>& record)
{
    write(QStringLiteral("live"), m_live[record->mode], record);
}

void RecordWriter::writeStored(const QSharedPointer<DMMData>& record)
{
    write(QStringLiteral("stored"), m_stored[record->mode], record);
}

void RecordWriter::write(const QString& kind, Table& table, const QSharedPointer<DMMData>& record)
{
    if (m_failed)
        return;
    // The model renders the row exactly as the table shows it; it holds only this record,
    // so a long recording does not grow in memory, and No. is our own count.
    DataModel& model = *table.model;
    model.clear();
    model.addData(record);
    QStringList cells{kind};
    for (int column = 0; column < model.columnCount(); ++column)
        cells << model.data(model.index(0, column), Qt::DisplayRole).toString();
    cells[1] = QString::number(++table.written);

    QByteArray line = Character::csvJoin(cells).toUtf8();
    line.append('\n');
    if (!writeLine(line)) {
        m_failed = true;
        emit writeFailed();
        return;
    }
    ++m_count;
    m_lastReading = QStringLiteral("%1 %2").arg(DMMData::modeName(record->mode),
                                                model.getMainValue(0).toString().trimmed());
    emit written(m_count);
}

bool RecordWriter::writeLine(const QByteArray& line)
{
    if (m_file.write(line) != line.size())
        return false;
    return !m_sync || ::fdatasync(m_file.handle()) == 0;
}
