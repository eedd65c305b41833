#include "RecordSession.h"

#include "CliOutput.h"
#include "ExitCode.h"
#include "RecordWriter.h"
#include "TerminationWatcher.h"
#include "device/HIDDevice.h"
#include "instrument/MyDMM.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {

bool permissionDenied(const QString& path)
{
    return ::access(path.toLocal8Bit().constData(), R_OK | W_OK) != 0 && errno == EACCES;
}

} // namespace

RecordSession::RecordSession(const CliRequest& request, QObject* parent)
    : QObject(parent), m_request(request), m_dmm(new MyDMM(this)), m_writer(new RecordWriter(this))
{
    m_deadline.setSingleShot(true);
    m_progress = ::isatty(STDERR_FILENO);
}

int RecordSession::start()
{
    if (!m_writer->open(m_request.output)) {
        printError(QStringLiteral("cannot write %1: %2").arg(m_request.output, m_writer->errorString()));
        return ExitFileError;
    }
    int exitCode = ExitOk;
    const QString path = choosePath(exitCode);
    if (path.isEmpty())
        return exitCode;

    connect(m_dmm, &MyDMM::updateLiveData, m_writer, &RecordWriter::writeLive);
    connect(m_dmm, &MyDMM::updateStoreData, m_writer, &RecordWriter::writeStored);
    if (!m_dmm->open(path)) {
        QString message = QStringLiteral("cannot open the instrument at %1").arg(path);
        if (permissionDenied(path))
            message += QStringLiteral(": permission denied; install the udev rule described in the README");
        printError(message);
        return ExitCannotOpen;
    }

    connect(m_dmm, &MyDMM::communicationTimeout, this, [this] {
        printError(QStringLiteral("the link to the instrument was lost"));
        finish(ExitLinkLost);
    });
    connect(m_writer, &RecordWriter::writeFailed, this, [this] {
        printError(QStringLiteral("cannot write %1: %2").arg(m_request.output, m_writer->errorString()));
        finish(ExitFileError);
    });
    connect(m_writer, &RecordWriter::written, this, [this](qint64 count) {
        showProgress(count);
        if (m_request.count > 0 && count >= m_request.count)
            finish(ExitOk);
    });
    auto* watcher = new TerminationWatcher(this);
    connect(watcher, &TerminationWatcher::terminationRequested, this, [this] { finish(ExitOk); });
    if (m_request.seconds > 0) {
        connect(&m_deadline, &QTimer::timeout, this, [this] { finish(ExitOk); });
        m_deadline.start(int(m_request.seconds * 1000));
    }
    return -1;
}

QString RecordSession::choosePath(int& exitCode) const
{
    if (!m_request.path.isEmpty())
        return m_request.path;
    const QList<HIDDevInfo> devices = HIDDevice::enumerate(MyDMM::VendorId, MyDMM::ProductId);
    if (devices.isEmpty()) {
        printError(QStringLiteral("no instrument found"));
        exitCode = ExitNoInstrument;
        return QString();
    }
    return devices.first().path;
}

void RecordSession::showProgress(qint64 count)
{
    if (m_progress)
        std::fprintf(stderr, "\rrecords: %lld  last: %s\033[K", static_cast<long long>(count),
                     qUtf8Printable(m_writer->lastReading()));
}

void RecordSession::finish(int exitCode)
{
    if (m_finished)
        return;
    m_finished = true;
    m_deadline.stop();
    if (m_request.count > 0 && m_writer->count() >= m_request.count)
        disconnect(m_dmm, nullptr, m_writer, nullptr);
    // We may be inside the instrument control's own delivery of a record: close from the loop.
    QTimer::singleShot(0, this, [this, exitCode] { closeAndReport(exitCode); });
}

void RecordSession::closeAndReport(int exitCode)
{
    m_dmm->close();
    // Reports read before the link closed are still queued: write them too.
    QCoreApplication::sendPostedEvents();
    if (m_progress)
        std::fputc('\n', stderr);
    if (m_writer->hasFailed() && exitCode == ExitOk)
        exitCode = ExitFileError;
    emit finished(exitCode);
}
