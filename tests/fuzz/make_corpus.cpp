// Writes the fuzzing seed corpus: one valid frame of every live and stored layout, one file each.
#include "support/FrameBuilder.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

bool write(const QDir& dir, const QString& name, const QByteArray& frame)
{
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(frame) == frame.size();
}

// current, unit, set and output voltage: the start of every IR-family layout
Payload irHead(quint8 mode)
{
    return Payload().u8(mode).f32(12.5f).u8(1).s16(500).s16(498);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_make_corpus DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral(".")))
        return 1;

    const QList<QPair<QString, QByteArray>> frames = {
        {"live-ir",
         liveFrame(irHead(0).f32(1234.5f).u8(1).s16(0).u8(1).u8(0).f32(1.5f).f32(2.25f).u8(0).time16(1, 5))},
        {"live-time", liveFrame(irHead(1).f32(99.99f).u8(2).time16(2, 30).s16(0).u8(1).u8(1).time16(10, 0))},
        {"live-pi", liveFrame(irHead(2)
                                  .f32(100.0f)
                                  .u8(1)
                                  .f32(250.0f)
                                  .u8(1)
                                  .f32(2.5f)
                                  .time16(9, 59)
                                  .s16(0)
                                  .u8(1)
                                  .u8(0)
                                  .time16(1, 0)
                                  .time16(10, 0)
                                  .u8(0))},
        {"live-dar", liveFrame(irHead(3)
                                   .f32(100.0f)
                                   .u8(1)
                                   .f32(130.0f)
                                   .u8(1)
                                   .f32(1.3f)
                                   .time16(0, 59)
                                   .s16(0)
                                   .u8(1)
                                   .u8(0)
                                   .time16(0, 15)
                                   .time16(1, 0)
                                   .u8(1))},
        {"live-comp", liveFrame(irHead(4).s32(500).u8(0).f32(1234.5f).u8(0).u8(2).s16(0).u8(1).u8(0))},
        {"live-cap", liveFrame(Payload().u8(5).f32(0.47f).s16(1000).s16(0).u8(1).u8(0))},
        {"live-volt", liveFrame(Payload().u8(6).s16(230).u8(1).u8(1).s16(0).u8(0))},
        {"live-res", liveFrame(Payload().u8(7).f32(9.999f).u8(0).u8(1).u8(2).u8(0).s16(0))},
        {"stored-ir",
         storedFrame(irHead(0).f32(1234.5f).u8(1).u8(0).f32(1.5f).f32(2.25f).u8(0).time16(3, 7))},
        {"stored-time", storedFrame(irHead(1).f32(99.99f).u8(2).time16(2, 30).u8(1))},
        {"stored-pi",
         storedFrame(
             irHead(2).u8(0).f32(100.0f).u8(1).f32(250.0f).u8(1).f32(2.5f).u8(0).time16(9, 59).u8(0))},
        {"stored-dar",
         storedFrame(
             irHead(3).u8(1).f32(100.0f).u8(1).f32(130.0f).u8(2).f32(1.3f).u8(0).time16(0, 59).u8(1))},
        {"stored-comp", storedFrame(irHead(4).s32(500).u8(0).f32(1234.5f).u8(0).u8(1).u8(0))},
        {"stored-cap", storedFrame(Payload().u8(5).s16(1000).s16(0).f32(0.47f).u8(1))},
        {"stored-volt", storedFrame(Payload().u8(6).s16(12).u8(0).u8(0).u8(2))},
        {"stored-res", storedFrame(Payload().u8(7).f32(-3.456f).u8(1).u8(1).u8(0))},
    };
    for (const auto& entry : frames) {
        if (!write(dir, entry.first, entry.second)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(entry.first));
            return 1;
        }
    }
    return 0;
}
