#include "notes/richtext/BlockHeights.h"

#include <QTest>

#include <numeric>
#include <vector>

// Checked against a plain list of heights, across runs of paragraphs: tops, the paragraph at
// a height and the total after measures, insertions and removals.
class tst_BlockHeights : public QObject
{
    Q_OBJECT

private slots:
    void followsEdits_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("removed");
        QTest::addColumn<int>("added");
        QTest::newRow("typing in a paragraph") << 3000 << 1200 << 1 << 1;
        QTest::newRow("a new paragraph") << 3000 << 511 << 1 << 2;
        QTest::newRow("paragraphs joined across runs") << 3000 << 1020 << 10 << 1;
        QTest::newRow("a paste of many") << 3000 << 0 << 1 << 2000;
        QTest::newRow("all but one removed") << 3000 << 0 << 3000 << 1;
        QTest::newRow("at the very end") << 1025 << 1024 << 1 << 3;
    }
    void followsEdits()
    {
        QFETCH(int, count);
        QFETCH(int, first);
        QFETCH(int, removed);
        QFETCH(int, added);
        BlockHeights heights;
        heights.reset(count, 10);
        std::vector<double> plain(count, 10);
        for (int block = 0; block < count; block += 7) {
            heights.setMeasured(block, 3 + block % 40);
            plain[block] = 3 + block % 40;
        }
        heights.replace(first, removed, added, 16);
        plain.erase(plain.begin() + first + std::min(removed, added),
                    plain.begin() + first + removed);
        plain.insert(plain.begin() + first + std::min(removed, added), std::max(0, added - removed),
                     16);
        QCOMPARE(heights.count(), static_cast<int>(plain.size()));
        QCOMPARE(heights.total(), std::accumulate(plain.begin(), plain.end(), 0.0));
        for (int block = first; block < first + added; ++block)
            QVERIFY(!heights.isMeasured(block));
        double top = 0;
        for (int block = 0; block < heights.count(); ++block) {
            QCOMPARE(heights.top(block), top);
            QCOMPARE(heights.at(top), block);
            QCOMPARE(heights.at(top + plain[block] - 0.5), block);
            top += plain[block];
        }
        QCOMPARE(heights.at(-5), 0);
        QCOMPARE(heights.at(top + 100), heights.count() - 1);
        heights.forgetMeasures();
        QVERIFY(!heights.isMeasured(0));
        QCOMPARE(heights.total(), top); // estimates keep the measured heights
    }
};

QTEST_MAIN(tst_BlockHeights)
#include "tst_BlockHeights.moc"
