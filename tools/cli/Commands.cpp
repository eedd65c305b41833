#include "Commands.h"

#include "CliOutput.h"
#include "ExitCode.h"
#include "RecordWriter.h"
#include "device/HIDDevice.h"
#include "instrument/MyDMM.h"

#include <QFile>

#include <cctype>
#include <cstdio>

namespace {

bool readInput(const QString& name, QByteArray& bytes)
{
    const bool fromStdin = name.isEmpty() || name == QLatin1String("-");
    const QString shownName = fromStdin ? QStringLiteral("standard input") : name;
    QFile file(fromStdin ? QString() : name);
    const bool opened = fromStdin ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (opened)
        bytes = file.readAll();
    if (!opened || file.error() != QFileDevice::NoError) {
        printError(QStringLiteral("cannot read %1: %2").arg(shownName, file.errorString()));
        return false;
    }
    return true;
}

// Hexadecimal text with white space anywhere; anything else is refused.
bool fromHexText(const QByteArray& text, QByteArray& bytes)
{
    QByteArray digits;
    digits.reserve(text.size());
    for (char c : text) {
        if (QChar::isSpace(uchar(c)))
            continue;
        if (!std::isxdigit(uchar(c)))
            return false;
        digits.append(c);
    }
    if (digits.size() % 2 != 0)
        return false;
    bytes = QByteArray::fromHex(digits);
    return true;
}

} // namespace

int runList()
{
    const QList<HIDDevInfo> devices = HIDDevice::enumerate(MyDMM::VendorId, MyDMM::ProductId);
    if (devices.isEmpty()) {
        printError(QStringLiteral("no instrument found"));
        return ExitNoInstrument;
    }
    for (const HIDDevInfo& device : devices)
        std::printf("%s\t%s\t%s\t%s\n", qUtf8Printable(device.path), qUtf8Printable(device.manufacturer),
                    qUtf8Printable(device.product), qUtf8Printable(device.serialNumber));
    return ExitOk;
}

int runDecode(const CliRequest& request)
{
    QByteArray bytes;
    if (!readInput(request.input, bytes))
        return ExitFileError;
    if (request.hex && !fromHexText(QByteArray(bytes), bytes)) {
        printError(QStringLiteral("%1 is not hexadecimal text")
                       .arg(request.input.isEmpty() ? QStringLiteral("standard input") : request.input));
        return ExitFileError;
    }
    RecordWriter writer;
    if (!writer.open(QString()))
        return ExitFileError;
    // The instrument control decodes without a link: the bytes go where a report's payload goes.
    MyDMM dmm;
    QObject::connect(&dmm, &MyDMM::updateLiveData, &writer, &RecordWriter::writeLive);
    QObject::connect(&dmm, &MyDMM::updateStoreData, &writer, &RecordWriter::writeStored);
    dmm.slotSerialDeviceRead(reinterpret_cast<const uint8_t*>(bytes.constData()), uint(bytes.size()));
    return writer.hasFailed() ? ExitFileError : ExitOk;
}
