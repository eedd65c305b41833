#include "app/ProGlobal.h"

#include <QMutex>
#include <QMutexLocker>

std::atomic<ProGlobal*> ProGlobal::m_instance{nullptr};

ProGlobal* ProGlobal::instance()
{
    // Reads of an existing instance take no lock; creation is tested again under it.
    if (ProGlobal* existing = m_instance.load(std::memory_order_acquire))
        return existing;
    static QMutex mutex;
    QMutexLocker locker(&mutex);
    if (!m_instance.load(std::memory_order_relaxed))
        m_instance.store(new ProGlobal, std::memory_order_release);
    return m_instance.load(std::memory_order_relaxed);
}
