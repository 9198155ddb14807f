#include "DiskFull.h"
#include "platform/IniFile.h"
#include "shell/cIni.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_IniFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path));
        file.write(bytes);
        return path;
    }

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void readsWindowsFiles_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "General Options"
                               << "TipsCount"
                               << "3";
        QTest::newRow("section in other case") << "general options"
                                               << "TipsCount"
                                               << "3";
        QTest::newRow("key in other case") << "General Options"
                                           << "TIPSCOUNT"
                                           << "3";
        QTest::newRow("blanks around equals") << "General Options"
                                              << "Tips0"
                                              << "Drink water";
        QTest::newRow("double quotes dropped") << "General Options"
                                               << "Tips1"
                                               << "  spaced  ";
        QTest::newRow("single quotes dropped") << "General Options"
                                               << "Tips2"
                                               << "single";
        QTest::newRow("inner quotes kept") << "General Options"
                                           << "Tips3"
                                           << "say \"hi\" now";
        QTest::newRow("first of duplicate keys") << "Note1"
                                                 << "Left"
                                                 << "100";
        QTest::newRow("first of duplicate sections") << "Note2"
                                                     << "Top"
                                                     << "7";
        QTest::newRow("empty value") << "Note1"
                                     << "Alerts"
                                     << "";
        QTest::newRow("missing key gives default") << "Note1"
                                                   << "Nothing"
                                                   << "<default>";
        QTest::newRow("missing section gives default") << "Nope"
                                                       << "Left"
                                                       << "<default>";
        QTest::newRow("comment is no key") << "Note1"
                                           << ";Left"
                                           << "<default>";
        QTest::newRow("windows-1252 text") << "Note1"
                                           << "Skin" << QString::fromUtf8("Café ‘Ü’");
    }
    void readsWindowsFiles()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const QString path = write(
            "win.ini",
            "[General Options]\r\nTipsCount=3\r\nTips0 = Drink water \r\nTips1=\"  spaced  \"\r\n"
            "Tips2='single'\r\nTips3=say \"hi\" now\r\n\r\n"
            "[Note1]\r\n;Left=5\r\nLeft=100\r\nleft=200\r\nAlerts=\r\nSkin=Caf\xe9 \x91\xdc\x92\r\n"
            "[Note2]\r\nTop=7\r\n[NOTE2]\r\nTop=8\r\n");
        QCOMPARE(IniFile(path).value(section, key, "<default>"), expected);
    }

    void writeKeepsEverythingElse()
    {
        const QString path =
            write("keep.ini", "; my settings\r\n[A]\r\nx=1\r\n; about y\r\ny=2\r\n\r\n"
                              "[B]\r\nz=3\r\n");
        IniFile ini(path);
        ini.setValue("a", "Y", "20");
        ini.setValue("A", "new", "n");
        ini.setValue("C", "w", "4");
        QVERIFY(ini.save());
        QCOMPARE(read(path),
                 QByteArray("; my settings\r\n[A]\r\nx=1\r\n; about y\r\nY=20\r\nnew=n\r\n\r\n"
                            "[B]\r\nz=3\r\n[C]\r\nw=4\r\n"));
    }

    void longValuesAreNotCut()
    {
        const QString value = QString(10000, QLatin1Char('x')) + QStringLiteral("end");
        const cIni ini(Folders(m_dir.path(), m_dir.path()));
        QVERIFY(ini.writeINI("long.ini", "S", "K", value));
        QCOMPARE(ini.sGetINI("long.ini", "S", "K", QString()), value);
    }

    void lineBreaksBecomeSpaces()
    {
        const cIni ini(Folders(m_dir.path(), m_dir.path()));
        QVERIFY(ini.writeINI("breaks.ini", "General Options", "Tips0", "one\r\ntwo\nthree\rfour"));
        QCOMPARE(ini.sGetINI("breaks.ini", "General Options", "Tips0", QString()),
                 QStringLiteral("one  two three four"));
        QCOMPARE(read(m_dir.filePath("breaks.ini")),
                 QByteArray("[General Options]\r\nTips0=one  two three four\r\n"));
    }

    void bareNamesLiveInTheProfileFolder()
    {
        const cIni ini(Folders(m_dir.path(), m_dir.path() + "/data"));
        QCOMPARE(ini.resolve("session.ini"), m_dir.filePath("session.ini"));
        QCOMPARE(ini.resolve("/x/y.ini"), QStringLiteral("/x/y.ini"));
    }

    void missingFileReadsDefaults()
    {
        const cIni ini(Folders(m_dir.path(), m_dir.path()));
        QCOMPARE(ini.sGetINI("PQOptions.ini", "General Options", "TipsCount", "0"),
                 QStringLiteral("0"));
    }

    // Each line is read in its own code page, so one stray byte spoils
    // nothing else, and a save writes every line back in UTF-8.
    void codePageIsDecidedPerLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::newRow("all UTF-8") << QByteArray("[S]\na=caf\xc3\xa9\nb=\xe2\x82\xac\n")
                                   << QString("caf\u00e9") << QString("\u20ac");
        QTest::newRow("one Windows byte") << QByteArray("[S]\na=caf\xc3\xa9\nb=\x80 caf\xe9\n")
                                          << QString("caf\u00e9") << QString("\u20ac caf\u00e9");
        QTest::newRow("all Windows") << QByteArray("[S]\r\na=caf\xe9\r\nb=\x80\r\n")
                                     << QString("caf\u00e9") << QString("\u20ac");
        QTest::newRow("a Windows byte in one piece of a list, a bare CR")
            << QByteArray("[S]\na=x\ry\nb=<e>caf\xc3\xa9 \xe2\x82\xac<e>\xe9t\xe9\n")
            << QString("x y") << QString("<e>caf\u00e9 \u20ac<e>\u00e9t\u00e9");
    }
    void codePageIsDecidedPerLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, a);
        QFETCH(QString, b);
        const QString path = write("mixed.ini", bytes);
        IniFile ini(path);
        QCOMPARE(ini.value("S", "a"), a);
        QCOMPARE(ini.value("S", "b"), b);
        ini.setValue("S", "c", "new");
        QVERIFY(ini.save());
        const IniFile again(path);
        QCOMPARE(again.value("S", "a"), a);
        QCOMPARE(again.value("S", "b"), b);
    }

    void fullDiskLeavesOldFileAndSaysSo()
    {
        const QString path = write("full.ini", "[S]\r\nk=old\r\n");
        IniFile ini(path);
        ini.setValue("S", "k", QString(100000, QLatin1Char('n')));
        bool saved = true;
        {
            const DiskFull full(4096);
            saved = ini.save();
        }
        QVERIFY(!saved);
        QCOMPARE(read(path), QByteArray("[S]\r\nk=old\r\n"));
        QCOMPARE(
            QDir(m_dir.path()).entryList(QStringList() << "full.ini*", QDir::Files | QDir::Hidden),
            QStringList() << "full.ini");
    }

    void missingFolderIsAFailedWrite()
    {
        IniFile ini(m_dir.filePath("no/such/folder/x.ini"));
        ini.setValue("S", "k", "v");
        QVERIFY(!ini.save());
    }

    void unixLineEndsStayUnix()
    {
        const QString path = write("unix.ini", "[S]\nk=1\n");
        IniFile ini(path);
        ini.setValue("S", "j", "2");
        QVERIFY(ini.save());
        QCOMPARE(read(path), QByteArray("[S]\nk=1\nj=2\n"));
    }

    void utf8RoundTrip()
    {
        const cIni ini(Folders(m_dir.path(), m_dir.path()));
        const QString name = QString::fromUtf8("Zoë 日本");
        QVERIFY(ini.writeINI("utf8.ini", "S", "name", name));
        QCOMPARE(ini.sGetINI("utf8.ini", "S", "name", QString()), name);
    }
};

QTEST_GUILESS_MAIN(tst_IniFile)
#include "tst_IniFile.moc"
