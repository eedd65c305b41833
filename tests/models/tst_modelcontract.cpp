#include "ModelRecords.h"
#include "models/ColumnLists.h"
#include "models/ModelFactory.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

// Marks every text of the window's context, so a title that was translated differs from its key.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (QByteArray(context) != "TemplateWindow")
            return QString();
        return QStringLiteral("[%1]").arg(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

// A grid larger than any mode table, to address cells a mode table does not have.
class Grid : public QAbstractTableModel
{
public:
    int rowCount(const QModelIndex& = QModelIndex()) const override { return 20; }
    int columnCount(const QModelIndex& = QModelIndex()) const override { return 20; }
    QVariant data(const QModelIndex&, int) const override { return {}; }
};

std::unique_ptr<DataModel> makeModel(int mode, bool stored)
{
    return std::unique_ptr<DataModel>(stored ? ModelFactory::createStoredModel(mode)
                                             : ModelFactory::createLiveModel(mode));
}

void addModelRows()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("stored");
    for (int mode = 0; mode < DMMData::ModeCount; ++mode) {
        const QByteArray name = DMMData::modeName(mode).toLatin1();
        QTest::newRow("live " + name) << mode << false;
        QTest::newRow("stored " + name) << mode << true;
    }
}

constexpr int Centred = Qt::AlignHCenter | Qt::AlignVCenter;

} // namespace

class TestModelContract : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void itemModelChecksHoldWhileRowsComeAndGo_data() { addModelRows(); }
    void itemModelChecksHoldWhileRowsComeAndGo();
    void addDataAnnouncesOneRowAtTheEnd();
    void clearAnnouncesAllRowsAndDropsTheRecords();
    void clearOnAnEmptyModelAnnouncesNothing();
    void sharedColumns();
    void headers_data();
    void headers();
    void headerAnswersNothingElse();
    void columnsAreSharedAndStable();
    void unknownModeGivesNothing();
    void cellsAreNotEditable();
    void cellsOutsideTheRecordsAnswerNothing_data() { addModelRows(); }
    void cellsOutsideTheRecordsAnswerNothing();
    void columnPastTheEndIsOnlyAligned_data();
    void columnPastTheEndIsOnlyAligned();
    void recordOfAnotherModeShowsOnlySharedColumns();

private:
    MarkingTranslator m_translator;
};

// The column lists are built once, with the translators installed at that moment.
void TestModelContract::initTestCase()
{
    QCoreApplication::installTranslator(&m_translator);
}

void TestModelContract::itemModelChecksHoldWhileRowsComeAndGo()
{
    QFETCH(int, mode);
    QFETCH(bool, stored);
    auto model = makeModel(mode, stored);
    QVERIFY(model);
    QAbstractItemModelTester tester(model.get(), QAbstractItemModelTester::FailureReportingMode::Fatal);

    for (int i = 0; i < 3; ++i)
        model->addData(blankRecord(mode));
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column)
            QCOMPARE(model->data(model->index(row, column), Qt::TextAlignmentRole).toInt(), Centred);
    }
    model->clear();
    QCOMPARE(model->rowCount(), 0);
    model->addData(blankRecord(mode));
    model->clear();
    model->clear();
    QCOMPARE(model->rowCount(), 0);
}

void TestModelContract::addDataAnnouncesOneRowAtTheEnd()
{
    auto model = makeModel(DMMData::dmIR, false);
    QSignalSpy aboutToInsert(model.get(), &QAbstractItemModel::rowsAboutToBeInserted);
    QSignalSpy inserted(model.get(), &QAbstractItemModel::rowsInserted);

    QCOMPARE(model->addData(blankRecord(DMMData::dmIR)), 1);
    QCOMPARE(model->addData(blankRecord(DMMData::dmIR)), 2);

    QCOMPARE(aboutToInsert.count(), 2);
    QCOMPARE(inserted.count(), 2);
    for (int i = 0; i < 2; ++i) {
        QVERIFY(!aboutToInsert.at(i).at(0).value<QModelIndex>().isValid());
        QCOMPARE(aboutToInsert.at(i).at(1).toInt(), i);
        QCOMPARE(aboutToInsert.at(i).at(2).toInt(), i);
        QCOMPARE(inserted.at(i).at(1).toInt(), i);
        QCOMPARE(inserted.at(i).at(2).toInt(), i);
    }

    for (int i = 0; i < 3; ++i)
        model->addData(blankRecord(DMMData::dmIR));
    const QVariant fifth = model->data(model->index(4, 0));
    QCOMPARE(fifth.userType(), int(QMetaType::Int));
    QCOMPARE(fifth.toInt(), 5);
}

void TestModelContract::clearAnnouncesAllRowsAndDropsTheRecords()
{
    auto model = makeModel(DMMData::dmRES, true);
    QList<QSharedPointer<DMMData>> added;
    for (int i = 0; i < 3; ++i) {
        added.append(blankRecord(DMMData::dmRES));
        model->addData(added.last());
    }
    QCOMPARE(model->getData(), added);
    const QWeakPointer<DMMData> first = added.first();
    added.clear();

    QSignalSpy aboutToRemove(model.get(), &QAbstractItemModel::rowsAboutToBeRemoved);
    QSignalSpy removed(model.get(), &QAbstractItemModel::rowsRemoved);
    model->clear();

    QCOMPARE(aboutToRemove.count(), 1);
    QCOMPARE(aboutToRemove.at(0).at(1).toInt(), 0);
    QCOMPARE(aboutToRemove.at(0).at(2).toInt(), 2);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(model->rowCount(), 0);
    QVERIFY(model->getData().isEmpty());
    QVERIFY(first.isNull());
}

void TestModelContract::clearOnAnEmptyModelAnnouncesNothing()
{
    auto model = makeModel(DMMData::dmCAP, false);
    QSignalSpy aboutToRemove(model.get(), &QAbstractItemModel::rowsAboutToBeRemoved);
    QSignalSpy reset(model.get(), &QAbstractItemModel::modelAboutToBeReset);
    QCOMPARE(model->rowCount(), 0);
    model->clear();
    QCOMPARE(aboutToRemove.count(), 0);
    QCOMPARE(reset.count(), 0);
}

void TestModelContract::sharedColumns()
{
    QDateTime when(QDate(2024, 3, 9), QTime(14, 5, 7));
    for (int mode = 0; mode < DMMData::ModeCount; ++mode) {
        auto model = makeModel(mode, false);
        auto record = blankRecord(mode);
        record->dateTime = when;
        model->addData(record);
        QCOMPARE(model->data(model->index(0, 0)).toInt(), 1);
        QCOMPARE(model->data(model->index(0, 1)).toString(), QStringLiteral("2024-03-09 14:05:07"));
        QCOMPARE(model->data(model->index(0, 2)).toString(), DMMData::modeName(mode));
    }
    auto volt = makeModel(DMMData::dmVOLT, false);
    volt->addData(blankRecord(DMMData::dmVOLT));
    QCOMPARE(volt->data(volt->index(0, 2)).toString(), QStringLiteral("VOLT"));
    QCOMPARE(volt->data(volt->index(0, 1)).toString(), QString());
}

void TestModelContract::headers_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("keys");
    const QStringList shared{"No.", "Date/Time", "Mode"};
    QTest::newRow("IR") << int(DMMData::dmIR)
                        << shared + QStringList{"RES", "LC", "V-Set", "V-Out", "DAR", "PI", "Time"};
    QTest::newRow("Time") << int(DMMData::dmTime)
                          << shared + QStringList{"RES", "Time", "Time-Set", "LC", "V-Set", "V-Out"};
    QTest::newRow("PI") << int(DMMData::dmPI)
                        << shared + QStringList{"RES1",      "RES2", "PI",    "Time", "Time-Set1",
                                                "Time-Set2", "LC",   "V-Set", "V-Out"};
    QTest::newRow("DAR") << int(DMMData::dmDAR)
                         << shared + QStringList{"RES1",      "RES2", "DAR",   "Time", "Time-Set1",
                                                 "Time-Set2", "LC",   "V-Set", "V-Out"};
    QTest::newRow("COMP") << int(DMMData::dmCOMP)
                          << shared + QStringList{"RES-COMP", "RES", "Result", "LC", "V-Set", "V-Out"};
    QTest::newRow("CAP") << int(DMMData::dmCAP) << shared + QStringList{"CAP", "V-Set"};
    QTest::newRow("VOLT") << int(DMMData::dmVOLT) << shared + QStringList{"VOLT", "AC/DC"};
    QTest::newRow("RES") << int(DMMData::dmRES) << shared + QStringList{"RES"};
}

// Titles go through the translator of the window's context; keys never do. The VOLT table's
// fifth title is translated from "ACDC" while its key reads "AC/DC".
void TestModelContract::headers()
{
    QFETCH(int, mode);
    QFETCH(QStringList, keys);
    for (bool stored : {false, true}) {
        auto model = makeModel(mode, stored);
        QCOMPARE(model->columnCount(), keys.size());
        for (int section = 0; section < keys.size(); ++section) {
            const QString source = keys.at(section) == "AC/DC" ? "ACDC" : keys.at(section);
            QCOMPARE(model->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString(),
                     "[" + source + "]");
            QCOMPARE(model->headerData(section, Qt::Horizontal, DataModel::KeyRole).toString(),
                     keys.at(section));
        }
    }
    QCOMPARE(DataModel::KeyRole, 257);
}

void TestModelContract::headerAnswersNothingElse()
{
    auto model = makeModel(DMMData::dmPI, false);
    QVERIFY(!model->headerData(0, Qt::Vertical, Qt::DisplayRole).isValid());
    QVERIFY(!model->headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
    QVERIFY(!model->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).isValid());
    QVERIFY(!model->headerData(12, Qt::Horizontal, Qt::DisplayRole).isValid());
    QVERIFY(!model->headerData(-1, Qt::Horizontal, DataModel::KeyRole).isValid());
}

// The live and stored model of a mode are built on the very same columns, every time.
void TestModelContract::columnsAreSharedAndStable()
{
    for (int mode = 0; mode < DMMData::ModeCount; ++mode) {
        const QList<Column*> first = ColumnLists::columns(mode);
        QVERIFY(!first.isEmpty());
        QCOMPARE(ColumnLists::columns(mode), first);
    }
    QVERIFY(ColumnLists::columns(DMMData::dmIR).at(0) != ColumnLists::columns(DMMData::dmTime).at(0));
}

void TestModelContract::unknownModeGivesNothing()
{
    QVERIFY(ColumnLists::columns(8).isEmpty());
    QVERIFY(ColumnLists::columns(-1).isEmpty());
    QVERIFY(!ModelFactory::createLiveModel(8));
    QVERIFY(!ModelFactory::createStoredModel(-1));
}

void TestModelContract::cellsAreNotEditable()
{
    auto model = makeModel(DMMData::dmCOMP, true);
    model->addData(blankRecord(DMMData::dmCOMP));
    for (int column = 0; column < model->columnCount(); ++column) {
        const Qt::ItemFlags flags = model->flags(model->index(0, column));
        QVERIFY(flags.testFlag(Qt::ItemIsSelectable));
        QVERIFY(flags.testFlag(Qt::ItemIsEnabled));
        QVERIFY(!flags.testFlag(Qt::ItemIsEditable));
    }
}

// An invalid index, a row past the records and a row holding a null record answer no role,
// not even alignment; a stored model shows no dash there either.
void TestModelContract::cellsOutsideTheRecordsAnswerNothing()
{
    QFETCH(int, mode);
    QFETCH(bool, stored);
    auto model = makeModel(mode, stored);
    model->addData(blankRecord(mode));
    model->addData(QSharedPointer<DMMData>());
    Grid grid;
    const QModelIndex pastTheEnd = grid.index(2, 1);

    for (int role : {int(Qt::DisplayRole), int(Qt::TextAlignmentRole), int(Qt::EditRole)}) {
        QVERIFY(!model->data(QModelIndex(), role).isValid());
        QVERIFY(!model->data(pastTheEnd, role).isValid());
        for (int column = 0; column < model->columnCount(); ++column)
            QVERIFY2(!model->data(model->index(1, column), role).isValid(),
                     qPrintable(QString::number(column)));
    }
    QVERIFY(!model->getMainValue(1).isValid());
    QVERIFY(!model->getMainValue(2).isValid());
    QVERIFY(!model->getMainValue(-1).isValid());
}

void TestModelContract::columnPastTheEndIsOnlyAligned_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("column");
    QTest::newRow("PI column 12") << int(DMMData::dmPI) << 12;
    QTest::newRow("CAP column 5") << int(DMMData::dmCAP) << 5;
    QTest::newRow("RES column 4") << int(DMMData::dmRES) << 4;
}

void TestModelContract::columnPastTheEndIsOnlyAligned()
{
    QFETCH(int, mode);
    QFETCH(int, column);
    Grid grid;
    for (bool stored : {false, true}) {
        auto model = makeModel(mode, stored);
        model->addData(blankRecord(mode));
        const QModelIndex cell = grid.index(0, column);
        QVERIFY(!model->data(cell, Qt::DisplayRole).isValid());
        QVERIFY(!model->data(cell, Qt::ToolTipRole).isValid());
        QCOMPARE(model->data(cell, Qt::TextAlignmentRole).toInt(), Centred);
    }
}

// A record added to the model of another mode is never read as the model's record class.
void TestModelContract::recordOfAnotherModeShowsOnlySharedColumns()
{
    auto model = makeModel(DMMData::dmPI, false);
    model->addData(blankRecord(DMMData::dmRES));
    QCOMPARE(model->data(model->index(0, 2)).toString(), QStringLiteral("RES"));
    for (int column = 3; column < model->columnCount(); ++column)
        QVERIFY(!model->data(model->index(0, column)).isValid());
}

QTEST_GUILESS_MAIN(TestModelContract)
#include "tst_modelcontract.moc"
