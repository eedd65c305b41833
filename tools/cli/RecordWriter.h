#pragma once

#include "instrument/DMMData.h"

#include <QFile>
#include <QObject>
#include <QSharedPointer>

#include <array>
#include <memory>

class DataModel;

// Writes one CSV line per record: "live" or "stored", then the record's row as the window's
// Export writes it for that mode's table. The No. cell counts the records of that kind and
// mode from 1. A file is synced after every line, so a crash loses at most the last record.
class RecordWriter : public QObject
{
    Q_OBJECT
public:
    explicit RecordWriter(QObject* parent = nullptr);
    ~RecordWriter() override;

    // Empty name: standard output.
    bool open(const QString& fileName);
    QString errorString() const { return m_file.errorString(); }
    bool hasFailed() const { return m_failed; }

    qint64 count() const { return m_count; }
    QString lastReading() const { return m_lastReading; }

public slots:
    void writeLive(const QSharedPointer<DMMData>& record);
    void writeStored(const QSharedPointer<DMMData>& record);

signals:
    void written(qint64 count);
    void writeFailed();

private:
    struct Table
    {
        std::unique_ptr<DataModel> model;
        qint64 written = 0;
    };
    void write(const QString& kind, Table& table, const QSharedPointer<DMMData>& record);
    bool writeLine(const QByteArray& line);

    QFile m_file;
    bool m_sync = false;
    bool m_failed = false;
    qint64 m_count = 0;
    QString m_lastReading;
    std::array<Table, DMMData::ModeCount> m_live;
    std::array<Table, DMMData::ModeCount> m_stored;
};
