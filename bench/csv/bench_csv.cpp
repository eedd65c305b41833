// Exports a generated table of a million rows to CSV and prints the time and the
// peak memory, for the row-by-row writer and for building every line first.
// Each way runs in a child process of its own, so the peaks do not mix.
//   bench_csv [--rows N]            run both and print a table
//   bench_csv --mode stream|lines [--rows N] <file>   one run (used by the parent)
#include <tolva/util/Character.h>

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <ctime>

using tolva::util::character::Character;

namespace {

// Ten columns of instrument-like texts, made on demand so the model itself is tiny.
class GeneratedTableModel : public QAbstractTableModel
{
public:
    explicit GeneratedTableModel(int rows) : m_rows(rows) {}

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 10; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        const int row = index.row();
        switch (index.column()) {
        case 0:
            return QString::number(row + 1);
        case 1:
            return QStringLiteral("IR");
        case 2:
            return QStringLiteral("%1:%2:%3").arg(row / 3600 % 24).arg(row / 60 % 60).arg(row % 60);
        case 3:
            return QStringLiteral("%1 MΩ").arg(row % 1000 * 0.37, 0, 'f', 2);
        case 4:
            return QStringLiteral("%1 V").arg(250 * (1 + row % 4));
        case 5:
            return QStringLiteral("%1 uA").arg(row % 97 * 0.01, 0, 'f', 3);
        case 6:
            return QStringLiteral("%1 μF").arg(row % 13 * 0.1, 0, 'f', 1);
        case 7:
            return row % 50 == 0 ? QStringLiteral(">2.00 GΩ") : QStringLiteral("1.50 GΩ");
        case 8:
            return QStringLiteral("00:%1").arg(row % 60, 2, 10, QLatin1Char('0'));
        default:
            return row % 2 ? QStringLiteral("PASS") : QStringLiteral("FAIL");
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
            return {};
        static const QStringList headers{"No.",     "Mode",        "Time",  "Value",     "Voltage",
                                         "Current", "Capacitance", "Limit", "Test time", "Result"};
        return headers.value(section);
    }

private:
    int m_rows;
};

// Peak resident memory of this process so far, in KiB (Linux).
long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    QTextStream in(&status);
    for (QString line = in.readLine(); !line.isNull(); line = in.readLine()) {
        if (line.startsWith(QLatin1String("VmHWM:")))
            return line.section(QLatin1Char(' '), 1, -1, QString::SectionSkipEmpty)
                .section(' ', 0, 0)
                .toLong();
    }
    return -1;
}

int runOne(const QString& mode, int rows, const QString& fileName)
{
    GeneratedTableModel model(rows);
    const long before = peakKiB();
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpuStart = std::clock();
    bool saved = false;
    if (mode == QLatin1String("stream"))
        saved = Character::csvSave(fileName, &model, false);
    else
        saved = Character::csvSave(fileName, Character::dataModelToLines(&model, false, {}));
    const double seconds = timer.nsecsElapsed() / 1e9;
    const double cpuSeconds = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    if (!saved) {
        std::fprintf(stderr, "csvSave failed\n");
        return 1;
    }
    std::printf("%s %.3f %.3f %ld %ld %lld\n", qPrintable(mode), seconds, cpuSeconds, before, peakKiB(),
                QFileInfo(fileName).size());
    return 0;
}

int runBoth(int rows)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    std::printf("CSV export of %d rows x 10 columns\n", rows);
    std::printf("%-34s %9s %9s %10s %11s %9s\n", "way", "wall s", "CPU s", "peak MiB", "before MiB",
                "file MiB");
    const QStringList modes{"stream", "lines"};
    for (const QString& mode : modes) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--mode", mode, "--rows", QString::number(rows), dir.filePath(mode + ".csv")});
        if (!child.waitForFinished(-1) || child.exitCode() != 0)
            return 1;
        const QStringList f = QString::fromLatin1(child.readAllStandardOutput()).split(' ');
        if (f.size() != 6)
            return 1;
        const char* label = mode == QLatin1String("stream") ? "csvSave(model): row by row"
                                                            : "csvSave(dataModelToLines(model))";
        std::printf("%-34s %9s %9s %10.1f %11.1f %9.1f\n", label, qPrintable(f[1]), qPrintable(f[2]),
                    f[4].toLong() / 1024.0, f[3].toLong() / 1024.0, f[5].toLongLong() / 1048576.0);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int rows = 1000000;
    QString mode;
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (args.isEmpty())
            break;
        if (option == QLatin1String("--rows"))
            rows = args.takeFirst().toInt();
        else if (option == QLatin1String("--mode"))
            mode = args.takeFirst();
    }
    if (mode.isEmpty())
        return runBoth(rows);
    if (args.size() != 1)
        return 2;
    return runOne(mode, rows, args.first());
}
