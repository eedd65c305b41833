#pragma once

#include "device/HIDDevice.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Steers the simulated instrument through its environment, which it reads at every open.
class SimSession
{
public:
    static constexpr unsigned short VendorId = 0x1A86;
    static constexpr unsigned short ProductId = 0xE429;

    SimSession()
    {
        for (const char* name :
             {"IRMETER_SIM_STREAM", "IRMETER_SIM_REPORT_MS", "IRMETER_SIM_LOOP", "IRMETER_SIM_DEVICES",
              "IRMETER_SIM_OPEN_FAIL", "IRMETER_SIM_UNPLUG_AFTER_MS"})
            qunsetenv(name);
    }

    // The instrument sends `bytes` once, a report every `reportMs` milliseconds.
    bool play(const QByteArray& bytes, int reportMs = 1, bool loop = false)
    {
        QFile file(m_dir.filePath(QStringLiteral("stream.bin")));
        if (!m_dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return false;
        qputenv("IRMETER_SIM_STREAM", file.fileName().toLocal8Bit());
        qputenv("IRMETER_SIM_REPORT_MS", QByteArray::number(reportMs));
        qputenv("IRMETER_SIM_LOOP", loop ? "1" : "0");
        return true;
    }

    static QString firstPath()
    {
        const QList<HIDDevInfo> devices = HIDDevice::enumerate(VendorId, ProductId);
        return devices.isEmpty() ? QString() : devices.first().path;
    }

private:
    QTemporaryDir m_dir;
};

// Bytes 0, 1, 2, ... wrapping at 256.
inline QByteArray countingBytes(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i);
    return bytes;
}
