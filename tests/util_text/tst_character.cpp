#include <tolva/util/Character.h>

#include <QRegularExpression>
#include <QTest>

#include <stdexcept>

using tolva::util::character::Character;
using Rows = QList<QList<QString>>;

class TestCharacter : public QObject
{
    Q_OBJECT
private slots:
    void listToStr_data();
    void listToStr();
    void strToList();
    void strToBool_data();
    void strToBool();
    void boolToStr();
    void caseInsensitiveComparisons();
    void isMatch();
    void trailingTrim_data();
    void trailingTrim();
    void simplifyString();
    void removePreChar_data();
    void removePreChar();
    void removePreCharThrowsOnEmptyText();
    void validStringList_data();
    void validStringList();
    void csvField_data();
    void csvField();
    void csvJoin_data();
    void csvJoin();
};

void TestCharacter::listToStr_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("sep");
    QTest::addColumn<QString>("joined");
    QTest::newRow("two items") << QStringList{"a", "b"} << ","
                               << "a,b";
    QTest::newRow("trailing empty item") << QStringList{"a", ""} << ","
                                         << "a,";
    QTest::newRow("empty list") << QStringList{} << ","
                                << "";
    QTest::newRow("one empty item") << QStringList{""} << ","
                                    << "";
    QTest::newRow("long separator") << QStringList{"a", "b"} << "::"
                                    << "a::b";
    QTest::newRow("place markers stay literal") << QStringList{"%1", "%2"} << "%3"
                                                << "%1%3%2";
    QTest::newRow("empty separator") << QStringList{"a", "b"} << ""
                                     << "ab";
}

void TestCharacter::listToStr()
{
    QFETCH(QStringList, items);
    QFETCH(QString, sep);
    QFETCH(QString, joined);
    QCOMPARE(Character::listToStr(items, sep), joined);
}

void TestCharacter::strToList()
{
    QCOMPARE(Character::strToList("a,,b,", ","), (QStringList{"a", "", "b", ""}));
    QCOMPARE(Character::strToList("aXbxc", "X"), (QStringList{"a", "bxc"}));
}

void TestCharacter::strToBool_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("value");
    QTest::newRow("ON") << "ON" << true;
    QTest::newRow("on") << "on" << true;
    QTest::newRow("On") << "On" << true;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("leading blank") << " on" << false;
    QTest::newRow("on1") << "on1" << false;
    QTest::newRow("true") << "true" << false;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("empty") << "" << false;
}

void TestCharacter::strToBool()
{
    QFETCH(QString, text);
    QFETCH(bool, value);
    QCOMPARE(Character::strToBool(text), value);
}

void TestCharacter::boolToStr()
{
    QCOMPARE(Character::boolToStr(true, false), QString("1"));
    QCOMPARE(Character::boolToStr(false, false), QString("0"));
    QCOMPARE(Character::boolToStr(true, true), QString("ON"));
    QCOMPARE(Character::boolToStr(false, true), QString("OFF"));
}

void TestCharacter::caseInsensitiveComparisons()
{
    QVERIFY(Character::isEqual("Value", "vALUE"));
    QVERIFY(!Character::isEqual("Value", "Values"));
    QVERIFY(Character::isStart("Insulation", "INS"));
    QVERIFY(!Character::isStart("Insulation", "sul"));
    QVERIFY(Character::isEnd("Insulation", "ION"));
    QVERIFY(!Character::isEnd("Insulation", "ins"));
}

void TestCharacter::isMatch()
{
    QVERIFY(Character::isMatch("mode=IR", "=I"));
    QVERIFY(!Character::isMatch("mode=IR", "^IR"));
    QVERIFY(Character::isMatch("mode=IR", "IR$"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("invalid QRegularExpression"));
    QVERIFY(!Character::isMatch("text", "("));
}

void TestCharacter::trailingTrim_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("simplifiedEnd");
    QTest::addColumn<QString>("withoutEOL");
    QTest::newRow("one blank") << "a "
                               << "a"
                               << "a ";
    QTest::newRow("two blanks lose one") << "a  "
                                         << "a "
                                         << "a  ";
    QTest::newRow("blank and line feed") << "a \n"
                                         << "a"
                                         << "a ";
    QTest::newRow("tab") << "a\t"
                         << "a"
                         << "a\t";
    QTest::newRow("CR LF") << "a\r\n"
                           << "a"
                           << "a";
    QTest::newRow("two line feeds") << "a\n\n"
                                    << "a"
                                    << "a";
    QTest::newRow("three line feeds keep the first") << "a\n\n\n"
                                                     << "a\n"
                                                     << "a\n";
    QTest::newRow("inner blank stays") << "a b"
                                       << "a b"
                                       << "a b";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void TestCharacter::trailingTrim()
{
    QFETCH(QString, text);
    QFETCH(QString, simplifiedEnd);
    QFETCH(QString, withoutEOL);
    QCOMPARE(Character::simplifyEnd(text), simplifiedEnd);
    QCOMPARE(Character::removeEOL(text), withoutEOL);
}

void TestCharacter::simplifyString()
{
    QCOMPARE(Character::simplifyString(" 1.5\tM\r\nΩ "), QString("1.5MΩ"));
}

void TestCharacter::removePreChar_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<char>("c");
    QTest::addColumn<QString>("result");
    QTest::newRow("0007") << "0007" << '0' << "7";
    QTest::newRow("000.5 keeps the zero before the point") << "000.5" << '0' << "0.5";
    QTest::newRow("000 keeps the last character") << "000" << '0' << "0";
    QTest::newRow("7") << "7" << '0' << "7";
    QTest::newRow("0") << "0" << '0' << "0";
    QTest::newRow("other character") << "  x" << ' ' << "x";
    QTest::newRow("nothing to remove") << "1200" << '0' << "1200";
}

void TestCharacter::removePreChar()
{
    QFETCH(QString, text);
    QFETCH(char, c);
    QFETCH(QString, result);
    QCOMPARE(QString::fromStdString(Character::removePreChar(text.toStdString(), c)), result);
}

void TestCharacter::removePreCharThrowsOnEmptyText()
{
    QVERIFY_EXCEPTION_THROWN(Character::removePreChar(std::string(), '0'), std::out_of_range);
}

void TestCharacter::validStringList_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<Rows>("valid");
    const Rows rows{{"#x", "1"}, {}, {" \t#x"}, {"x#", "2"}, {"y"}, {"", "#"}};
    QTest::newRow("hash comments") << rows << "#" << Rows{{"x#", "2"}, {"y"}, {"", "#"}};
    QTest::newRow("empty prefix drops everything") << rows << "" << Rows{};
    QTest::newRow("prefix is a pattern") << Rows{{"//a"}, {"b"}, {"-c"}} << "(//|-)" << Rows{{"b"}};
}

void TestCharacter::validStringList()
{
    QFETCH(Rows, rows);
    QFETCH(QString, prefix);
    QFETCH(Rows, valid);
    const Rows before = rows;
    QCOMPARE(Character::validStringList(rows, prefix), valid);
    QCOMPARE(rows, before);
}

void TestCharacter::csvField_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("sep");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "1.5 MΩ"
                           << ","
                           << "1.5 MΩ";
    QTest::newRow("empty") << ""
                           << ","
                           << "";
    QTest::newRow("comma") << "a,b"
                           << ","
                           << "\"a,b\"";
    QTest::newRow("quote doubled") << "say \"hi\""
                                   << ","
                                   << "\"say \"\"hi\"\"\"";
    QTest::newRow("line feed") << "a\nb"
                               << ","
                               << "\"a\nb\"";
    QTest::newRow("carriage return") << "a\rb"
                                     << ","
                                     << "\"a\rb\"";
    QTest::newRow("other separator") << "a,b;c"
                                     << ";"
                                     << "\"a,b;c\"";
    QTest::newRow("comma with other separator") << "a,b"
                                                << ";"
                                                << "a,b";
    QTest::newRow("trailing blank alone needs no quotes") << "a "
                                                          << ","
                                                          << "a ";
}

void TestCharacter::csvField()
{
    QFETCH(QString, cell);
    QFETCH(QString, sep);
    QFETCH(QString, field);
    QCOMPARE(Character::csvField(cell, sep), field);
}

void TestCharacter::csvJoin_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("line");
    QTest::newRow("plain cells as listToStr") << QStringList{"12:00:01", "1.5 MΩ", ""} << "12:00:01,1.5 MΩ,";
    QTest::newRow("awkward cells") << QStringList{"a,b", "\"", "x\ny"} << "\"a,b\",\"\"\"\",\"x\ny\"";
    QTest::newRow("last cell ending in a blank") << QStringList{"a ", "b "} << "a ,\"b \"";
    QTest::newRow("last cell ending in a tab") << QStringList{"a\t"} << "\"a\t\"";
    QTest::newRow("empty") << QStringList{} << "";
}

void TestCharacter::csvJoin()
{
    QFETCH(QStringList, cells);
    QFETCH(QString, line);
    QCOMPARE(Character::csvJoin(cells), line);
}

QTEST_APPLESS_MAIN(TestCharacter)
#include "tst_character.moc"
