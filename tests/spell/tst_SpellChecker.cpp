#include "SpellTestSetup.h"
#include "spell/SpellChecker.h"

#include <QTest>

class tst_SpellChecker : public QObject
{
    Q_OBJECT

    SpellTestSetup m_setup;
    SpellChecker m_checker;

    static QStringList wordsOf(const QString &text)
    {
        QStringList out;
        for (const SpellChecker::Word &word : SpellChecker::words(text))
            out << text.mid(word.start, word.length);
        return out;
    }

private slots:
    void initTestCase()
    {
        if (!m_checker.languages().contains(SpellTestSetup::Language))
            QSKIP("Enchant has no en_US dictionary here");
        QVERIFY(m_checker.open(SpellTestSetup::Language));
    }

    void words_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("punctuation parts words")
            << "Hello, world! (twice)" << QStringList{"Hello", "world", "twice"};
        QTest::newRow("inner apostrophe stays, quotes go")
            << "'don't' rock’n’roll’" << QStringList{"don't", "rock’n’roll"};
        QTest::newRow("hyphen parts a word") << "well-known" << QStringList{"well", "known"};
        QTest::newRow("web address") << "see https://exampel.org/wrogn and www.foo.bar/baz ok"
                                     << QStringList{"see", "and", "ok"};
        QTest::newRow("e-mail address")
            << "to jonh.smiht@exampel.org now" << QStringList{"to", "now"};
        QTest::newRow("numbers") << "12 3.14 1,000" << QStringList{};
        QTest::newRow("words with digits") << "mp3 2nd abc123 snake_case x" << QStringList{"x"};
        QTest::newRow("all caps") << "NASA said OK to Nasa" << QStringList{"said", "to", "Nasa"};
        QTest::newRow("alarm mark number") << "[12remind me] [3]" << QStringList{"remind", "me"};
        QTest::newRow("combining mark inside")
            << QString::fromUtf8("cafe\xcc\x81 ok")
            << QStringList{QString::fromUtf8("cafe\xcc\x81"), "ok"};
        QTest::newRow("letters beyond the first plane")
            << QString::fromUtf8("\xf0\x90\x90\xa8\xf0\x90\x90\xa9 \xf0\x9f\x98\x80")
            << QStringList{QString::fromUtf8("\xf0\x90\x90\xa8\xf0\x90\x90\xa9")};
        QTest::newRow("overlong run")
            << QString(SpellChecker::LongestWord + 1, 'a') + " b" << QStringList{"b"};
    }

    void words()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QCOMPARE(wordsOf(text), words);
    }

    void check_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("correct");
        QTest::newRow("correct") << "receive" << true;
        QTest::newRow("misspelt") << "recieve" << false;
        QTest::newRow("capitalised") << "Receive" << true;
        QTest::newRow("decomposed like composed")
            << QString::fromUtf8("nai\xcc\x88ve")
            << (m_checker.check(QString::fromUtf8("na\xc3\xafve")) ==
                SpellChecker::Result::Correct);
        QTest::newRow("other script") << QString::fromUtf8("\xd0\xbf\xd1\x80\xd0\xb8") << false;
    }

    void check()
    {
        QFETCH(QString, word);
        QFETCH(bool, correct);
        QCOMPARE(m_checker.check(word),
                 correct ? SpellChecker::Result::Correct : SpellChecker::Result::Misspelt);
        // The answer from the cache is the same.
        QCOMPARE(m_checker.check(word),
                 correct ? SpellChecker::Result::Correct : SpellChecker::Result::Misspelt);
    }

    void suggestionsAreFewAndGood()
    {
        const QStringList suggestions = m_checker.suggestions("recieve");
        QVERIFY(suggestions.size() <= 5);
        QVERIFY(suggestions.contains("receive"));
        QVERIFY(m_checker.suggestions(QString(10000, 'q')).isEmpty());
    }

    void ignoredWordIsCorrectForTheRunOnly()
    {
        QCOMPARE(m_checker.check("zorblefrump"), SpellChecker::Result::Misspelt);
        m_checker.ignoreAll("zorblefrump");
        QCOMPARE(m_checker.check("zorblefrump"), SpellChecker::Result::Correct);
        SpellChecker later;
        QVERIFY(later.open(SpellTestSetup::Language));
        QCOMPARE(later.check("zorblefrump"), SpellChecker::Result::Misspelt);
    }

    void addedWordIsKeptInThePersonalList()
    {
        QCOMPARE(m_checker.check("pennyquillery"), SpellChecker::Result::Misspelt);
        m_checker.addToDictionary("pennyquillery");
        QCOMPARE(m_checker.check("pennyquillery"), SpellChecker::Result::Correct);
        SpellChecker later;
        QVERIFY(later.open(SpellTestSetup::Language));
        QCOMPARE(later.check("pennyquillery"), SpellChecker::Result::Correct);
        QFile list(m_setup.wordList());
        QVERIFY(list.open(QIODevice::ReadOnly));
        QVERIFY(list.readAll().contains("pennyquillery"));
    }

    void unknownLanguageDoesNotOpen()
    {
        SpellChecker other;
        QVERIFY(!other.open("zz_ZZ"));
        QVERIFY(!other.error().isEmpty());
        QVERIFY(!other.isOpen());
        QCOMPARE(other.check("receive"), SpellChecker::Result::Failed);
    }
};

QTEST_GUILESS_MAIN(tst_SpellChecker)
#include "tst_SpellChecker.moc"
