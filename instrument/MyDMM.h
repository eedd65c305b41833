#pragma once

#include "command/CommandCtrl.h"
#include "instrument/DMMData.h"
#include "instrument/FrameAssembler.h"

#include <QByteArray>
#include <QObject>
#include <QSharedPointer>
#include <QString>
#include <QVariant>

#include <memory>

class HIDDevice;

// The instrument control: opens and closes the instrument, cuts its bytes into frames and
// emits the decoded records. Lives in the main thread; the link and the command pump run
// threads of their own and reach it through queued signals.
class MyDMM : public QObject
{
    Q_OBJECT
public:
    // USB ids of the instrument, for enumerating it.
    static constexpr unsigned short VendorId = 0x1A86;
    static constexpr unsigned short ProductId = 0xE429;

    explicit MyDMM(QObject* parent = nullptr);
    ~MyDMM() override;

    bool open(const QString& path);
    void close();
    bool actived() const { return m_actived; }
    void setActived(bool actived) { m_actived = actived; }
    // Holds the command controller back; frames are still received and decoded.
    void setPause(bool paused);

    void addCommand(const QString& text, bool needResponse, Pump::PoolMode mode, int timeout);
    void cmdTemplate(const QVariant& value);
    void initCommand();

    void decodeLiveData(const QByteArray& frame);
    void decodeStoreData(const QByteArray& frame);

    static QString getCurrUnit(int code);
    static QString getResUnit(int code);
    static int getPrecision(double v);
    static int getfieldWidth(double v);
    static void getDoubleParam(double v, int& width, int& precision);
    static double getCutValue(double v, int n);

signals:
    void updateLiveData(QSharedPointer<DMMData> data);
    void updateStoreData(QSharedPointer<DMMData> data);
    void communicationTimeout();
    void opened();
    void closed();

public slots:
    void nextCommand(QSharedPointer<Command> command);
    void sltCommunicationTimeout();
    void slotSerialDeviceRead(const uint8_t* data, uint len);

private slots:
    void onDeviceBytes(const QByteArray& payload);

private:
    CommandCtrl* m_ctrl;
    QSharedPointer<Command> m_currentCommand;
    bool m_actived = false;
    FrameAssembler* m_assembler;
    std::unique_ptr<HIDDevice> m_device;
};
