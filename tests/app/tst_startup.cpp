#include "app/Language.h"
#include "app/ProGlobal.h"
#include "app/ProjectInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTranslator>

#include <memory>
#include <vector>

// The language step runs from a temporary working directory laid out as a user's would be.
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void identityConstants();
    void instanceIsOnePerProcess();
    void languageFromOptionsFile_data();
    void languageFromOptionsFile();
    void languageStep_data();
    void languageStep();

private:
    static void writeLanguage(const QString& dir, const QVariant& language);
};

void TestStartup::identityConstants()
{
    QCOMPARE(Project_Name, QStringLiteral("RX742MQ"));
    QCOMPARE(Project_Version, QStringLiteral("1.01"));
    QCOMPARE(Organization_Name, QStringLiteral("kelvor"));
}

void TestStartup::instanceIsOnePerProcess()
{
    std::vector<ProGlobal*> seen(8, nullptr);
    std::vector<std::unique_ptr<QThread>> threads;
    for (size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back(QThread::create([&seen, i] { seen[i] = ProGlobal::instance(); }));
    for (auto& thread : threads)
        thread->start();
    for (auto& thread : threads)
        QVERIFY(thread->wait(5000));
    for (ProGlobal* instance : seen)
        QCOMPARE(instance, ProGlobal::instance());

    ProGlobal::instance()->setAppTitle(Project_Name);
    ProGlobal::instance()->setAppVersion(Project_Version);
    QCOMPARE(
        QStringLiteral("%1 %2").arg(ProGlobal::instance()->appTitle(), ProGlobal::instance()->appVersion()),
        QStringLiteral("RX742MQ 1.01"));
}

void TestStartup::writeLanguage(const QString& dir, const QVariant& language)
{
    if (!language.isValid())
        return;
    QSettings settings(dir + QStringLiteral("/options.ini"), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Language"), language);
}

void TestStartup::languageFromOptionsFile_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no file") << QVariant() << QString();
    QTest::newRow("chinese") << QVariant(QStringLiteral("zh_CN")) << QStringLiteral("zh_CN");
    QTest::newRow("english") << QVariant(QStringLiteral("en_US")) << QStringLiteral("en_US");
}

void TestStartup::languageFromOptionsFile()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeLanguage(dir.path(), stored);
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const QString language = getLanguage();
    QDir::setCurrent(previous);
    QCOMPARE(language, expected);
}

void TestStartup::languageStep_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("appQmPresent");
    QTest::addColumn<bool>("qtQmPresent");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<bool>("appInstalled");
    QTest::addColumn<bool>("qtInstalled");

    QTest::newRow("zh_CN, both files") << "zh_CN" << true << true << true << true << true;
    QTest::newRow("zh_CN, no files") << "zh_CN" << false << false << true << false << false;
    QTest::newRow("zh_CN, only Qt's file") << "zh_CN" << false << true << true << false << true;
    QTest::newRow("zh_cn") << "zh_cn" << true << true << false << false << false;
    QTest::newRow("zh_CN with blank") << "zh_CN " << true << true << false << false << false;
    QTest::newRow("en_US") << "en_US" << true << true << false << false << false;
    QTest::newRow("empty") << "" << true << true << false << false << false;
}

void TestStartup::languageStep()
{
    QFETCH(QString, language);
    QFETCH(bool, appQmPresent);
    QFETCH(bool, qtQmPresent);
    QFETCH(bool, chinese);
    QFETCH(bool, appInstalled);
    QFETCH(bool, qtInstalled);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (appQmPresent)
        QVERIFY(QFile::copy(QStringLiteral(APP_QM_FILE), dir.filePath(QStringLiteral("zh_CN.qm"))));
    if (qtQmPresent) {
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("translations")));
        const QDir qtCatalogues(QStringLiteral(QT_QM_DIR));
        const QStringList files = qtCatalogues.entryList({QStringLiteral("*.qm")});
        QVERIFY(files.contains(QStringLiteral("qt_zh_CN.qm")));
        for (const QString& file : files)
            QVERIFY(QFile::copy(qtCatalogues.filePath(file),
                                dir.filePath(QStringLiteral("translations/") + file)));
    }
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    QTranslator appTranslator;
    QTranslator qtTranslator;
    const InstalledTranslators installed = applyLanguage(language, appTranslator, qtTranslator);
    QDir::setCurrent(previous);

    QCOMPARE(installed.application, appInstalled);
    QCOMPARE(installed.qt, qtInstalled);
    const QLocale locale;
    QCOMPARE(locale.language(), chinese ? QLocale::Chinese : QLocale::English);
    if (chinese)
        QCOMPARE(locale.country(), QLocale::China);
    // What the user sees: the window's texts are translated exactly when the catalogue is installed.
    const QString title = QCoreApplication::translate("TemplateWindow", "Date/Time");
    QCOMPARE(title != QLatin1String("Date/Time"), appInstalled);
    const QString qtText = QCoreApplication::translate("QPlatformTheme", "Cancel");
    QCOMPARE(qtText != QLatin1String("Cancel"), qtInstalled);
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
