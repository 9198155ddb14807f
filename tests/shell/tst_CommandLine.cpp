#include "platform/Languages.h"
#include "shell/AppInfo.h"
#include "shell/CommandLine.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

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
        QTest::newRow("notes list, not a skin") << QStringList{"--list"} << run << 0 << "";
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

    // What each option asks of the running copy, and whether a copy is
    // started for it.
    void commands_data()
    {
        using Kind = CommandLine::Command::Kind;
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QList<CommandLine::Command>>("commands");
        QTest::addColumn<bool>("starts");
        QTest::newRow("bare") << QStringList() << QList<CommandLine::Command>() << true;
        QTest::newRow("--new") << QStringList{"--new"}
                               << QList<CommandLine::Command>{{Kind::New, ""}} << true;
        QTest::newRow("--new TEXT, not a skin")
            << QStringList{"--new", "buy", "milk.pqs"}
            << QList<CommandLine::Command>{{Kind::New, "buy milk.pqs"}} << true;
        QTest::newRow("--hide") << QStringList{"--hide"}
                                << QList<CommandLine::Command>{{Kind::Hide, ""}} << false;
        QTest::newRow("--quit") << QStringList{"--quit"}
                                << QList<CommandLine::Command>{{Kind::Quit, ""}} << false;
        QTest::newRow("--toggle") << QStringList{"--toggle"}
                                  << QList<CommandLine::Command>{{Kind::Toggle, ""}} << true;
        QTest::newRow("skin, then shown")
            << QStringList{"--show", "/tmp/sea.pqs"}
            << QList<CommandLine::Command>{{Kind::Skin, "/tmp/sea.pqs"}, {Kind::Show, ""}} << true;
        QTest::newRow("new note, then hidden")
            << QStringList{"--hide", "--new", "x"}
            << QList<CommandLine::Command>{{Kind::New, "x"}, {Kind::Hide, ""}} << true;
        // Import sources are never taken for a skin; files go with whole paths.
        QTest::newRow("--import")
            << QStringList{"--import", "sticky", "a.md"}
            << QList<CommandLine::Command>{{Kind::Import, "sticky"},
                                           {Kind::Import, QDir::current().absoluteFilePath("a.md")}}
            << true;
    }
    void commands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QList<CommandLine::Command>, commands);
        QFETCH(bool, starts);
        const CommandLine line(QStringList{"pennyquill"} + arguments);
        QCOMPARE(int(line.action()), int(CommandLine::Action::Run));
        QCOMPARE(line.commands(), commands);
        QCOMPARE(line.startsProgram(), starts);
        // They reach the running copy as they were asked.
        QCOMPARE(CommandLine::decode(CommandLine::encode(commands)), commands);
    }

    // Misuse and files that cannot be a note: one line, status 2, nothing asked.
    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("says");
        QTest::newRow("two wishes") << QStringList{"--show", "--hide"} << "--show, --hide cannot";
        QTest::newRow("quit and a note") << QStringList{"--quit", "--new"} << "--quit and a new";
        QTest::newRow("no file name") << QStringList{"--new-from-file"} << "Missing value";
        QTest::newRow("nothing to import") << QStringList{"--import"} << "--import needs";
        QTest::newRow("missing") << QStringList{"--new-from-file", "DIR/none.txt"}
                                 << "does not exist";
        QTest::newRow("folder") << QStringList{"--new-from-file", "DIR"} << "is a folder";
        QTest::newRow("fifo") << QStringList{"--new-from-file", "DIR/fifo"}
                              << "is not a regular file";
        QTest::newRow("too large") << QStringList{"--new-from-file", "DIR/big.txt"}
                                   << "too large for a note (at most 4 MB)";
        QTest::newRow("unreadable")
            << QStringList{"--new-from-file", "DIR/locked.txt"} << "cannot be read";
        QTest::newRow("binary") << QStringList{"--new-from-file", "DIR/zeros.bin"}
                                << "does not hold text";
    }
    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, says);
        QTemporaryDir dir;
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600) == 0);
        QFile big(dir.filePath("big.txt"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(CommandLine::MaxFileBytes + 1));
        big.close();
        QFile locked(dir.filePath("locked.txt"));
        QVERIFY(locked.open(QIODevice::WriteOnly) && locked.write("secret") == 6);
        locked.close();
        QVERIFY(locked.setPermissions(QFileDevice::WriteOwner));
        QFile zeros(dir.filePath("zeros.bin"));
        QVERIFY(zeros.open(QIODevice::WriteOnly) && zeros.write(QByteArray(8, '\0')) == 8);
        zeros.close();
        if (says == "cannot be read" && ::geteuid() == 0)
            QSKIP("the superuser reads every file");
        const CommandLine line(QStringList{"pennyquill"} +
                               arguments.replaceInStrings("DIR", dir.path()));
        QCOMPARE(int(line.action()), int(CommandLine::Action::Fail));
        QCOMPARE(line.exitCode(), 2);
        QVERIFY2(line.output().contains(says), qPrintable(line.output()));
        QCOMPARE(line.output().count('\n'), 1);
        QVERIFY(line.commands().isEmpty());
    }

    // A file's text makes the note: RTF keeps its formatting, Markdown and
    // plain text come as they are, in UTF-8 or the Windows code page.
    void noteFromFile_data()
    {
        using Kind = CommandLine::Command::Kind;
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("markdown") << QByteArray("# Shop\r\n- milk\r\n") << int(Kind::New)
                                  << "# Shop\n- milk\n";
        QTest::newRow("utf-8 with BOM") << QByteArray("\xEF\xBB\xBF"
                                                      "caf\xC3\xA9")
                                        << int(Kind::New) << "caf\u00e9";
        QTest::newRow("windows-1252") << QByteArray("caf\xE9") << int(Kind::New) << "caf\u00e9";
        QTest::newRow("rtf") << QByteArray("\n{\\rtf1\\ansi \\b Bold\\b0}\n") << int(Kind::NewRich)
                             << "{\\rtf1\\ansi \\b Bold\\b0}";
    }
    void noteFromFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        QFETCH(QString, text);
        QTemporaryDir dir;
        QFile file(dir.filePath("note"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        const CommandLine line({"pennyquill", "--new-from-file", file.fileName()});
        QCOMPARE(line.commands().size(), 1);
        QCOMPARE(int(line.commands().first().kind), kind);
        QCOMPARE(line.commands().first().text, text);
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

    // Under German the help and the messages are German; the option names, the values the
    // user types and the program's name on the usage line stay as they are.
    void inGerman_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("says");
        QTest::newRow("help") << QStringList{"--help"}
                              << QStringList{"Aufruf: pennyquill [Optionen] [skin]\n",
                                             "Zeigt alle Notizen.", "--new-from-file <FILE>",
                                             "--repeat <REPEAT>", "(täglich)"};
        QTest::newRow("unknown option")
            << QStringList{"--bogus"}
            << QStringList{"pennyquill: ", "'bogus'", "„pennyquill --help“"};
        QTest::newRow("wrong time") << QStringList{"--new", "x", "--alarm", "25:00"}
                                    << QStringList{"„25:00“ ist keine Uhrzeit (HH:MM"};
    }
    void inGerman()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, says);
        Languages languages({QStringLiteral("pennyquill")}, Languages::shippedFolder(),
                            Languages::qtFolder());
        QCOMPARE(languages.install({QStringLiteral("de")}), QStringLiteral("de"));
        const QString output = CommandLine(QStringList{"pennyquill"} + arguments).output();
        for (const QString &text : says)
            QVERIFY2(output.contains(text), qPrintable(output));
        QVERIFY2(!output.contains("Usage") && !output.contains("Try"), qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
