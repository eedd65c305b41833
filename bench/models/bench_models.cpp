// Cost of the table models as the record count grows: appending must stay amortised constant
// time and reading a row must not depend on how many rows the model holds.
#include "instrument/DMMData.h"
#include "models/ModelFactory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <malloc.h>

#include <cstdio>
#include <memory>

namespace {

using Records = QList<QSharedPointer<DMMData>>;

// Live IR records as the decoder makes them: every text formatted on its own.
Records makeRecords(int count)
{
    Records records;
    records.reserve(count);
    const QDateTime start = QDateTime::currentDateTime();
    for (int i = 0; i < count; ++i) {
        auto* record = new DMMDataIR;
        record->mode = DMMData::dmIR;
        record->dateTime = start.addMSecs(i * 100);
        record->res = {QString::number(1.0 + (i % 900) / 100.0, 'f', 2), 1.0, QStringLiteral("GΩ")};
        record->resGreater = (i % 7) == 0;
        record->current = {QString::number((i % 100) / 100.0, 'f', 2), 0.0, QStringLiteral("nA")};
        record->vSet = {QString::number(500), 500, QStringLiteral("V")};
        record->vOut = {QString::number(495 + i % 10), 495, QStringLiteral("V")};
        record->dar = {QStringLiteral("1.30"), 1.3, QString()};
        record->pi = {QStringLiteral("2.10"), 2.1, QString()};
        record->time = static_cast<quint16>(i & 0xFFFF);
        records.append(QSharedPointer<DMMData>(record));
    }
    return records;
}

std::unique_ptr<DataModel> liveIRModel()
{
    return std::unique_ptr<DataModel>(ModelFactory::createLiveModel(DMMData::dmIR));
}

size_t heapBytes()
{
    return mallinfo2().uordblks;
}

// Nanoseconds per addData, filling fresh models with `records` `rounds` times.
double nsPerAdd(const Records& records, int rounds)
{
    qint64 total = 0;
    for (int round = 0; round < rounds; ++round) {
        auto model = liveIRModel();
        QElapsedTimer timer;
        timer.start();
        for (const auto& record : records)
            model->addData(record);
        total += timer.nsecsElapsed();
    }
    return double(total) / (double(records.size()) * rounds);
}

// Nanoseconds to render every column of one row, over `reads` rows drawn at random from the
// whole model, or read in order from the latest 1000 rows as a view kept at the end does.
double nsPerRowRead(const DataModel& model, int reads, bool latestOnly)
{
    QRandomGenerator random(42);
    const int rows = model.rowCount();
    const int columns = model.columnCount();
    qint64 chars = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < reads; ++i) {
        const int row = latestOnly ? rows - 1000 + i % 1000 : int(random.bounded(quint32(rows)));
        for (int column = 0; column < columns; ++column)
            chars += model.data(model.index(row, column)).toString().size();
    }
    const qint64 elapsed = timer.nsecsElapsed();
    if (chars == 0)
        std::printf("(no text rendered)\n");
    return double(elapsed) / reads;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    constexpr int Small = 1000;
    constexpr int Large = 1000000;
    constexpr int Reads = 200000;

    const Records small = makeRecords(Small);
    const size_t beforeRecords = heapBytes();
    const Records large = makeRecords(Large);
    const double recordBytes = double(heapBytes() - beforeRecords) / Large;

    std::printf("addData, %7d rows: %8.1f ns per call (mean of 200 fills)\n", Small, nsPerAdd(small, 200));
    std::printf("addData, %7d rows: %8.1f ns per call (mean of 3 fills)\n", Large, nsPerAdd(large, 3));

    auto smallModel = liveIRModel();
    for (const auto& record : small)
        smallModel->addData(record);
    auto largeModel = liveIRModel();
    const size_t beforeRows = heapBytes();
    for (const auto& record : large)
        largeModel->addData(record);
    const double rowBytes = double(heapBytes() - beforeRows) / Large;

    // Warm both once so that neither pays for first-use set-up inside the measurement.
    nsPerRowRead(*smallModel, 1000, false);
    nsPerRowRead(*largeModel, 1000, false);
    for (const DataModel* model : {smallModel.get(), largeModel.get()}) {
        std::printf("data() row of %d columns, %7d rows: %8.1f ns per row (%d random rows of all)\n",
                    model->columnCount(), model->rowCount(), nsPerRowRead(*model, Reads, false), Reads);
    }
    for (const DataModel* model : {smallModel.get(), largeModel.get()}) {
        std::printf("data() row of %d columns, %7d rows: %8.1f ns per row (latest 1000 rows, in order)\n",
                    model->columnCount(), model->rowCount(), nsPerRowRead(*model, Reads, true));
    }

    std::printf("memory: %.0f bytes per live IR record, %.0f bytes per model row on top\n", recordBytes,
                rowBytes);
    return 0;
}
