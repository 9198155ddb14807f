#include "TestApp.h"
#include "platform/LogonEntry.h"
#include "platform/SingleInstance.h"
#include "shell/AppInfo.h"
#include "shell/InitialSettings.h"

#include <QFile>
#include <QTest>

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void valuesReadBackExactly_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("word") << "Ada";
        QTest::newRow("blanks around") << "  Ada Lovelace  ";
        QTest::newRow("quoted") << "\"quoted\"";
        QTest::newRow("single quoted") << "'x'";
        QTest::newRow("equals and brackets") << "a=b [c]";
        QTest::newRow("semicolon first") << ";not a comment";
        QTest::newRow("non-latin") << QString::fromUtf8("Zoë 日本");
        QTest::newRow("long") << QString(5000, QLatin1Char('z'));
    }
    void valuesReadBackExactly()
    {
        QFETCH(QString, value);
        TestApp app;
        QVERIFY(app.vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey,
                                      "UserName", value));
        QCOMPARE(app.vars.RegGetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey,
                                       "UserName"),
                 value);
    }

    void storedByKeyPathWithHive()
    {
        TestApp app;
        app.vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey, "ShowRnd",
                              "no");
        QFile file(app.registry.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(
            file.readAll(),
            QByteArray("[HKEY_CURRENT_USER\\Software\\Corvane\\Pennyquill 1.0]\r\nShowRnd=no\r\n"));
    }

    void missingValuesReadEmpty()
    {
        TestApp app;
        QCOMPARE(app.vars.Option("UserName"), QString());
        app.vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, "Software\\Other", "UserName", "x");
        QCOMPARE(app.vars.Option("UserName"), QString());
        QCOMPARE(app.vars.RegQueryString(mdlVariables::RegKey{}, "UserName"), QString());
    }

    void deleteRemovesOneValue()
    {
        TestApp app;
        const auto hkcu = mdlVariables::HKEY_CURRENT_USER;
        app.vars.RegSetString(hkcu, AppInfo::RegistryKey, "A", "1");
        app.vars.RegSetString(hkcu, AppInfo::RegistryKey, "B", "2");
        QVERIFY(app.vars.RegDeleteString(hkcu, AppInfo::RegistryKey, "a"));
        QCOMPARE(app.vars.Option("A"), QString());
        QCOMPARE(app.vars.Option("B"), QStringLiteral("2"));
        QVERIFY(app.vars.RegDeleteString(hkcu, AppInfo::RegistryKey, "never there"));
    }

    void yesInAnyCase_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << "yes" << true;
        QTest::newRow("YES") << "YES" << true;
        QTest::newRow("Yes") << "Yes" << true;
        QTest::newRow("no") << "no" << false;
        QTest::newRow("true is not yes") << "true" << false;
        QTest::newRow("yes with blank") << "yes " << false;
        QTest::newRow("missing") << "" << false;
    }
    void yesInAnyCase()
    {
        QFETCH(QString, stored);
        QFETCH(bool, yes);
        TestApp app;
        if (!stored.isEmpty())
            app.vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey,
                                  "ShowTipText", stored);
        QCOMPARE(app.vars.OptionIsYes("ShowTipText"), yes);
    }

    void initialSettingsFillOnlyWhatIsMissing()
    {
        TestApp app;
        const auto hkcu = mdlVariables::HKEY_CURRENT_USER;
        app.vars.RegSetString(hkcu, AppInfo::RegistryKey, "ShowRnd", "YES");
        app.vars.RegSetString(hkcu, AppInfo::RegistryKey, "TipDelay", "abc");
        InitialSettings::apply(app.ctx);
        QCOMPARE(app.vars.Option("ShowRnd"), QStringLiteral("YES"));
        QCOMPARE(app.vars.Option("TipDelay"), QStringLiteral("15"));
        QCOMPARE(app.vars.Option("ShowTipText"), QStringLiteral("yes"));
        QCOMPARE(app.vars.Option("ShowWhenStart"), QStringLiteral("yes"));
        QCOMPARE(app.vars.Option("RunWithWindows"), QStringLiteral("no"));
        QVERIFY(!app.vars.Option("UserName").isEmpty());
        app.vars.RegSetString(hkcu, AppInfo::RegistryKey, "TipDelay", "42");
        InitialSettings::apply(app.ctx);
        QCOMPARE(app.vars.Option("TipDelay"), QStringLiteral("42"));
    }

    void initialTipDelayRange_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("after");
        QTest::newRow("zero") << "0"
                              << "15";
        QTest::newRow("too large") << "100"
                                   << "15";
        QTest::newRow("negative") << "-3"
                                  << "15";
        QTest::newRow("one") << "1"
                             << "1";
        QTest::newRow("ninety-nine") << "99"
                                     << "99";
    }
    void initialTipDelayRange()
    {
        QFETCH(QString, stored);
        QFETCH(QString, after);
        TestApp app;
        app.vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey, "TipDelay",
                              stored);
        InitialSettings::apply(app.ctx);
        QCOMPARE(app.vars.Option("TipDelay"), after);
    }

    // A home of the program's own holds the log-on entry too, so a test or a
    // portable copy never touches the user's real log-on list.
    void logonEntryFolder_data()
    {
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QString>("expected");
        QTest::newRow("own home") << QByteArray("/tmp/pq-home") << "/tmp/pq-home/autostart";
        QTest::newRow("desktop's") << QByteArray() << "/tmp/pq-config/autostart";
    }
    void logonEntryFolder()
    {
        QFETCH(QByteArray, home);
        QFETCH(QString, expected);
        const QByteArray oldHome = qgetenv("PENNYQUILL_HOME");
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", "/tmp/pq-config");
        if (home.isEmpty())
            qunsetenv("PENNYQUILL_HOME");
        else
            qputenv("PENNYQUILL_HOME", home);
        const QString dir = LogonEntry::defaultDir();
        qputenv("PENNYQUILL_HOME", oldHome);
        qputenv("XDG_CONFIG_HOME", oldConfig);
        QCOMPARE(dir, expected);
    }

    void logonEntryComesAndGoes()
    {
        TestApp app;
        QVERIFY(!app.logon.exists());
        QVERIFY(app.logon.set("/opt/pennyquill/bin/pennyquill"));
        QVERIFY(app.logon.exists());
        QFile file(app.logon.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray entry = file.readAll();
        QVERIFY(entry.startsWith("[Desktop Entry]\n"));
        QVERIFY(entry.contains("\nExec=\"/opt/pennyquill/bin/pennyquill\"\n"));
        QVERIFY(entry.contains("\nName=Corvane Pennyquill\n"));
        QVERIFY(app.logon.remove());
        QVERIFY(!app.logon.exists());
        QVERIFY(app.logon.remove());
    }

    void logonEntryQuotesOddPaths()
    {
        TestApp app;
        QVERIFY(app.logon.set("/home/a b/$x\"y"));
        QFile file(app.logon.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("\nExec=\"/home/a b/\\\\$x\\\\\"y\"\n"));
    }

    void oneInstanceAtATime()
    {
        TestApp app;
        SingleInstance first(app.home(), app.home());
        SingleInstance second(app.home(), app.home());
        QCOMPARE(first.acquire(), SingleInstance::Result::First);
        QCOMPARE(second.acquire(), SingleInstance::Result::Running);
    }
};

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_SettingsStore.moc"
