#include "alarms/AlarmList.h"

#include <QSignalSpy>
#include <QTest>

// A note's alarm lines: every change that reaches the list is announced once (the session is
// saved on it), and rows that are not there change nothing.
class tst_AlarmList : public QObject
{
    Q_OBJECT

private slots:
    void changes_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("announced");
        const QStringList ab{"a", "b"};
        QTest::newRow("add") << "add" << 0 << QStringList{"a", "b", "new"} << 1;
        QTest::newRow("add several") << "addItems" << 0 << QStringList{"a", "b", "x", "y"} << 1;
        QTest::newRow("add none") << "addNone" << 0 << ab << 0;
        QTest::newRow("change second") << "set" << 1 << QStringList{"a", "new"} << 1;
        QTest::newRow("change to the same") << "setSame" << 0 << ab << 0;
        QTest::newRow("change past the end") << "set" << 2 << ab << 0;
        QTest::newRow("change before the start") << "set" << -1 << ab << 0;
        QTest::newRow("remove first") << "remove" << 0 << QStringList{"b"} << 1;
        QTest::newRow("remove past the end") << "remove" << 5 << ab << 0;
        QTest::newRow("clear") << "clear" << 0 << QStringList{} << 1;
    }
    void changes()
    {
        QFETCH(QString, operation);
        QFETCH(int, row);
        QFETCH(QStringList, expected);
        QFETCH(int, announced);
        AlarmList list;
        list.addItems({"a", "b"});
        QSignalSpy changed(&list, &AlarmList::changed);
        if (operation == "add")
            list.addItem("new");
        else if (operation == "addItems")
            list.addItems({"x", "y"});
        else if (operation == "addNone")
            list.addItems({});
        else if (operation == "set")
            list.setText(row, "new");
        else if (operation == "setSame")
            list.setText(row, "a");
        else if (operation == "remove")
            list.removeAt(row);
        else
            list.clear();
        QCOMPARE(list.lines(), expected);
        QCOMPARE(list.count(), expected.size());
        QCOMPARE(changed.count(), announced);
        // Clearing an empty list says nothing either.
        list.clear();
        changed.clear();
        list.clear();
        QCOMPARE(changed.count(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_AlarmList)
#include "tst_AlarmList.moc"
