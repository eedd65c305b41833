#include <tolva/util/Ask.h>
#include <tolva/util/ByteArrayCode.h>
#include <tolva/util/Chatter.h>
#include <tolva/util/DelayWord.h>
#include <tolva/util/StopWord.h>
#include <tolva/util/StringCode.h>
#include <tolva/util/Talk.h>
#include <tolva/util/Word.h>

#include <QtTest>

#include <functional>
#include <thread>
#include <vector>

using namespace tolva::util;
using namespace tolva::util::gadget;

using WordFactory = std::function<QSharedPointer<Word>()>;
Q_DECLARE_METATYPE(WordFactory)

class TestWords : public QObject
{
    Q_OBJECT
private slots:
    void metaTypesRegisteredOnceByConstruction();
    void codesAreSharedWithTheirHolders();
    void wordWithNullCode();
    void wordsWithoutChatterFail_data();
    void wordsWithoutChatterFail();
    void needResponse_data();
    void needResponse();
};

namespace {

const char* const codeNames[] = {"tolva::util::Code", "tolva::util::Code&",
                                 "QSharedPointer<tolva::util::Code>"};
const char* const wordNames[] = {"tolva::util::Word", "tolva::util::Word&",
                                 "QSharedPointer<tolva::util::Word>", "QSharedPointer<tolva::util::Word>&"};

QMap<QByteArray, int> registeredIds()
{
    QMap<QByteArray, int> ids;
    for (const char* name : codeNames)
        ids.insert(name, QMetaType::type(name));
    for (const char* name : wordNames)
        ids.insert(name, QMetaType::type(name));
    return ids;
}

} // namespace

void TestWords::metaTypesRegisteredOnceByConstruction()
{
    // The reference names exist only through the library's registration.
    QCOMPARE(QMetaType::type("tolva::util::Code&"), int(QMetaType::UnknownType));
    QCOMPARE(QMetaType::type("tolva::util::Word&"), int(QMetaType::UnknownType));

    StringCode code(QStringLiteral("x"));
    const QMap<QByteArray, int> afterCode = registeredIds();
    for (const char* name : codeNames)
        QVERIFY2(afterCode.value(name) != QMetaType::UnknownType, name);
    QCOMPARE(afterCode.value("tolva::util::Code&"), qMetaTypeId<Code>());
    QCOMPARE(afterCode.value("QSharedPointer<tolva::util::Code>"), qMetaTypeId<QSharedPointer<Code>>());

    registerWord();
    const QMap<QByteArray, int> afterWord = registeredIds();
    for (const char* name : wordNames)
        QVERIFY2(afterWord.value(name) != QMetaType::UnknownType, name);
    QCOMPARE(afterWord.value("tolva::util::Word&"), qMetaTypeId<Word>());
    QCOMPARE(afterWord.value("QSharedPointer<tolva::util::Word>&"), qMetaTypeId<QSharedPointer<Word>>());

    // Many constructions from several threads at once keep every name on its first id.
    std::vector<std::thread> threads;
    for (int i = 0; i < 8; ++i) {
        threads.emplace_back([] {
            for (int n = 0; n < 50; ++n) {
                Talk talk(QSharedPointer<Code>(new ByteArrayCode("b")));
                registerWord();
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    QCOMPARE(registeredIds(), afterWord);

    // The shared word pointer really travels inside a QVariant under its registered name.
    const QSharedPointer<Word> word(new Word);
    const QVariant carried(QMetaType::type("QSharedPointer<tolva::util::Word>"), &word);
    QCOMPARE(carried.value<QSharedPointer<Word>>(), word);
}

void TestWords::codesAreSharedWithTheirHolders()
{
    const QSharedPointer<StringCode> text(new StringCode(QStringLiteral("old")));
    const Word first(text);
    const Word second(text);
    text->setData(QStringLiteral("new"));
    QCOMPARE(first.code().staticCast<StringCode>()->data(), QStringLiteral("new"));
    QCOMPARE(second.code(), first.code());

    ByteArrayCode bytes(QByteArray("\x01\x02", 2));
    QCOMPARE(bytes.data(), QByteArray("\x01\x02", 2));
    bytes.setData("ab");
    QCOMPARE(bytes.data(), QByteArray("ab"));

    Word word(text);
    word.setCode(QSharedPointer<Code>());
    QVERIFY(word.code().isNull());
}

void TestWords::wordWithNullCode()
{
    Word word{QSharedPointer<Code>()};
    QVERIFY(word.code().isNull());
    QVERIFY(word.execute());
    ChatterWord chatterWord{QSharedPointer<Code>()};
    QVERIFY(chatterWord.code().isNull());
    QVERIFY(chatterWord.chatter() == nullptr);
    QVERIFY(chatterWord.execute());
}

void TestWords::wordsWithoutChatterFail_data()
{
    QTest::addColumn<WordFactory>("make");
    const QSharedPointer<Code> none;
    QTest::newRow("ask") << WordFactory([=] { return QSharedPointer<Word>(new Ask(10, none)); });
    QTest::newRow("talk") << WordFactory([=] { return QSharedPointer<Word>(new Talk(none)); });
    QTest::newRow("delay") << WordFactory([=] { return QSharedPointer<Word>(new DelayWord(10, none)); });
    QTest::newRow("stop") << WordFactory([=] { return QSharedPointer<Word>(new StopWord(none, nullptr)); });
}

void TestWords::wordsWithoutChatterFail()
{
    QFETCH(WordFactory, make);
    const QSharedPointer<Word> word = make();
    QTest::ignoreMessage(QtDebugMsg, "execute Please set the chatter first.");
    QVERIFY(!word->execute());
}

void TestWords::needResponse_data()
{
    QTest::addColumn<WordFactory>("make");
    QTest::addColumn<bool>("expected");
    const QSharedPointer<Code> none;
    QTest::newRow("ask") << WordFactory([=] { return QSharedPointer<Word>(new Ask(10, none)); }) << true;
    QTest::newRow("talk") << WordFactory([=] { return QSharedPointer<Word>(new Talk(none)); }) << false;
    QTest::newRow("delay") << WordFactory([=] { return QSharedPointer<Word>(new DelayWord(10, none)); })
                           << false;
    QTest::newRow("stop") << WordFactory([=] { return QSharedPointer<Word>(new StopWord(none, nullptr)); })
                          << false;
    QTest::newRow("null") << WordFactory([] { return QSharedPointer<Word>(); }) << false;
}

void TestWords::needResponse()
{
    QFETCH(WordFactory, make);
    QFETCH(bool, expected);
    Chatter chatter;
    QCOMPARE(chatter.needResponse(make()), expected);
}

QTEST_GUILESS_MAIN(TestWords)
#include "tst_words.moc"
