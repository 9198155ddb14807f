#include "skins/SkinFileName.h"

#include <QtTest>

class tst_SkinFileName : public QObject
{
    Q_OBJECT

private slots:
    void accepted_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("plain") << "Ocean"
                               << "Ocean.pqs";
        QTest::newRow("spaces inside") << "Blue Sky"
                                       << "Blue Sky.pqs";
        QTest::newRow("surrounding spaces dropped") << "  Blue Sky  "
                                                    << "Blue Sky.pqs";
        QTest::newRow("trailing dots dropped") << "Mr. T."
                                               << "Mr. T.pqs";
        QTest::newRow("dots inside") << "my.best.skin"
                                     << "my.best.skin.pqs";
        QTest::newRow("accents and euro")
            << QStringLiteral("Café €") << QStringLiteral("Café €.pqs");
        QTest::newRow("device name inside a word") << "Console"
                                                   << "Console.pqs";
        QTest::newRow("COM without a digit") << "COMX"
                                             << "COMX.pqs";
        QTest::newRow("longest") << QString(60, QLatin1Char('a'))
                                 << QString(60, QLatin1Char('a')) + ".pqs";
        QTest::newRow("longest, four-byte characters")
            << QStringLiteral("😀").repeated(60) << QStringLiteral("😀").repeated(60) + ".pqs";
    }

    void accepted()
    {
        QFETCH(QString, name);
        QFETCH(QString, fileName);
        const std::optional<std::string> result = SkinFileName::fromSkinName(name.toStdString());
        QVERIFY(result);
        QCOMPARE(QString::fromStdString(*result), fileName);
        QVERIFY(result->size() <= 255);
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("blank") << QByteArray("   ");
        QTest::newRow("only dots") << QByteArray("...");
        QTest::newRow("parent folder") << QByteArray("..");
        QTest::newRow("climbing with slash") << QByteArray("../../etc/passwd");
        QTest::newRow("climbing with backslash") << QByteArray("..\\..\\Windows\\evil");
        QTest::newRow("slash") << QByteArray("a/b");
        QTest::newRow("backslash") << QByteArray("a\\b");
        QTest::newRow("absolute") << QByteArray("/tmp/x");
        QTest::newRow("drive") << QByteArray("C:evil");
        QTest::newRow("dot dot inside") << QByteArray("a..b");
        QTest::newRow("hidden") << QByteArray(".hidden");
        QTest::newRow("star") << QByteArray("a*b");
        QTest::newRow("question mark") << QByteArray("a?b");
        QTest::newRow("quote") << QByteArray("a\"b");
        QTest::newRow("pipe") << QByteArray("a|b");
        QTest::newRow("angle brackets") << QByteArray("<a>");
        QTest::newRow("tab") << QByteArray("a\tb");
        QTest::newRow("new line") << QByteArray("a\nb");
        QTest::newRow("nul") << QByteArray("a\0b", 3);
        QTest::newRow("delete") << QByteArray("a\x7F");
        QTest::newRow("C1 control") << QByteArray("a\xC2\x85");
        QTest::newRow("malformed UTF-8") << QByteArray("a\xFF");
        QTest::newRow("CON") << QByteArray("CON");
        QTest::newRow("con lower case") << QByteArray("con");
        QTest::newRow("nul with extension") << QByteArray("nul.txt");
        QTest::newRow("device with trailing space") << QByteArray("AUX .x");
        QTest::newRow("COM1") << QByteArray("com1");
        QTest::newRow("LPT9") << QByteArray("LPT9");
        QTest::newRow("CONOUT$") << QByteArray("conout$");
        QTest::newRow("one character too long") << QByteArray(61, 'a');
    }

    void refused()
    {
        QFETCH(QByteArray, name);
        QVERIFY(!SkinFileName::fromSkinName(
            std::string_view(name.constData(), static_cast<std::size_t>(name.size()))));
    }
};

QTEST_GUILESS_MAIN(tst_SkinFileName)
#include "tst_SkinFileName.moc"
