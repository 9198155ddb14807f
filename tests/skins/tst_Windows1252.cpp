#include "skins/Windows1252.h"

#include <QtTest>

class tst_Windows1252 : public QObject
{
    Q_OBJECT

private slots:
    void encode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("Blue Sky 1.0") << QByteArray("Blue Sky 1.0");
        QTest::newRow("latin-1 range")
            << QStringLiteral("Ærø ñ ÿ") << QByteArray("\xC6r\xF8 \xF1 \xFF");
        QTest::newRow("the code page's own 0x80-0x9F")
            << QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ")
            << QByteArray("\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94"
                          "\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F");
        QTest::newRow("unassigned bytes round trip")
            << QString(QChar(0x81)) + QChar(0x8D) + QChar(0x8F) + QChar(0x90) + QChar(0x9D)
            << QByteArray("\x81\x8D\x8F\x90\x9D");
        QTest::newRow("control C1 without a byte") << QString(QChar(0x80)) << QByteArray("?");
        QTest::newRow("greek and cyrillic") << QStringLiteral("Ωж") << QByteArray("??");
        QTest::newRow("outside the BMP, one byte") << QStringLiteral("a😀b") << QByteArray("a?b");
        QTest::newRow("empty") << QString() << QByteArray();
    }

    void encode()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(QByteArray::fromStdString(Windows1252::encode(text.toStdString())), bytes);
    }

    void malformedUtf8GivesOneDefaultCharPerByte_data()
    {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("stray continuation") << QByteArray("a\x80z") << QByteArray("a?z");
        QTest::newRow("cut-off sequence") << QByteArray("a\xE6\x97") << QByteArray("a??");
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << QByteArray("??");
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << QByteArray("???");
        QTest::newRow("past U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << QByteArray("????");
        QTest::newRow("invalid lead") << QByteArray("\xFF") << QByteArray("?");
    }

    void malformedUtf8GivesOneDefaultCharPerByte()
    {
        QFETCH(QByteArray, utf8);
        QFETCH(QByteArray, bytes);
        QCOMPARE(QByteArray::fromStdString(Windows1252::encode(utf8.toStdString())), bytes);
    }

    void everyByteDecodesAndEncodesBack()
    {
        for (int byte = 0; byte < 256; ++byte) {
            const std::string one(1, static_cast<char>(byte));
            const std::string text = Windows1252::decode(one);
            QCOMPARE(QString::fromStdString(text).size(), 1);
            QCOMPARE(Windows1252::encode(text), one);
        }
    }

    void decodeAgreesWithQt()
    {
        // Qt's own table, except that it has no character for the unassigned bytes.
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte)
            if (byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D)
                all.append(static_cast<char>(byte));
        QStringDecoder windows("windows-1252");
        if (!windows.isValid())
            QSKIP("Qt has no Windows-1252 codec in this build");
        QCOMPARE(QString::fromStdString(Windows1252::decode(all.toStdString())),
                 windows.decode(all));
    }
};

QTEST_GUILESS_MAIN(tst_Windows1252)
#include "tst_Windows1252.moc"
