#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT and SIGTERM into a Qt signal in the main thread (through a self-pipe), so a
// recording can close its link and write everything it received before it exits.
class TerminationWatcher : public QObject
{
    Q_OBJECT
public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;

signals:
    void terminationRequested();

private:
    void drain();

    QSocketNotifier* m_notifier = nullptr;
};
