#pragma once

#include <tolva/util/tolva_util_global.h>

#include <QObject>
#include <QVariant>

namespace tolva::util::gadget {

// One long piece of work run in a worker thread by an AsyncSupervisor.
// A labour that loops must make run() return when stop() is called; stop() comes from
// the supervisor's thread while run() executes, so it has to be thread-safe.
class TOLVA_UTIL_EXPORT AsyncLabor : public QObject
{
    Q_OBJECT
public:
    explicit AsyncLabor(QObject* parent = nullptr);
    ~AsyncLabor() override;

public slots:
    virtual bool start();
    virtual void startAsync();
    virtual void run() = 0;
    virtual void stop();

signals:
    void message(QVariant data);
    void started();
    void stoped();
};

} // namespace tolva::util::gadget
