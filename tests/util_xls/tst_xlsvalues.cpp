#include <tolva/util/XlsAutomationBackend.h>
#include <tolva/util/XlsAutomationObject.h>
#include <tolva/util/XlsCell.h>
#include <tolva/util/XlsLib.h>
#include <tolva/util/XlsRange.h>
#include <tolva/util/XlsRangeFormat.h>
#include <tolva/util/XlsSheet.h>
#include <tolva/util/XlsWorkBook.h>

#include <QTest>

#include <memory>

using namespace tolva::util::character;

namespace {

// Every value of a format, for comparing two of them at once.
QString describe(const CellFormat& format)
{
    QString text = QStringLiteral("%1 %2 %3 %4 %5 %6")
                       .arg(format.userValue1)
                       .arg(format.userValue2)
                       .arg(format.alignment)
                       .arg(format.font.toString(), format.color.name(QColor::HexArgb),
                            format.backgroundColor.name(QColor::HexArgb));
    if (auto range = dynamic_cast<const RangeFormat*>(&format))
        text += QStringLiteral(" %1 %2").arg(range->userValue3).arg(range->userValue4);
    return text;
}

void change(CellFormat& format, int seed)
{
    format.userValue1 = seed;
    format.userValue2 = seed + 1;
    format.alignment = Qt::AlignLeft | Qt::AlignTop;
    format.font.setFamily(QStringLiteral("Family%1").arg(seed));
    format.font.setBold(seed % 2);
    format.color = QColor::fromRgb(seed, 0, 0);
    format.backgroundColor = QColor::fromRgb(0, 0, seed);
    if (auto range = dynamic_cast<RangeFormat*>(&format)) {
        range->userValue3 = seed + 2;
        range->userValue4 = seed + 3;
    }
}

} // namespace

class TestXlsValues : public QObject
{
    Q_OBJECT
private slots:
    void columnLetters_data();
    void columnLetters();
    void columnLettersRoundTrip();

    void formatDefaults();
    void formatSaveAndRestore_data();
    void formatSaveAndRestore();
    void formatRestoreOnEmptyStackChangesNothing_data();
    void formatRestoreOnEmptyStackChangesNothing();
    void formatResetEmptiesTheStack_data();
    void formatResetEmptiesTheStack();

    void withoutAutomationNothingOpens();
};

void TestXlsValues::columnLetters_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<char>("letter");
    QTest::newRow("A") << 1 << 'A';
    QTest::newRow("Z") << 26 << 'Z';
    QTest::newRow("lower case a is not folded") << 33 << 'a';
    QTest::newRow("zero") << 0 << '@';
}

void TestXlsValues::columnLetters()
{
    QFETCH(int, number);
    QFETCH(char, letter);
    QCOMPARE(Cell::numToChar(number), letter);
    QCOMPARE(Cell::charToNum(letter), number);
}

void TestXlsValues::columnLettersRoundTrip()
{
    // Codes wrap modulo 256, so every character comes back, high ones included.
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(static_cast<unsigned char>(code));
        QCOMPARE(Cell::numToChar(Cell::charToNum(c)), c);
    }
    QCOMPARE(Cell::numToChar(1 + 256), 'A');
}

void TestXlsValues::formatDefaults()
{
    RangeFormat format;
    QCOMPARE(format.userValue1, 1);
    QCOMPARE(format.userValue2, 1);
    QCOMPARE(format.alignment, 132);
    QCOMPARE(format.font, QFont());
    QCOMPARE(format.color, QColor("#000000"));
    QCOMPARE(format.backgroundColor, QColor("#ffffff"));
    QCOMPARE(format.userValue3, 1);
    QCOMPARE(format.userValue4, 1);
}

void TestXlsValues::formatSaveAndRestore_data()
{
    QTest::addColumn<bool>("range");
    QTest::newRow("cell format") << false;
    QTest::newRow("range format, extra integers too") << true;
}

void TestXlsValues::formatSaveAndRestore()
{
    QFETCH(bool, range);
    std::unique_ptr<CellFormat> format(range ? new RangeFormat : new CellFormat);
    change(*format, 10);
    const QString first = describe(*format);
    format->save();
    change(*format, 21);
    const QString second = describe(*format);
    QVERIFY(second != first);
    format->save();
    change(*format, 32);

    // Through the base, as callers holding either kind do.
    format->restore();
    QCOMPARE(describe(*format), second);
    format->restore();
    QCOMPARE(describe(*format), first);
}

void TestXlsValues::formatRestoreOnEmptyStackChangesNothing_data()
{
    formatSaveAndRestore_data();
}

void TestXlsValues::formatRestoreOnEmptyStackChangesNothing()
{
    QFETCH(bool, range);
    std::unique_ptr<CellFormat> format(range ? new RangeFormat : new CellFormat);
    change(*format, 7);
    const QString changed = describe(*format);
    format->restore();
    QCOMPARE(describe(*format), changed);
    format->save();
    format->restore();
    format->restore();
    QCOMPARE(describe(*format), changed);
}

void TestXlsValues::formatResetEmptiesTheStack_data()
{
    formatSaveAndRestore_data();
}

void TestXlsValues::formatResetEmptiesTheStack()
{
    QFETCH(bool, range);
    std::unique_ptr<CellFormat> format(range ? new RangeFormat : new CellFormat);
    std::unique_ptr<CellFormat> defaults(range ? new RangeFormat : new CellFormat);
    change(*format, 5);
    format->save();
    format->reset();
    QCOMPARE(describe(*format), describe(*defaults));
    format->restore();
    QCOMPARE(describe(*format), describe(*defaults));
}

void TestXlsValues::withoutAutomationNothingOpens()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has an automation service; opening would start the application.");
#endif
    AutomationBackend::install(nullptr);
    XlsLib lib;
    QVERIFY(!lib.open());
    QCOMPARE(lib.workdBook(), nullptr);
    lib.close();
    lib.setVisible(true);
    lib.setDisplayAlerts(false);
    QVERIFY(!lib.save(QStringLiteral("/tmp/book.xls")));
    QCOMPARE(lib.activeSheet(), nullptr);
    QCOMPARE(lib.getCell(1, 1), nullptr);

    // Objects made by hand on the unbound application stay usable.
    WorkBook book(&lib);
    QCOMPARE(book.sheetsCount(), 0);
    QCOMPARE(book.sheet(1), nullptr);
    QCOMPARE(book.getSheet(1), nullptr);
    QCOMPARE(book.sheetIndex(QStringLiteral("Data")), -1);
    book.appendSheet(QStringLiteral("Data"));
    QVERIFY(!book.save(QStringLiteral("/tmp/book.xls")));
    book.close();
    std::unique_ptr<Sheet> sheet(book.activeSheet());
    QVERIFY(sheet);
    QCOMPARE(sheet->handle(), nullptr);
    QCOMPARE(sheet->title(), QString());
    std::unique_ptr<Range> used(sheet->usedRange());
    used->setValue(QStringLiteral("x"));
    used->setBorderEdge(BorderStyle::lsContinuous, BorderStyle::wThin, Qt::black);
    QCOMPARE(used->value(), QString());
    QCOMPARE(used->endRow(), 0);
    sheet->addImage(QStringLiteral("/tmp/logo.png"), 3, 3, 10, 10);
}

QTEST_GUILESS_MAIN(TestXlsValues)
#include "tst_xlsvalues.moc"
