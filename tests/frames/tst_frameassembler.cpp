#include "instrument/FrameAssembler.h"
#include "instrument/Utils.h"
#include "support/FrameBuilder.h"

#include <QSignalSpy>
#include <QTest>

using Reports = QList<QByteArray>;
using Frames = QList<QByteArray>;

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// A short live and a short stored frame, each a valid stand-in for any mode's payload.
const QByteArray live1 = liveFrame(Payload().u8(0).f32(1.5f).u8(1));
const QByteArray live2 = liveFrame(Payload().u8(7).f32(42.0f).u8(0).u8(1).u8(0));
const QByteArray stored1 = hex("abcd00050300000003");

QByteArray withBadChecksum(QByteArray frame)
{
    frame[frame.size() - 1] = char(frame[frame.size() - 1] + 1);
    return frame;
}

QString storedDebugLine(const QByteArray& frame)
{
    return QStringLiteral("Stored Data:  \"%1\" --------------------------------")
        .arg(QString::fromLatin1(frame.toHex()));
}

} // namespace

class TestFrameAssembler : public QObject
{
    Q_OBJECT
private slots:
    void checksum_data();
    void checksum();
    void stream_data();
    void stream();
    void storedFrameWritesDebugLine();
    void bytesWithoutHeaderAreBounded();
};

void TestFrameAssembler::checksum_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("sum");
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("unsigned bytes") << hex("ff01") << 256;
    QTest::newRow("past 16 bits") << QByteArray(300, char(0xFF)) << 300 * 255;
}

void TestFrameAssembler::checksum()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, sum);
    QCOMPARE(Utils::getCheckSum(bytes.constData(), bytes.size()), sum);
    QCOMPARE(Utils::getCheckSum(bytes.constData(), -1), 0);
}

void TestFrameAssembler::stream_data()
{
    QTest::addColumn<Reports>("reports");
    // Live and stored frames dispatched after each report, counted from the start.
    QTest::addColumn<QList<int>>("dispatchedAfter");
    QTest::addColumn<Frames>("expectedLive");
    QTest::addColumn<Frames>("expectedStored");
    QTest::addColumn<QByteArray>("leftOver");

    QTest::newRow("frame split over three reports")
        << Reports{live1.left(3), live1.mid(3, 4), live1.mid(7)} << QList<int>{0, 0, 1} << Frames{live1}
        << Frames{} << QByteArray();
    QTest::newRow("two frames in one report")
        << Reports{live1 + stored1} << QList<int>{2} << Frames{live1} << Frames{stored1} << QByteArray();
    QTest::newRow("garbage before a frame")
        << Reports{hex("0102cdab03") + live2} << QList<int>{1} << Frames{live2} << Frames{} << QByteArray();
    QTest::newRow("empty frame AB CD 00 00 is consumed and dropped")
        << Reports{hex("abcd0000") + live1} << QList<int>{1} << Frames{live1} << Frames{} << QByteArray();
    QTest::newRow("live frame without payload") << Reports{hex("abcd0003020002")} << QList<int>{1}
                                                << Frames{hex("abcd0003020002")} << Frames{} << QByteArray();
    QTest::newRow("other frame type is dropped")
        << Reports{makeFrame(5, hex("0102")) + live1} << QList<int>{1} << Frames{live1} << Frames{}
        << QByteArray();
    QTest::newRow("lone trailing AB completed later")
        << Reports{live1 + live2.left(1), live2.mid(1)} << QList<int>{1, 2} << Frames{live1, live2}
        << Frames{} << QByteArray();
    QTest::newRow("incomplete frame waits")
        << Reports{live1 + live2.left(9)} << QList<int>{1} << Frames{live1} << Frames{} << live2.left(9);
    QTest::newRow("bad checksum does not swallow the frames behind it")
        << Reports{withBadChecksum(live1) + live2 + stored1} << QList<int>{2} << Frames{live2}
        << Frames{stored1} << QByteArray();
    QTest::newRow("false header whose declared length covers a real frame")
        << Reports{hex("abcd0012") + live2 + hex("000000000000")} << QList<int>{1} << Frames{live2}
        << Frames{} << QByteArray();
    QTest::newRow("false header with a huge length")
        << Reports{hex("abcdffff") + live1, live2} << QList<int>{1, 2} << Frames{live1, live2} << Frames{}
        << QByteArray();
    QTest::newRow("header longer than any frame is not awaited")
        << Reports{hex("abcd0401") + live1.left(5), live1.mid(5)} << QList<int>{0, 1} << Frames{live1}
        << Frames{} << QByteArray();
}

void TestFrameAssembler::stream()
{
    QFETCH(Reports, reports);
    QFETCH(QList<int>, dispatchedAfter);
    QFETCH(Frames, expectedLive);
    QFETCH(Frames, expectedStored);
    QFETCH(QByteArray, leftOver);

    for (const QByteArray& frame : expectedStored)
        QTest::ignoreMessage(QtDebugMsg, qPrintable(storedDebugLine(frame)));
    FrameAssembler assembler;
    QSignalSpy live(&assembler, &FrameAssembler::liveFrame);
    QSignalSpy stored(&assembler, &FrameAssembler::storedFrame);
    for (int i = 0; i < reports.size(); ++i) {
        assembler.feed(reinterpret_cast<const uint8_t*>(reports[i].constData()), uint(reports[i].size()));
        QCOMPARE(live.size() + stored.size(), dispatchedAfter[i]);
    }
    Frames gotLive, gotStored;
    for (const auto& args : live)
        gotLive << args.at(0).toByteArray();
    for (const auto& args : stored)
        gotStored << args.at(0).toByteArray();
    QCOMPARE(gotLive, expectedLive);
    QCOMPARE(gotStored, expectedStored);
    QCOMPARE(assembler.buffer(), leftOver);
}

void TestFrameAssembler::storedFrameWritesDebugLine()
{
    QTest::ignoreMessage(QtDebugMsg, "Stored Data:  \"abcd00050300000003\" --------------------------------");
    FrameAssembler assembler;
    QSignalSpy stored(&assembler, &FrameAssembler::storedFrame);
    assembler.feed(reinterpret_cast<const uint8_t*>(stored1.constData()), uint(stored1.size()));
    QCOMPARE(stored.size(), 1);
    QCOMPARE(assembler.frame(), stored1);
}

void TestFrameAssembler::bytesWithoutHeaderAreBounded()
{
    FrameAssembler assembler;
    const QByteArray noise(100000, char(0x55));
    assembler.feed(reinterpret_cast<const uint8_t*>(noise.constData()), uint(noise.size()));
    QVERIFY(assembler.buffer().isEmpty());

    const QByteArray noiseThenHalfHeader = noise + hex("ab");
    assembler.feed(reinterpret_cast<const uint8_t*>(noiseThenHalfHeader.constData()),
                   uint(noiseThenHalfHeader.size()));
    QCOMPARE(assembler.buffer(), hex("ab"));

    QSignalSpy live(&assembler, &FrameAssembler::liveFrame);
    assembler.feed(reinterpret_cast<const uint8_t*>(live1.constData() + 1), uint(live1.size() - 1));
    QCOMPARE(live.size(), 1);
}

QTEST_GUILESS_MAIN(TestFrameAssembler)
#include "tst_frameassembler.moc"
