#include "command/Pump.h"

#include <QMetaType>

Pump::Pump(QObject* parent) : QObject(parent)
{
    qRegisterMetaType<Pump::PoolMode>("Pump::PoolMode");
}

void Pump::response(Pump::ResponseResult r)
{
    std::lock_guard<std::mutex> lock(mutex);
    m_result = r;
    condition.notify_all();
}
