#include "shell/AppInfo.h"
#include "shell/CommandLine.h"

#include <QTest>

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void action_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("skinPath");
        const int run = int(CommandLine::Action::Run);
        const int help = int(CommandLine::Action::Help);
        const int version = int(CommandLine::Action::Version);
        const int fail = int(CommandLine::Action::Fail);
        QTest::newRow("nothing") << QStringList() << run << 0 << "";
        QTest::newRow("skin") << QStringList{"/tmp/sea.pqs"} << run << 0 << "/tmp/sea.pqs";
        QTest::newRow("%1 only") << QStringList{"%1"} << run << 0 << "";
        QTest::newRow("split path") << QStringList{"/home/ada/My", "Skins/sea.pqs"} << run << 0
                                    << "/home/ada/My Skins/sea.pqs";
        QTest::newRow("dash path after --")
            << QStringList{"--", "-odd.pqs"} << run << 0 << "-odd.pqs";
        QTest::newRow("--help") << QStringList{"--help"} << help << 0 << "";
        QTest::newRow("-h") << QStringList{"-h"} << help << 0 << "";
        QTest::newRow("--version") << QStringList{"--version"} << version << 0 << "";
        QTest::newRow("-v") << QStringList{"-v"} << version << 0 << "";
        QTest::newRow("help beside Qt's own options")
            << QStringList{"-platform", "offscreen", "--help"} << help << 0 << "";
        QTest::newRow("unknown long") << QStringList{"--bogus"} << fail << 2 << "";
        QTest::newRow("unknown short") << QStringList{"-q", "/tmp/sea.pqs"} << fail << 2 << "";
        QTest::newRow("unknown single-dash word") << QStringList{"-bogus"} << fail << 2 << "";
        QTest::newRow("unknown beside Qt's own")
            << QStringList{"-style=fusion", "--bogus"} << fail << 2 << "";
        QTest::newRow("reminder") << QStringList{"--new", "Call Anna", "--alarm",
                                                 "09:30", "--date",    "2099-01-05"}
                                  << run << 0 << "";
        QTest::newRow("reminder at a wrong time")
            << QStringList{"--new", "x", "--alarm", "25:00"} << fail << 2 << "";
        QTest::newRow("alarm without --new") << QStringList{"--alarm", "09:30"} << fail << 2 << "";
        QTest::newRow("date without --alarm")
            << QStringList{"--new", "x", "--date", "tomorrow"} << fail << 2 << "";
        // Left for Qt, which takes them out before the line is read again.
        QTest::newRow("Qt's own, before Qt took them")
            << QStringList{"-platform", "offscreen", "-reverse"} << run << 0 << "offscreen";
    }
    void action()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(int, exitCode);
        QFETCH(QString, skinPath);
        arguments.prepend(QStringLiteral("/usr/bin/pennyquill"));
        const CommandLine line(arguments);
        QCOMPARE(int(line.action()), action);
        QCOMPARE(line.exitCode(), exitCode);
        QCOMPARE(line.skinPath(), skinPath);
    }

    void texts_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("expected");
        QTest::newRow("version") << "--version"
                                 << "pennyquill " + AppInfo::Version + "\n";
        QTest::newRow("error") << "--bogus"
                               << "pennyquill: Unknown option 'bogus'. Try 'pennyquill --help'.\n";
    }
    void texts()
    {
        QFETCH(QString, option);
        QFETCH(QString, expected);
        QCOMPARE(CommandLine({"pennyquill", option}).output(), expected);
    }

    void helpNamesTheProgramAndItsOptions()
    {
        const QString help = CommandLine({"pennyquill", "--help"}).output();
        QVERIFY(help.startsWith("Usage: pennyquill [options] [skin]"));
        QVERIFY(help.contains("--version"));
        QVERIFY(!help.contains("<executable_name>"));
        QCOMPARE(help.count('\n') > 3, true);
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
