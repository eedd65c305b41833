#include "TextTableModel.h"

#include <tolva/util/CSVReader.h>
#include <tolva/util/Character.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using tolva::util::character::Character;
using tolva::util::character::CSVReader;
using Rows = QList<QList<QString>>;

namespace {

const QByteArray byteOrderMark("\xEF\xBB\xBF");

// The line end a text-mode file gets on this platform.
QByteArray eol()
{
#ifdef Q_OS_WIN
    return "\r\n";
#else
    return "\n";
#endif
}

QByteArray readBytes(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

Rows toRows(const QList<QStringList>& lists)
{
    Rows rows;
    for (const QStringList& list : lists)
        rows << list;
    return rows;
}

// Cells that break a naive writer: separators, quotes, line ends, blanks at the ends,
// and text beyond Latin-1.
const QStringList awkwardHeader{"Time", "Value, unit", "Note"};
const QList<QStringList> awkwardRows{
    {"12:00:01", "1.5 MΩ", "plain"},
    {"a,b", "say \"hi\"", "two\nlines"},
    {"\"quoted\"", "CR\r\nLF", "绝缘电阻"},
    {"", "3.2 μF", "ends in a blank "},
    {" lead", ",", "\""},
    {"x", "", ""},
};

} // namespace

class TestCsv : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void modelFileBytes_data();
    void modelFileBytes();
    void linesFileBytes();
    void excludedColumn();
    void missingFolderCreatesNothing();
    void writeFailureIsReported();
    void nullModel();
    void csvLoad();
    void csvLoadMissingFile();
    void readerQuotedCells_data();
    void readerQuotedCells();
    void readerPlainLinesAsLoader_data();
    void readerPlainLinesAsLoader();
    void readerMissingFile();
    void roundTripThroughReader();
    void roundTripThroughPython();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestCsv::init()
{
    QVERIFY(m_dir.isValid());
}

void TestCsv::modelFileBytes_data()
{
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<bool>("noHeader");
    QTest::addColumn<QByteArray>("bytes");
    const QStringList headers{"Time", "Value"};
    const QList<QStringList> oneRow{{"12:00:01", "1.5 MΩ"}};
    QTest::newRow("with header") << headers << oneRow << false
                                 << byteOrderMark + "Time,Value" + eol() + "12:00:01,1.5 M\xCE\xA9" + eol();
    QTest::newRow("without header") << headers << oneRow << true
                                    << byteOrderMark + "12:00:01,1.5 M\xCE\xA9" + eol();
    QTest::newRow("no rows") << headers << QList<QStringList>{} << false
                             << byteOrderMark + "Time,Value" + eol();
    QTest::newRow("no rows, no header: empty file")
        << headers << QList<QStringList>{} << true << QByteArray();
    QTest::newRow("quoted cell") << headers << QList<QStringList>{{"a,b", "x\"y"}} << true
                                 << byteOrderMark + "\"a,b\",\"x\"\"y\"" + eol();
}

void TestCsv::modelFileBytes()
{
    QFETCH(QStringList, headers);
    QFETCH(QList<QStringList>, rows);
    QFETCH(bool, noHeader);
    QFETCH(QByteArray, bytes);
    TextTableModel model(headers, rows);
    const QString file = path("model.csv");
    writeBytes(file, "old content that must go");
    QVERIFY(Character::csvSave(file, &model, noHeader));
    QCOMPARE(readBytes(file), bytes);
}

void TestCsv::linesFileBytes()
{
    const QString file = path("lines.csv");
    QVERIFY(Character::csvSave(file, QStringList{"a,b", "", "Ω"}));
    QCOMPARE(readBytes(file), byteOrderMark + "a,b" + eol() + eol() + "\xCE\xA9" + eol());
    QVERIFY(Character::csvSave(file, QStringList{}));
    QCOMPARE(readBytes(file), QByteArray());
}

void TestCsv::excludedColumn()
{
    TextTableModel model({"Time", "Value", "Unit"}, {{"t1", "1.5", "MΩ"}, {"t2", "2.5", "GΩ"}});
    QCOMPARE(Character::dataModelToLines(&model, false, {"value"}),
             (QStringList{"Time,Unit", "t1,MΩ", "t2,GΩ"}));
    QCOMPARE(Character::dataModelToLines(&model, true, {}), (QStringList{"t1,1.5,MΩ", "t2,2.5,GΩ"}));
}

void TestCsv::missingFolderCreatesNothing()
{
    TextTableModel model({"Time"}, {{"t1"}});
    const QString folder = path("missing");
    QVERIFY(!Character::csvSave(folder + "/out.csv", &model, false));
    QVERIFY(!Character::csvSave(folder + "/out.csv", QStringList{"a"}));
    QVERIFY(!QFileInfo::exists(folder));
}

void TestCsv::writeFailureIsReported()
{
    if (!QFileInfo::exists("/dev/full"))
        QSKIP("needs /dev/full");
    TextTableModel model({"Time"}, {{"t1"}});
    QVERIFY(!Character::csvSave("/dev/full", &model, false));
    QVERIFY(!Character::csvSave("/dev/full", QStringList{"a"}));
}

void TestCsv::nullModel()
{
    QVERIFY(Character::dataModelToLines(nullptr, false, {}).isEmpty());
    QVERIFY(!Character::csvSave(path("null.csv"), nullptr, false));
    QVERIFY(!QFileInfo::exists(path("null.csv")));
}

void TestCsv::csvLoad()
{
    const QString file = path("load.csv");
    writeBytes(file, byteOrderMark + "a,b \r\nc  \n\n\"q,r\"\nlast");
    QCOMPARE(Character::csvLoad(file), (QStringList{"a,b", "c ", "", "\"q,r\"", "last"}));
}

void TestCsv::csvLoadMissingFile()
{
    QVERIFY(Character::csvLoad(path("none.csv")).isEmpty());
}

void TestCsv::readerQuotedCells_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("sep");
    QTest::addColumn<Rows>("rows");
    QTest::newRow("separator inside quotes") << QByteArray("\"a,b\",c\n") << "," << Rows{{"a,b", "c"}};
    QTest::newRow("doubled quote") << QByteArray("\"x\"\"y\",\"\"\n") << "," << Rows{{"x\"y", ""}};
    QTest::newRow("line feed inside quotes")
        << QByteArray("1,\"two\nlines\"\n2,x\n") << "," << Rows{{"1", "two\nlines"}, {"2", "x"}};
    QTest::newRow("CR LF inside quotes kept, line end dropped")
        << QByteArray("\"a\r\nb\",c\r\nd\r\n") << "," << Rows{{"a\r\nb", "c"}, {"d"}};
    QTest::newRow("quote inside an unquoted cell is text")
        << QByteArray("a\"b,c\n") << "," << Rows{{"a\"b", "c"}};
    QTest::newRow("trailing blank kept when quoted, trimmed when not")
        << QByteArray("\"a \",b \n") << "," << Rows{{"a ", "b"}};
    QTest::newRow("quoted last cell") << QByteArray("a,\"b \"\n") << "," << Rows{{"a", "b "}};
    QTest::newRow("other separator") << QByteArray("\"a;b\";c,d\n") << ";" << Rows{{"a;b", "c,d"}};
    QTest::newRow("long separator") << QByteArray("\"a::b\"::c\n") << "::" << Rows{{"a::b", "c"}};
    QTest::newRow("unterminated quote runs to the end")
        << QByteArray("a,\"b\nc\n") << "," << Rows{{"a", "b\nc\n"}};
    QTest::newRow("no final line feed") << QByteArray("\"a\",b") << "," << Rows{{"a", "b"}};
    QTest::newRow("byte order mark") << byteOrderMark + "\"a\",b\n"
                                     << "," << Rows{{"a", "b"}};
}

void TestCsv::readerQuotedCells()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, sep);
    QFETCH(Rows, rows);
    const QString file = path("quoted.csv");
    writeBytes(file, bytes);
    CSVReader reader(file, sep);
    QVERIFY(reader.load());
    QCOMPARE(reader.content(), rows);
}

void TestCsv::readerPlainLinesAsLoader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("sep");
    QTest::newRow("blank lines and trailing blanks") << byteOrderMark + "a,b \n\nc,,d  \n x \n"
                                                     << ",";
    QTest::newRow("CR LF line ends") << QByteArray("a,b\r\nc\r\n\r\n") << ",";
    QTest::newRow("no final line feed") << QByteArray("a;b\nc") << ";";
    QTest::newRow("empty separator") << QByteArray("abc\n") << "";
    QTest::newRow("separator absent") << QByteArray("a,b\n") << "|";
}

// Lines without quotes read exactly as the line-based loader splits them.
void TestCsv::readerPlainLinesAsLoader()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, sep);
    const QString file = path("plain.csv");
    writeBytes(file, bytes);
    Rows expected;
    for (const QString& line : Character::csvLoad(file))
        expected << Character::strToList(line, sep);
    CSVReader reader(file, sep);
    QVERIFY(reader.load());
    QCOMPARE(reader.content(), expected);
}

void TestCsv::readerMissingFile()
{
    const QString file = path("reader.csv");
    writeBytes(file, "a\n");
    CSVReader reader(file, ",");
    QVERIFY(reader.load());
    QCOMPARE(reader.rowCount(), 1);
    reader.setFileName(path("none.csv"));
    QCOMPARE(reader.rowCount(), 1);
    QVERIFY(!reader.load());
    QVERIFY(reader.isEmpty());
    writeBytes(file, "");
    reader.setFileName(file);
    QVERIFY(!reader.load());
}

void TestCsv::roundTripThroughReader()
{
    TextTableModel model(awkwardHeader, awkwardRows);
    const QString file = path("awkward.csv");
    QVERIFY(Character::csvSave(file, &model, false));
    CSVReader reader(file, ",");
    QVERIFY(reader.load());
    QCOMPARE(reader.content(), toRows(QList<QStringList>{awkwardHeader} + awkwardRows));
}

void TestCsv::roundTripThroughPython()
{
    const QString python = QStandardPaths::findExecutable("python3");
    if (python.isEmpty())
        QSKIP("python3 is not installed");
    TextTableModel model(awkwardHeader, awkwardRows);
    const QString file = path("awkward.csv");
    QVERIFY(Character::csvSave(file, &model, false));

    const QString script = "import csv, json, sys\n"
                           "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
                           "    print(json.dumps(list(csv.reader(f))))\n";
    QProcess process;
    process.start(python, {"-c", script, file});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QJsonArray table = QJsonDocument::fromJson(process.readAllStandardOutput()).array();
    Rows cells;
    for (const QJsonValue& row : table)
        cells << row.toVariant().toStringList();
    QCOMPARE(cells, toRows(QList<QStringList>{awkwardHeader} + awkwardRows));
}

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
