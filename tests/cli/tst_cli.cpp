#include "support/FrameBuilder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// irmeter-cli driven as a process, against the simulated instrument (LD_PRELOAD) and stream files.
namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

using Env = QList<QPair<QString, QString>>;

QProcessEnvironment simEnvironment(const Env& settings)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString preload = env.value(QStringLiteral("LD_PRELOAD"));
    env.insert(QStringLiteral("LD_PRELOAD"),
               QStringLiteral(SIM_PATH) + (preload.isEmpty() ? QString() : QLatin1Char(':') + preload));
    env.insert(QStringLiteral("IRMETER_SIM_REPORT_MS"), QStringLiteral("0"));
    for (const auto& setting : settings)
        env.insert(setting.first, setting.second);
    return env;
}

void startCli(QProcess& process, const QStringList& args, const Env& settings)
{
    process.setProcessEnvironment(simEnvironment(settings));
    process.start(QStringLiteral(CLI_PATH), args);
}

Run runCli(const QStringList& args, const Env& settings = {}, const QByteArray& input = {})
{
    QProcess process;
    startCli(process, args, settings);
    if (!input.isNull()) {
        process.write(input);
        process.closeWriteChannel();
    }
    Run run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QByteArray irFrame(float megaOhm, quint8 minutes)
{
    return liveFrame(Payload()
                         .u8(0)
                         .f32(1.5f)
                         .u8(1) // uA
                         .s16(500)
                         .s16(498)
                         .f32(megaOhm)
                         .u8(0) // MΩ
                         .s16(0)
                         .u8(1) // testing
                         .u8(0) // not over range
                         .f32(1.25f)
                         .f32(2.5f)
                         .u8(0)
                         .time16(minutes, 5));
}

QByteArray storedCapFrame(float microFarad)
{
    return storedFrame(Payload().u8(5).s16(1000).s16(0).f32(microFarad).u8(0));
}

// Lines of the records above with their date/time cell replaced by "T" (it is the decode time).
QStringList withoutTimes(const QByteArray& out)
{
    QStringList lines = QString::fromUtf8(out).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    static const QRegularExpression time(
        QStringLiteral("^(live,\\d+,)\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d,"));
    for (QString& line : lines)
        line.replace(time, QStringLiteral("\\1T,"));
    return lines;
}

QString irLine(int number, const QString& res, const QString& minutes)
{
    return QStringLiteral("live,%1,T,IR,%2 MΩ,1.50 uA,500 V,498 V,1.25 ,2.50 ,%3:05")
        .arg(number)
        .arg(res, minutes);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void wrongUsage_data();
    void wrongUsage();
    void listsInstruments();
    void noInstrument_data();
    void noInstrument();
    void decodeSkipsGarbageAndFalseFrames();
    void decodeHexFromStandardInput();
    void decodeUnreadableInput_data();
    void decodeUnreadableInput();
    void recordStopsAtCount();
    void recordStopsAfterSeconds();
    void recordWritesFileUntilInterrupted();
    void recordReportsLostLink();
    void recordCannotOpen_data();
    void recordCannotOpen();

private:
    QTemporaryDir m_dir;
    QString m_stream; // ten IR records, two stored CAP records, in that order
};

void TestCli::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QByteArray bytes;
    for (int i = 0; i < 10; ++i)
        bytes += irFrame(10.0f + float(i), quint8(i));
    bytes += storedCapFrame(0.25f) + storedCapFrame(12.5f);
    m_stream = m_dir.filePath(QStringLiteral("session.bin"));
    QVERIFY(writeFile(m_stream, bytes));
}

void TestCli::wrongUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no command") << QStringList();
    QTest::newRow("unknown command") << QStringList{"play"};
    QTest::newRow("list with argument") << QStringList{"list", "x"};
    QTest::newRow("count not a number") << QStringList{"record", "--count", "many"};
    QTest::newRow("count zero") << QStringList{"record", "--count=0"};
    QTest::newRow("seconds missing") << QStringList{"record", "--seconds"};
    QTest::newRow("unknown option") << QStringList{"record", "--fast"};
    QTest::newRow("two inputs") << QStringList{"decode", "a", "b"};
}

void TestCli::wrongUsage()
{
    QFETCH(QStringList, args);
    const Run run = runCli(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.startsWith("irmeter-cli: "));
    QVERIFY(run.err.contains("usage: irmeter-cli list"));
}

void TestCli::listsInstruments()
{
    const Run run = runCli({"list"}, {{"IRMETER_SIM_DEVICES", "2"}});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].split('\t').size(), 4);
    QCOMPARE(lines[1].split('\t').size(), 4);
    QVERIFY(lines[0].split('\t')[0] != lines[1].split('\t')[0]);
    QVERIFY(lines[0].split('\t')[3] != lines[1].split('\t')[3]);
}

void TestCli::noInstrument_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("list") << QStringList{"list"};
    QTest::newRow("record") << QStringList{"record", "--count", "1"};
}

void TestCli::noInstrument()
{
    QFETCH(QStringList, args);
    const Run run = runCli(args, {{"IRMETER_SIM_DEVICES", "0"}});
    QCOMPARE(run.exitCode, 3);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.err, QByteArray("irmeter-cli: no instrument found\n"));
}

void TestCli::decodeSkipsGarbageAndFalseFrames()
{
    QByteArray corrupted = irFrame(99.0f, 9);
    corrupted[corrupted.size() - 1] = char(corrupted[corrupted.size() - 1] ^ 0x01);
    const QByteArray bytes = QByteArray("\x01\x02garbage\xAB", 10) + irFrame(10.0f, 0) + corrupted +
                             QByteArray::fromHex("abcdffff") + storedCapFrame(0.25f) + irFrame(123.4f, 2);
    const QString file = m_dir.filePath(QStringLiteral("garbled.bin"));
    QVERIFY(writeFile(file, bytes));

    const Run run = runCli({"decode", file});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    QCOMPARE(withoutTimes(run.out),
             (QStringList{irLine(1, "10.0", "00"), "stored,1,-,CAP,0.25 μF,1000 V", irLine(2, "123", "02")}));
}

void TestCli::decodeHexFromStandardInput()
{
    // White space anywhere in the text is ignored, even inside a byte.
    QByteArray hex = storedCapFrame(12.5f).toHex();
    for (int at = hex.size() - 3; at > 0; at -= 5)
        hex.insert(at, at % 2 ? " \n" : "\t");
    const Run run = runCli({"decode", "--hex", "-"}, {}, hex);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(withoutTimes(run.out), QStringList{"stored,1,-,CAP,12.5 μF,1000 V"});
}

void TestCli::decodeUnreadableInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("missing file") << QStringList{"decode", "/nonexistent/stream.bin"} << QByteArray();
    QTest::newRow("not hexadecimal") << QStringList{"decode", "--hex"} << QByteArray("abcd00zz");
    QTest::newRow("odd digit count") << QStringList{"decode", "--hex"} << QByteArray("abc");
}

void TestCli::decodeUnreadableInput()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    const Run run = runCli(args, {}, input);
    QCOMPARE(run.exitCode, 6);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.startsWith("irmeter-cli: "));
}

void TestCli::recordStopsAtCount()
{
    const Run run = runCli({"record", "--count", "3"}, {{"IRMETER_SIM_STREAM", m_stream}});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(withoutTimes(run.out),
             (QStringList{irLine(1, "10.0", "00"), irLine(2, "11.0", "01"), irLine(3, "12.0", "02")}));
}

void TestCli::recordStopsAfterSeconds()
{
    QElapsedTimer clock;
    clock.start();
    const Run run = runCli(
        {"record", "--seconds", "1.5"},
        {{"IRMETER_SIM_STREAM", m_stream}, {"IRMETER_SIM_LOOP", "1"}, {"IRMETER_SIM_REPORT_MS", "20"}});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(clock.elapsed() >= 1400);
    const QStringList lines = withoutTimes(run.out);
    QVERIFY(lines.size() >= 5);
    QCOMPARE(lines.first(), irLine(1, "10.0", "00"));
}

void TestCli::recordWritesFileUntilInterrupted()
{
    const QString output = m_dir.filePath(QStringLiteral("interrupted.csv"));
    QProcess process;
    startCli(process, {"record", "--output", output},
             {{"IRMETER_SIM_STREAM", m_stream}, {"IRMETER_SIM_LOOP", "1"}, {"IRMETER_SIM_REPORT_MS", "15"}});
    QVERIFY(process.waitForStarted());
    // The file grows while recording: every line is on disk as soon as it is written.
    const auto linesWritten = [&output] {
        QFile file(output);
        return file.open(QIODevice::ReadOnly) ? file.readAll().count('\n') : 0;
    };
    QTRY_VERIFY_WITH_TIMEOUT(linesWritten() >= 15, 20000);
    ::kill(pid_t(process.processId()), SIGINT);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);

    QFile file(output);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.endsWith('\n'));
    QVERIFY(!content.startsWith("\xEF\xBB\xBF"));
    // In order and without gaps: the stream's records, looping.
    const QStringList lines = withoutTimes(content);
    int live = 0, stored = 0;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("live"))) {
            const int i = live++ % 10;
            QCOMPARE(line, irLine(live, QString::number(10 + i) + ".0", QStringLiteral("0%1").arg(i)));
        } else {
            ++stored;
            QVERIFY2(line.startsWith(QStringLiteral("stored,%1,-,CAP,").arg(stored)), qPrintable(line));
        }
    }
    QVERIFY(live >= 10);
}

void TestCli::recordReportsLostLink()
{
    const Run run = runCli({"record"}, {{"IRMETER_SIM_STREAM", m_stream},
                                        {"IRMETER_SIM_LOOP", "1"},
                                        {"IRMETER_SIM_REPORT_MS", "20"},
                                        {"IRMETER_SIM_UNPLUG_AFTER_MS", "600"}});
    QCOMPARE(run.exitCode, 5);
    QVERIFY(run.err.contains("lost"));
    const QStringList lines = withoutTimes(run.out);
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.first(), irLine(1, "10.0", "00"));
}

void TestCli::recordCannotOpen_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("openFail");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("busy instrument") << QStringList{"record"} << "1" << 4;
    QTest::newRow("no such path") << QStringList{"record", "--path", "/dev/nothing-here"} << "0" << 4;
    QTest::newRow("output not writable")
        << QStringList{"record", "--output", "/nonexistent/dir/out.csv"} << "0" << 6;
}

void TestCli::recordCannotOpen()
{
    QFETCH(QStringList, args);
    QFETCH(QString, openFail);
    QFETCH(int, exitCode);
    const Run run = runCli(args, {{"IRMETER_SIM_STREAM", m_stream}, {"IRMETER_SIM_OPEN_FAIL", openFail}});
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.startsWith("irmeter-cli: "));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
