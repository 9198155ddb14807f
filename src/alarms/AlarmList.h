#pragma once

#include <QObject>
#include <QStringList>

// A note's alarm entries, one stored line each (AlarmEntry::line()), in the order they were
// set. Plain lines rather than a hidden list widget: every note carries one, and most notes
// have no alarm at all.
class AlarmList : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    int count() const { return int(m_lines.size()); }
    const QStringList &lines() const { return m_lines; }
    // The line at row; empty for a row that is not there.
    QString text(int row) const { return m_lines.value(row); }
    // Rows that are not there are left alone.
    void setText(int row, const QString &line);
    void removeAt(int row);
    void addItem(const QString &line);
    void addItems(const QStringList &lines);
    void clear();

signals:
    // An entry was added, changed or removed.
    void changed();

private:
    QStringList m_lines;
};
