#include "RecordingAutomation.h"

#include <tolva/util/XlsAutomationObject.h>
#include <tolva/util/XlsCell.h>
#include <tolva/util/XlsLib.h>
#include <tolva/util/XlsRange.h>
#include <tolva/util/XlsSheet.h>
#include <tolva/util/XlsWorkBook.h>

#include <QDir>
#include <QTest>

#include <memory>

using namespace tolva::util::character;

namespace {

const QString saveAsPrototype =
    QStringLiteral("SaveAs(const QString &,int,QString,QString,bool,bool,int,int,bool,QString,QString,bool)");
const QString addPicturePrototype =
    QStringLiteral("AddPicture(QString&,bool,bool,double,double,double,double)");

// The calls that pick sheet i of the workbook after checking the number.
QStringList pickSheet(int i)
{
    return {"ActiveWorkBook sub Sheets", "Sheets get Count", "ActiveWorkBook sub Sheets",
            QStringLiteral("Sheets sub Item(int) %1").arg(i)};
}

} // namespace

class TestXlsCalls : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void openSendsTheCreationCalls();
    void openDeletesDownToOneSheet_data();
    void openDeletesDownToOneSheet();
    void refusedControlLeavesNoWorkbook();
    void releaseOrder_data();
    void releaseOrder();

    void appendSheetAddsMovesAndActivates();
    void preAppendSheetNamesTheActiveSheet();
    void sheetNumbers_data();
    void sheetNumbers();
    void sheetIndex_data();
    void sheetIndex();
    void saveSendsSaveAs_data();
    void saveSendsSaveAs();
    void saveAndCloseNeedAControl();
    void setMargin_data();
    void setMargin();

    void setAlignment_data();
    void setAlignment();
    void setBackgroundColor_data();
    void setBackgroundColor();
    void setFont_data();
    void setFont();
    void setBorderEdgeSetsEverySide();
    void borderFromAStyle();
    void rangeReference_data();
    void rangeReference();
    void rangeValues();
    void usedRange();
    void rangeBounds();
    void addImage_data();
    void addImage();
    void libAddImageUsesTheActiveSheet();
    void libCellsOnTheActiveSheet();

private:
    std::unique_ptr<XlsLib> openLib();
    std::unique_ptr<Sheet> firstSheet(XlsLib& lib);

    std::shared_ptr<RecordingAutomation> m_app;
};

void TestXlsCalls::init()
{
    m_app = std::make_shared<RecordingAutomation>();
    AutomationBackend::install(m_app);
}

void TestXlsCalls::cleanup()
{
    AutomationBackend::install(nullptr);
    // Every automation object handed out was released again.
    QCOMPARE(m_app->liveObjects(), 0);
    m_app.reset();
}

std::unique_ptr<XlsLib> TestXlsCalls::openLib()
{
    m_app->answer("Sheets", "Count", 1);
    m_app->answer("ActiveSheet", "Index", 1);
    auto lib = std::make_unique<XlsLib>();
    lib->open();
    m_app->takeLog();
    return lib;
}

std::unique_ptr<Sheet> TestXlsCalls::firstSheet(XlsLib& lib)
{
    std::unique_ptr<Sheet> sheet(lib.workdBook()->sheet(1));
    m_app->takeLog();
    return sheet;
}

void TestXlsCalls::openSendsTheCreationCalls()
{
    m_app->answer("Sheets", "Count", 3);
    XlsLib lib;
    QVERIFY(lib.open());
    QVERIFY(lib.workdBook());
    const QStringList expected =
        QStringList{"thread enterApartment", "app control Excel.Application", "app sub Workbooks",
                    "Workbooks call Add",    "app sub ActiveWorkBook",        "ActiveWorkBook sub Sheets",
                    "Sheets get Count"} +
        pickSheet(3) + QStringList{"Item(int)[3] call Delete"} + pickSheet(2) +
        QStringList{"Item(int)[2] call Delete"};
    QCOMPARE(m_app->takeLog(), expected);
}

void TestXlsCalls::openDeletesDownToOneSheet_data()
{
    QTest::addColumn<QVariant>("count");
    QTest::addColumn<QStringList>("deleted");
    QTest::newRow("one sheet") << QVariant(1) << QStringList{};
    QTest::newRow("no answer") << QVariant() << QStringList{};
    QTest::newRow("five sheets") << QVariant(5)
                                 << QStringList{"Item(int)[5] call Delete", "Item(int)[4] call Delete",
                                                "Item(int)[3] call Delete", "Item(int)[2] call Delete"};
}

void TestXlsCalls::openDeletesDownToOneSheet()
{
    QFETCH(QVariant, count);
    QFETCH(QStringList, deleted);
    m_app->answer("Sheets", "Count", count);
    XlsLib lib;
    QVERIFY(lib.open());
    QCOMPARE(m_app->takeLog("Delete"), deleted);
}

void TestXlsCalls::refusedControlLeavesNoWorkbook()
{
    m_app->setControlAccepted(false);
    XlsLib lib;
    m_app->takeLog();
    QVERIFY(!lib.open());
    QCOMPARE(m_app->takeLog(), QStringList{"app control Excel.Application"});
    QCOMPARE(lib.workdBook(), nullptr);

    lib.close();
    QVERIFY(!lib.save("/tmp/book.xls"));
    QCOMPARE(lib.activeSheet(), nullptr);
    QCOMPARE(lib.getCell(1, 1), nullptr);
    QCOMPARE(lib.getRange(1, 1, 2, 2), nullptr);
    lib.addImage("/tmp/logo.png", 1, 1, 10, 10);
    lib.setMargin(BorderStyle::dfLeft, 20);
    QCOMPARE(m_app->takeLog(), QStringList{});
}

void TestXlsCalls::releaseOrder_data()
{
    QTest::addColumn<bool>("apartment");
    QTest::addColumn<bool>("closeFirst");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("closed, then destroyed")
        << true << true << QStringList{"app isNull",          "ActiveWorkBook call Close(Boolean) false",
                                       "app call Quit(void)", "ActiveWorkBook release",
                                       "app release",         "thread leaveApartment"};
    QTest::newRow("destroyed open: released, not closed")
        << true << false << QStringList{"ActiveWorkBook release", "app release", "thread leaveApartment"};
    QTest::newRow("apartment refused: not left")
        << false << false << QStringList{"ActiveWorkBook release", "app release"};
}

void TestXlsCalls::releaseOrder()
{
    QFETCH(bool, apartment);
    QFETCH(bool, closeFirst);
    QFETCH(QStringList, expected);
    m_app->setApartmentAccepted(apartment);
    {
        auto lib = openLib();
        m_app->setLogReleases(true);
        m_app->takeLog();
        if (closeFirst)
            lib->close();
    }
    QCOMPARE(m_app->takeLog(), expected);
}

void TestXlsCalls::appendSheetAddsMovesAndActivates()
{
    auto lib = openLib();
    m_app->answer("Sheets", "Count", 4);
    lib->workdBook()->appendSheet("Data");
    const QString added = "Add(QVariant)[@Item(int)[4]]";
    QCOMPARE(m_app->takeLog(),
             (QStringList{"ActiveWorkBook sub Sheets", "Sheets get Count", "ActiveWorkBook sub Sheets",
                          "Sheets sub Item(int) 4", "Sheets sub Add(QVariant) @Item(int)[4]",
                          added + " set Name \"Data\"", "Item(int)[4] call Move(QVariant) @" + added,
                          added + " call Activate true"}));
}

void TestXlsCalls::preAppendSheetNamesTheActiveSheet()
{
    auto lib = openLib();
    lib->workdBook()->preAppendSheet("Data");
    QCOMPARE(m_app->takeLog(), (QStringList{"ActiveWorkBook call Add", "app sub ActiveSheet",
                                            "ActiveSheet set Name \"Data\""}));
}

void TestXlsCalls::sheetNumbers_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("valid");
    QTest::newRow("zero") << 0 << false;
    QTest::newRow("negative") << -1 << false;
    QTest::newRow("first") << 1 << true;
    QTest::newRow("last") << 3 << true;
    QTest::newRow("past the last") << 4 << false;
}

void TestXlsCalls::sheetNumbers()
{
    QFETCH(int, index);
    QFETCH(bool, valid);
    auto lib = openLib();
    m_app->answer("Sheets", "Count", 3);
    WorkBook* book = lib->workdBook();
    const QString item = QStringLiteral("Item(int)[%1]").arg(index);

    QCOMPARE(book->verifyIndex(index), valid);
    QCOMPARE(std::unique_ptr<AutomationObject>(book->getSheet(index)) != nullptr, valid);
    QCOMPARE(std::unique_ptr<Sheet>(book->sheet(index)) != nullptr, valid);
    m_app->takeLog();

    book->deleteSheet(index);
    QCOMPARE(m_app->takeLog(" call "), valid ? QStringList{item + " call Delete"} : QStringList{});
    book->setActivateSheet(index);
    QCOMPARE(m_app->takeLog(" call "), valid ? QStringList{item + " call Activate true"} : QStringList{});
}

void TestXlsCalls::sheetIndex_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("expected");
    QTest::newRow("named sheet") << true << 2;
    QTest::newRow("no such sheet") << false << -1;
}

void TestXlsCalls::sheetIndex()
{
    QFETCH(bool, exists);
    QFETCH(int, expected);
    auto lib = openLib();
    m_app->answer("Item(QString)[\"Data\"]", "Index", 2);
    if (!exists)
        m_app->refuseSubObject("Item(QString)");
    QCOMPARE(lib->workdBook()->sheetIndex("Data"), expected);
    QVERIFY(m_app->takeLog().contains("Sheets sub Item(QString) \"Data\""));
}

void TestXlsCalls::saveSendsSaveAs_data()
{
    QTest::addColumn<QVariant>("answer");
    QTest::addColumn<bool>("result");
    QTest::newRow("saved") << QVariant(true) << true;
    QTest::newRow("refused") << QVariant(false) << false;
    QTest::newRow("no answer") << QVariant() << false;
}

void TestXlsCalls::saveSendsSaveAs()
{
    QFETCH(QVariant, answer);
    QFETCH(bool, result);
    auto lib = openLib();
    m_app->answer("ActiveWorkBook", saveAsPrototype, answer);
    const QString file = "/tmp/books/out.xls";
    QCOMPARE(lib->save(file), result);
    const QString args =
        QStringLiteral("\"%1\", -4143, \"\", \"\", false, false, 1, 1, false, \"\", \"\", false")
            .arg(QDir::toNativeSeparators(file));
    QCOMPARE(m_app->takeLog(),
             (QStringList{"app isNull", "ActiveWorkBook call " + saveAsPrototype + " " + args}));
}

void TestXlsCalls::saveAndCloseNeedAControl()
{
    m_app->setControlAccepted(false);
    XlsLib lib;
    QVERIFY(!lib.open());
    WorkBook book(&lib);
    m_app->takeLog();
    QVERIFY(!book.save("/tmp/book.xls"));
    book.close();
    QCOMPARE(m_app->takeLog(), (QStringList{"app isNull", "app isNull"}));
}

void TestXlsCalls::setMargin_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("left") << 1 << QStringList{"PageSetup set LeftMargin 56.5"};
    QTest::newRow("right") << 2 << QStringList{"PageSetup set RightMargin 56.5"};
    QTest::newRow("top") << 3 << QStringList{"PageSetup set TopMargin 56.5"};
    QTest::newRow("bottom") << 4 << QStringList{"PageSetup set BottomMargin 56.5"};
    QTest::newRow("no page side") << 5 << QStringList{};
}

void TestXlsCalls::setMargin()
{
    QFETCH(int, side);
    QFETCH(QStringList, written);
    auto lib = openLib();
    m_app->answer("Application", "CentimetersToPoints(double)", 56.5);
    lib->setMargin(BorderStyle::DirectionFlags(side), 20);
    const QStringList expected =
        QStringList{"app sub Application", "Application call CentimetersToPoints(double) 2",
                    "app sub ActiveSheet", "ActiveSheet get Index"} +
        pickSheet(1) + QStringList{"Item(int)[1] sub PageSetup"} + written;
    QCOMPARE(m_app->takeLog(), expected);
}

void TestXlsCalls::setAlignment_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<int>("vertical");
    QTest::newRow("centre") << int(Qt::AlignCenter) << -4108 << -4108;
    QTest::newRow("left top") << int(Qt::AlignLeft | Qt::AlignTop) << -4131 << -4160;
    QTest::newRow("right bottom") << int(Qt::AlignRight | Qt::AlignBottom) << -4152 << -4107;
    QTest::newRow("right wins over left") << int(Qt::AlignLeft | Qt::AlignRight) << -4152 << 1;
    QTest::newRow("bottom wins over top") << int(Qt::AlignTop | Qt::AlignBottom) << 1 << -4107;
    QTest::newRow("justify is general") << int(Qt::AlignJustify | Qt::AlignVCenter) << 1 << -4108;
    QTest::newRow("none") << 0 << 1 << 1;
}

void TestXlsCalls::setAlignment()
{
    QFETCH(int, alignment);
    QFETCH(int, horizontal);
    QFETCH(int, vertical);
    auto lib = openLib();
    auto sheet = firstSheet(*lib);
    std::unique_ptr<Cell> cell(sheet->cell(1, 1));
    m_app->takeLog();
    cell->setAlignment(Qt::Alignment(alignment));
    QCOMPARE(m_app->takeLog(),
             (QStringList{QStringLiteral("Cells(int,int)[1, 1] set HorizontalAlignment %1").arg(horizontal),
                          QStringLiteral("Cells(int,int)[1, 1] set VerticalAlignment %1").arg(vertical)}));
}

void TestXlsCalls::setBackgroundColor_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QStringList>("expected");
    const QStringList noFill{"Cells(int,int)[1, 1] sub Interior", "Interior set Pattern -4142"};
    QTest::newRow("white") << QColor(Qt::white) << noFill;
    QTest::newRow("white by name") << QColor("#ffffff") << noFill;
    QTest::newRow("red") << QColor(Qt::red)
                         << QStringList{"Cells(int,int)[1, 1] sub Interior", "Interior set Pattern 1",
                                        "Interior set PatternColorIndex -4105", "Interior set Color #ff0000"};
    QTest::newRow("nearly white") << QColor("#fffffe")
                                  << QStringList{"Cells(int,int)[1, 1] sub Interior",
                                                 "Interior set Pattern 1",
                                                 "Interior set PatternColorIndex -4105",
                                                 "Interior set Color #fffffe"};
}

void TestXlsCalls::setBackgroundColor()
{
    QFETCH(QColor, color);
    QFETCH(QStringList, expected);
    auto lib = openLib();
    auto sheet = firstSheet(*lib);
    std::unique_ptr<Cell> cell(sheet->cell(1, 1));
    m_app->takeLog();
    cell->setBackgroundColor(color);
    QCOMPARE(m_app->takeLog(), expected);
}

void TestXlsCalls::setFont_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("attributes");
    QFont plain("Sans");
    plain.setPointSize(12);
    QTest::newRow("plain, in points") << plain << "false false 12 false";
    QFont marked("Serif");
    marked.setPixelSize(16);
    marked.setWeight(QFont::DemiBold);
    marked.setItalic(true);
    marked.setUnderline(true);
    QTest::newRow("demi bold italic underlined, in pixels") << marked << "true true 16 true";
    QFont medium("Sans");
    medium.setPointSizeF(10.5);
    medium.setWeight(QFont::Medium);
    medium.setStyle(QFont::StyleOblique);
    QTest::newRow("medium is not bold, oblique is italic") << medium << "false true 10.5 false";
}

void TestXlsCalls::setFont()
{
    QFETCH(QFont, font);
    QFETCH(QString, attributes);
    auto lib = openLib();
    auto sheet = firstSheet(*lib);
    std::unique_ptr<Cell> cell(sheet->cell(1, 1));
    m_app->takeLog();
    cell->setFont(font, Qt::blue);
    const QStringList values = attributes.split(' ');
    QCOMPARE(m_app->takeLog(),
             (QStringList{"Cells(int,int)[1, 1] sub Font", "Font set Name \"" + font.family() + "\"",
                          "Font set Bold " + values[0], "Font set Italic " + values[1],
                          "Font set Size " + values[2], "Font set Underline " + values[3],
                          "Cells(int,int)[1, 1] sub Font", "Font set Color #0000ff"}));
}

void TestXlsCalls::setBorderEdgeSetsEverySide()
{
    auto lib = openLib();
    auto sheet = firstSheet(*lib);
    std::unique_ptr<Range> range(sheet->range(1, 1, 3, 3));
    m_app->takeLog();
    BorderStyle style;
    style.sides = BorderStyle::dfEdgeTop; // ignored here
    style.lineStyle = BorderStyle::lsDash;
    style.weight = BorderStyle::wMedium;
    style.color = Qt::red;
    range->setBorderEdge(style);

    QStringList expected;
    const QString self = "Range(const QString&)[\"A1:C3\"]";
    for (int side : {7, 8, 10, 9, 11, 12}) {
        const QString borders = QStringLiteral("Borders(int)[%1]").arg(side);
        expected << QStringLiteral("%1 sub Borders(int) %2").arg(self).arg(side)
                 << borders + " set Color #ff0000" << borders + " set LineStyle -4115"
                 << borders + " set Weight -4138";
    }
    QCOMPARE(m_app->takeLog(), expected);
}

void TestXlsCalls::borderFromAStyle()
{
    auto lib = openLib();
    auto sheet = firstSheet(*lib);
    std::unique_ptr<Cell> cell(sheet->cell(2, 2));
    m_app->takeLog();
    BorderStyle style;
    style.sides = BorderStyle::dfEdgeBottom;
    style.lineStyle = BorderStyle::lsDouble;
    style.weight = BorderStyle::wThick;
    style.color = Qt::blue;
    cell->setBorder(style);
    cell->setBorderAround(style);
    QCOMPARE(
        m_app->takeLog(),
        (QStringList{"Cells(int,int)[2, 2] sub Borders(int) 9", "Borders(int)[9] set Color #0000ff",
                     "Borders(int)[9] set LineStyle -4119", "Borders(int)[9] set Weight 4",
                     "Cells(int,int)[2, 2] call BorderAround(int,int,int,QColor) -4119, 4, -4142, #0000ff"}));
}

void TestXlsCalls::rangeReference_data()
{
    QTest::addColumn<QVector<int>>("corners");
    QTest::addColumn<QString>("reference");
    QTest::newRow("A2:C5") << QVector<int>{2, 1, 5, 3} << "A2:C5";
    QTest::newRow("one cell") << QVector<int>{1, 1, 1, 1} << "A1:A1";
    QTest::newRow("last lettered column") << QVector<int>{10, 26, 120, 26} << "Z10:Z120";
}

void TestXlsCalls::rangeReference()
{
    QFETCH(QVector<int>, corners);
    QFETCH(QString, reference);
    auto lib = openLib();
    auto sheet = firstSheet(*lib);
    std::unique_ptr<Range> range(sheet->range(corners[0], corners[1], corners[2], corners[3]));
    QCOMPARE(m_app->takeLog(), QStringList{"Item(int)[1] sub Range(const QString&) \"" + reference + "\""});
}

void TestXlsCalls::rangeValues()
{
    auto lib = openLib();
    auto sheet = firstSheet(*lib);
    Range range(sheet.get(), 1, 1, 1, 2);
    m_app->takeLog();
    range.setValue(QList<QVariant>{"a", 1});
    range.setValue("b");
    range.merge(true);
    const QString self = "Range(const QString&)[\"A1:B1\"]";
    QCOMPARE(m_app->takeLog(), (QStringList{self + " set Value (\"a\", 1)", self + " set Value \"b\"",
                                            self + " set MergeCells true"}));
}

void TestXlsCalls::usedRange()
{
    auto lib = openLib();
    auto sheet = firstSheet(*lib);
    m_app->answer("Rows", "Count", 5);
    m_app->answer("Columns", "Count", 3);
    m_app->answer("Item(int)[1]", "Row", 2);
    m_app->answer("Item(int)[5]", "Row", 6);
    m_app->answer("Item(int)[1]", "Column", 2);
    m_app->answer("Item(int)[3]", "Column", 4);
    std::unique_ptr<Range> used(sheet->usedRange());
    QCOMPARE(m_app->takeLog(),
             (QStringList{"Item(int)[1] sub UsedRange", "UsedRange sub Rows", "Rows sub Item(int) 1",
                          "Item(int)[1] get Row", "UsedRange sub Rows", "Rows get Count",
                          "Rows sub Item(int) 5", "Item(int)[5] get Row", "UsedRange sub Columns",
                          "Columns sub Item(int) 1", "Item(int)[1] get Column", "UsedRange sub Columns",
                          "Columns get Count", "Columns sub Item(int) 3", "Item(int)[3] get Column",
                          "Item(int)[1] sub Range(const QString&) \"B2:D6\""}));
}

void TestXlsCalls::rangeBounds()
{
    auto lib = openLib();
    auto sheet = firstSheet(*lib);
    std::unique_ptr<Range> range(sheet->range(2, 2, 6, 4));
    m_app->answer("Rows", "Count", 5);
    m_app->answer("Columns", "Count", 3);
    m_app->answer("Item(int)[1]", "Row", 2);
    m_app->answer("Item(int)[5]", "Row", 6);
    m_app->answer("Item(int)[1]", "Column", 2);
    m_app->answer("Item(int)[3]", "Column", 4);
    QCOMPARE(range->rowCount(), 5);
    QCOMPARE(range->columnCount(), 3);
    QCOMPARE(range->startRow(), 2);
    QCOMPARE(range->row(), 2);
    QCOMPARE(range->endRow(), 6);
    QCOMPARE(range->startCol(), 2);
    QCOMPARE(range->col(), 2);
    QCOMPARE(range->endCol(), 4);
}

void TestXlsCalls::addImage_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("offsets");
    QTest::newRow("first cell") << 1 << 1 << "0, 0";
    QTest::newRow("row 3, column 2") << 3 << 2 << "301, 34";
    QTest::newRow("first row, column 3") << 1 << 3 << "203, 0";
    QTest::newRow("row 4, first column") << 4 << 1 << "0, 63";
    QTest::newRow("row 0 and column 0 add nothing") << 0 << 0 << "0, 0";
}

void TestXlsCalls::addImage()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, offsets);
    auto lib = openLib();
    auto sheet = firstSheet(*lib);
    // Every cell has a size of its own, so a wrong cell shows in the sum.
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 4; ++c) {
            const QString cell = QStringLiteral("Cells(int,int)[%1, %2]").arg(r).arg(c);
            m_app->answer(cell, "Width", 100 * r + c);
            m_app->answer(cell, "Height", 10 * r + c);
        }
    }
    sheet->addImage("/tmp/logo.png", row, column, 80, 40, Qt::AlignRight);
    const QStringList log = m_app->takeLog();
    QCOMPARE(log.mid(log.size() - 2),
             (QStringList{"Item(int)[1] sub Shapes", "Shapes call " + addPicturePrototype +
                                                         " \"/tmp/logo.png\", false, true, " + offsets +
                                                         ", 80, 40"}));
}

void TestXlsCalls::libAddImageUsesTheActiveSheet()
{
    auto lib = openLib();
    m_app->answer("Cells(int,int)[2, 1]", "Width", 48.5);
    m_app->answer("Cells(int,int)[1, 2]", "Height", 15);
    lib->addImage("/tmp/logo.png", 2, 2, 80, 40);
    const QStringList log = m_app->takeLog();
    QCOMPARE(log.first(), "app sub ActiveSheet");
    QCOMPARE(log.last(),
             "Shapes call " + addPicturePrototype + " \"/tmp/logo.png\", false, true, 48.5, 15, 80, 40");
}

void TestXlsCalls::libCellsOnTheActiveSheet()
{
    auto lib = openLib();
    std::unique_ptr<Cell> cell(lib->getCell(2, 3));
    QVERIFY(cell);
    QCOMPARE(m_app->takeLog().last(), "Item(int)[1] sub Cells(int,int) 2, 3");
    std::unique_ptr<Range> range(lib->getRange(2, 1, 5, 3));
    QVERIFY(range);
    QCOMPARE(m_app->takeLog().last(), "Item(int)[1] sub Range(const QString&) \"A2:C5\"");

    // They outlive the call that made them.
    cell->setValue("x");
    range->setNumberFormat("0.00");
    QCOMPARE(m_app->takeLog(), (QStringList{"Cells(int,int)[2, 3] set Value \"x\"",
                                            "Range(const QString&)[\"A2:C5\"] set NumberFormat \"0.00\""}));
}

QTEST_GUILESS_MAIN(TestXlsCalls)
#include "tst_xlscalls.moc"
