#pragma once

#include <tolva/util/tolva_util_global.h>

#include <QObject>
#include <QVariant>

#include <memory>

namespace tolva::util::gadget {

class AsyncLabor;
class AsyncSupervisorPrivate;

// Runs a labour in a worker thread of its own and reflects the labour's signals into
// the supervisor's thread. The labour stays the caller's: the supervisor never deletes it.
class TOLVA_UTIL_EXPORT AsyncSupervisor : public QObject
{
    Q_OBJECT
public:
    AsyncSupervisor(AsyncLabor* labor, QObject* parent = nullptr);
    // Stops a labour that is still running and joins the worker thread.
    ~AsyncSupervisor() override;

    bool running() const;

public slots:
    virtual bool start();
    virtual void stop();

signals:
    void message(QVariant data);
    void started();
    void stoped();
    void startAsync();

private:
    std::unique_ptr<AsyncSupervisorPrivate> d;
};

} // namespace tolva::util::gadget
