#include "alarms/AlarmList.h"

void AlarmList::setText(int row, const QString &line)
{
    if (row < 0 || row >= count() || m_lines.at(row) == line)
        return;
    m_lines[row] = line;
    emit changed();
}

void AlarmList::removeAt(int row)
{
    if (row < 0 || row >= count())
        return;
    m_lines.removeAt(row);
    emit changed();
}

void AlarmList::addItem(const QString &line)
{
    m_lines.append(line);
    emit changed();
}

void AlarmList::addItems(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    m_lines.append(lines);
    emit changed();
}

void AlarmList::clear()
{
    if (m_lines.isEmpty())
        return;
    m_lines.clear();
    emit changed();
}
