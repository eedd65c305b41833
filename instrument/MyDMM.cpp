#include "instrument/MyDMM.h"

#include "device/HIDDevice.h"
#include "instrument/RecordDecoder.h"

#include <QSignalBlocker>

MyDMM::MyDMM(QObject* parent)
    : QObject(parent), m_ctrl(new CommandCtrl(this)), m_assembler(new FrameAssembler(this)),
      m_device(std::make_unique<HIDDevice>())
{
    // The link's own opened()/closed() are not forwarded: this object emits each once, after its
    // controller has started or stopped as well.
    connect(m_device.get(), &HIDDevice::readyRead, this, &MyDMM::onDeviceBytes);
    connect(m_device.get(), &HIDDevice::disconnected, this, &MyDMM::sltCommunicationTimeout);

    m_ctrl->setInterval(10);
    connect(m_ctrl, &CommandCtrl::nextCommand, this, &MyDMM::nextCommand);
    connect(m_ctrl, &CommandCtrl::communicationTimeout, this, &MyDMM::sltCommunicationTimeout);

    connect(m_assembler, &FrameAssembler::liveFrame, this, &MyDMM::decodeLiveData);
    connect(m_assembler, &FrameAssembler::storedFrame, this, &MyDMM::decodeStoreData);
}

MyDMM::~MyDMM()
{
    close();
}

bool MyDMM::open(const QString& path)
{
    if (m_actived || !m_device->open(path))
        return false;
    m_currentCommand.reset();
    m_ctrl->reset();
    m_actived = m_ctrl->start();
    if (!m_actived) {
        // Leave nothing open behind a failed open, so that a later one can succeed.
        const QSignalBlocker quiet(m_device.get());
        m_device->close();
        return false;
    }
    emit opened();
    return true;
}

void MyDMM::close()
{
    if (!m_actived)
        return;
    m_ctrl->stop();
    m_device->close();
    m_actived = false;
    emit closed();
}

void MyDMM::setPause(bool paused)
{
    m_ctrl->setPause(paused);
}

void MyDMM::addCommand(const QString& text, bool needResponse, Pump::PoolMode mode, int timeout)
{
    QString line = text;
    if (!line.endsWith(QLatin1Char('\n')) && !line.endsWith(QLatin1Char('\r')))
        line.append(QLatin1Char('\n'));
    m_ctrl->add(QSharedPointer<Command>::create(line.toLatin1(), needResponse, timeout, QVariant()), mode);
}

void MyDMM::cmdTemplate(const QVariant& value)
{
    addCommand(QStringLiteral("%1").arg(value.toString()), false, Pump::pmOnce, 2000);
}

void MyDMM::initCommand()
{
    addCommand(QStringLiteral("BEGIN"), true, Pump::pmLoop, 2000);
    addCommand(QStringLiteral("END"), true, Pump::pmLoop, 2000);
}

// Commands are not written to the instrument, which streams on its own; every command is taken
// as answered at once, so that queued commands never end the connection with a time-out.
void MyDMM::nextCommand(QSharedPointer<Command> command)
{
    m_currentCommand = command;
    m_ctrl->response(Pump::rrOk);
}

void MyDMM::sltCommunicationTimeout()
{
    // A time-out or a lost link that arrives after the connection closed is stale.
    if (!m_actived)
        return;
    close();
    emit communicationTimeout();
}

void MyDMM::slotSerialDeviceRead(const uint8_t* data, uint len)
{
    m_assembler->feed(data, len);
}

void MyDMM::onDeviceBytes(const QByteArray& payload)
{
    slotSerialDeviceRead(reinterpret_cast<const uint8_t*>(payload.constData()), uint(payload.size()));
}

void MyDMM::decodeLiveData(const QByteArray& frame)
{
    if (QSharedPointer<DMMData> record = RecordDecoder::decodeLive(frame))
        emit updateLiveData(record);
}

void MyDMM::decodeStoreData(const QByteArray& frame)
{
    if (QSharedPointer<DMMData> record = RecordDecoder::decodeStored(frame))
        emit updateStoreData(record);
}

QString MyDMM::getCurrUnit(int code)
{
    return RecordDecoder::getCurrUnit(code);
}

QString MyDMM::getResUnit(int code)
{
    return RecordDecoder::getResUnit(code);
}

int MyDMM::getPrecision(double v)
{
    return RecordDecoder::getPrecision(v);
}

int MyDMM::getfieldWidth(double v)
{
    return RecordDecoder::getfieldWidth(v);
}

void MyDMM::getDoubleParam(double v, int& width, int& precision)
{
    RecordDecoder::getDoubleParam(v, width, precision);
}

double MyDMM::getCutValue(double v, int n)
{
    return RecordDecoder::getCutValue(v, n);
}
