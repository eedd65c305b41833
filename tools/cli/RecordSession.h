#pragma once

#include "CliRequest.h"

#include <QObject>
#include <QTimer>

class MyDMM;
class RecordWriter;

// One recording: opens the instrument, writes every record as it arrives and stops at the
// record count, the time limit, SIGINT/SIGTERM or a lost link.
class RecordSession : public QObject
{
    Q_OBJECT
public:
    explicit RecordSession(const CliRequest& request, QObject* parent = nullptr);

    // An exit code when the recording cannot start; -1 when it runs and finished() will follow.
    int start();

signals:
    void finished(int exitCode);

private:
    QString choosePath(int& exitCode) const;
    void showProgress(qint64 count);
    void finish(int exitCode);
    void closeAndReport(int exitCode);

    CliRequest m_request;
    MyDMM* m_dmm = nullptr;
    RecordWriter* m_writer = nullptr;
    QTimer m_deadline;
    bool m_progress = false;
    bool m_finished = false;
};
