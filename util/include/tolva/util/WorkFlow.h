#pragma once

#include <tolva/util/Word.h>

#include <QObject>
#include <QStringList>

#include <memory>

namespace tolva::util::gadget {

class WorkFlowPrivate;

// A named, endlessly repeated sequence of tasks run on a Chatter. A subclass lists the
// tasks and performs each in doTask(), then calls respond() so that the next one follows.
class TOLVA_UTIL_EXPORT WorkFlow : public QObject
{
    Q_OBJECT
public:
    explicit WorkFlow(QObject* parent = nullptr);
    ~WorkFlow() override;

    void add(const QString& task, bool once);
    void addFront(const QString& task, bool once);
    void clear();
    void respond();
    void delay(unsigned long ms);

    int timeout() const;
    void setTimeout(int ms);
    int interval() const;
    void setInterval(int ms);
    bool active() const;
    QString preTask() const;
    QString currentTask() const;

public slots:
    virtual bool start();
    virtual void stop(bool now);
    virtual void stopForce();

signals:
    void started();
    void stoped();

protected:
    virtual QStringList taskList() = 0;
    virtual void doTask(const QString& preTask, const QString& task) = 0;

private slots:
    void nextWord(QSharedPointer<tolva::util::Word> word);

private:
    QSharedPointer<tolva::util::Word> makeTask(const QString& task) const;

    std::unique_ptr<WorkFlowPrivate> d;
};

} // namespace tolva::util::gadget
