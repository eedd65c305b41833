#pragma once

#include "device/HIDDevInfo.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QThread>

#include <memory>

class HIDDeviceP;

// The HID link: opens the instrument and hands the payload of every input report to the owner's
// thread. The reading is done by a worker in a thread of its own ("HIDReader").
class HIDDevice : public QObject
{
    Q_OBJECT
public:
    explicit HIDDevice(QObject* parent = nullptr);
    // Closes the link (emitting closed()) and joins the reader thread.
    ~HIDDevice() override;

    static QList<HIDDevInfo> enumerate(unsigned short vendorId, unsigned short productId);

    bool open(const QString& path);
    bool open(unsigned short vendorId, unsigned short productId);
    // Blocks until the read loop has ended: at most one read time-out (1 s) and a pause.
    void close();
    bool isOpen() const;

signals:
    void startRead();
    void opened();
    void closed();
    // One input report's payload; the array owns its bytes.
    void readyRead(const QByteArray& payload);
    // The device stopped answering reads (unplugged); the owner should close the link.
    void disconnected();

private:
    bool startReading(bool workerOpened);
    void onReadFailed();

    // Declared in this order so that the worker is destroyed before its thread.
    std::unique_ptr<QThread> m_thread;
    std::unique_ptr<HIDDeviceP> m_worker;
};
