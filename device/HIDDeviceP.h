#pragma once

#include "command/CommandCtrl.h"
#include "device/HIDDevInfo.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

// One report's payload on its way out of the reader thread. A type of our own rather than a bare
// QByteArray, so that the queued copy is made and released by code that ThreadSanitizer sees
// (QtCore copies its built-in types out of its sight).
struct HIDReport
{
    QByteArray payload;
};
Q_DECLARE_METATYPE(HIDReport)

struct hid_device_;
typedef struct hid_device_ hid_device;

// The HID link's worker: owns the device handle and runs the read loop in the reader thread.
// open() and close() are called from the owner's thread while the loop is not running or is to end.
class HIDDeviceP : public QObject
{
    Q_OBJECT
public:
    static constexpr int ReportSize = 64;
    static constexpr int ReadTimeoutMs = 1000;
    static constexpr int ReadPauseMs = 10;
    // An unplugged device fails every read at once; this many failures in a row end the link.
    static constexpr int MaxConsecutiveReadFailures = 5;

    explicit HIDDeviceP(QObject* parent = nullptr);
    ~HIDDeviceP() override;

    static QList<HIDDevInfo> enumerate(unsigned short vendorId, unsigned short productId);
    // The payload of one input report of `bytesRead` bytes: byte 0 counts the bytes behind it.
    // Never reaches beyond what was read, whatever the count byte claims.
    static QByteArray payloadOf(const unsigned char* report, int bytesRead);

    bool open(const QString& path);
    bool open(unsigned short vendorId, unsigned short productId);
    void close();

    bool isOpened() const { return m_opened; }
    bool isReading() const { return m_reading; }
    // Called by the owner after joining the reader thread (see CommandPump::acknowledgeLoopEnd).
    void acknowledgeReadEnd() const { (void)m_readLoopsEnded.load(std::memory_order_acquire); }

signals:
    void readyRead(HIDReport report);
    // The read loop gave up after MaxConsecutiveReadFailures: the device is gone.
    void readFailed();
    // The read loop has ended and closed the device.
    void readStopped();

public slots:
    void doRead();

private slots:
    void communicationTimeout();
    void nextCommand(QSharedPointer<Command> cmd);

private:
    bool startWith(hid_device* handle);

    std::atomic<hid_device*> m_handle{nullptr};
    std::unique_ptr<CommandCtrl> m_ctrl;
    std::atomic<bool> m_opened{false};
    std::atomic<bool> m_reading{false};
    std::atomic<int> m_readLoopsEnded{0};
    unsigned char m_buffer[ReportSize] = {};
};
