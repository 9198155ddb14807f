#include "tips/TipChooser.h"

#include "support/TestDoubles.h"

#include <QTest>

class tst_TipChooser : public QObject
{
    Q_OBJECT

    // The shared list: the tips, then the empty end entry.
    static QStringList shared(const QStringList &tips) { return tips + QStringList{QString()}; }

private slots:
    void listOrderWrapsAround()
    {
        const QStringList tips = shared({"zero", "one", "two"});
        ScriptedRandom random;
        TipChooser note;
        QStringList shown;
        for (int i = 0; i < 5; ++i)
            shown << note.NextTip(tips, false, random).value();
        QCOMPARE(shown, (QStringList{"zero", "one", "two", "zero", "one"}));

        TipChooser second;
        QCOMPARE(second.NextTip(tips, false, random).value(), QString("zero"));
        // The first note kept its own place.
        QCOMPARE(note.NextTip(tips, false, random).value(), QString("two"));
    }

    void noTipsShowsNothing_data()
    {
        QTest::addColumn<QStringList>("tips");
        QTest::addColumn<bool>("random");
        QTest::newRow("only the end entry, list order") << QStringList{QString()} << false;
        QTest::newRow("only the end entry, random") << QStringList{QString()} << true;
        QTest::newRow("empty list") << QStringList{} << false;
        QTest::newRow("empty list, random") << QStringList{} << true;
    }
    void noTipsShowsNothing()
    {
        QFETCH(QStringList, tips);
        QFETCH(bool, random);
        ScriptedRandom numbers;
        TipChooser note;
        QVERIFY(!note.NextTip(tips, random, numbers).has_value());
    }

    void randomPicksEveryTipWithEqualChance_data()
    {
        QTest::addColumn<double>("number");
        QTest::addColumn<QString>("tip");
        QTest::newRow("0") << 0.0 << "a";
        QTest::newRow("just under a quarter") << 0.2499 << "a";
        QTest::newRow("a quarter") << 0.25 << "b";
        QTest::newRow("a half") << 0.5 << "c";
        QTest::newRow("just under 1") << 0.9999 << "d";
        QTest::newRow("1 stays inside the tips") << 1.0 << "d";
    }
    void randomPicksEveryTipWithEqualChance()
    {
        QFETCH(double, number);
        QFETCH(QString, tip);
        ScriptedRandom random;
        random.numbers.enqueue(number);
        TipChooser note;
        QCOMPARE(note.NextTip(shared({"a", "b", "c", "d"}), true, random).value(), tip);
    }

    void oneRandomTipShowsEveryTime()
    {
        ScriptedRandom random;
        random.numbers << 0.0 << 0.3 << 0.7 << 0.99;
        TipChooser note;
        for (int i = 0; i < 4; ++i)
            QCOMPARE(note.NextTip(shared({"only"}), true, random).value(), QString("only"));
    }

    void randomDoesNotMoveTheListPosition()
    {
        ScriptedRandom random;
        TipChooser note;
        const QStringList tips = shared({"a", "b", "c"});
        note.NextTip(tips, false, random);
        note.NextTip(tips, true, random);
        QCOMPARE(note.NextTip(tips, false, random).value(), QString("b"));
    }

    void shrunkListStartsOver()
    {
        ScriptedRandom random;
        TipChooser note;
        const QStringList four = shared({"a", "b", "c", "d"});
        for (int i = 0; i < 3; ++i)
            note.NextTip(four, false, random);
        QCOMPARE(note.Position(), 3);
        // Two tips were removed meanwhile: position 3 is past the end entry.
        QCOMPARE(note.NextTip(shared({"x", "y"}), false, random).value(), QString("x"));
    }

    void anEmptyTipIsStillATip()
    {
        ScriptedRandom random;
        TipChooser note;
        const auto tip = note.NextTip(shared({QString()}), false, random);
        QVERIFY(tip.has_value());
        QVERIFY(tip->isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_TipChooser)
#include "tst_TipChooser.moc"
