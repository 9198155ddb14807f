#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The light panel's frames as they are written down: either row runs,
// "row 5: 6-6; rows 4, 5, 6: 10-10", or a picture of the ten rows joined by
// '|' with '#' for a light the tick sets. A light is row * 100 + column.
namespace LightFrames {

inline int light(int row, int column)
{
    return row * 100 + column;
}

// The lights a written frame sets; ok is false when the text cannot be read.
inline QSet<int> parse(const QString &text, bool *ok)
{
    QSet<int> lights;
    *ok = true;
    if (text.startsWith(QLatin1String("row"))) {
        for (const QString &part : text.split(QLatin1Char(';'))) {
            const QStringList sides = part.split(QLatin1Char(':'));
            const QStringList ends = sides.value(1).trimmed().split(QLatin1Char('-'));
            QString rows = sides.value(0).trimmed();
            rows.remove(0, rows.indexOf(QLatin1Char(' ')) + 1);
            if (sides.size() != 2 || ends.size() != 2) {
                *ok = false;
                return {};
            }
            const int first = ends[0].toInt();
            const int last = ends[1].toInt();
            for (const QString &rowText : rows.split(QLatin1Char(','))) {
                const int row = rowText.trimmed().toInt();
                if (row < 1 || row > 10 || first < 1 || last > 10 || first > last) {
                    *ok = false;
                    return {};
                }
                for (int column = first; column <= last; ++column)
                    lights.insert(light(row, column));
            }
        }
        return lights;
    }
    const QStringList rows = text.split(QLatin1Char('|'));
    if (rows.size() != 10) {
        *ok = false;
        return {};
    }
    for (int row = 1; row <= 10; ++row) {
        if (rows[row - 1].size() != 10) {
            *ok = false;
            return {};
        }
        for (int column = 1; column <= 10; ++column) {
            if (rows[row - 1][column - 1] == QLatin1Char('#'))
                lights.insert(light(row, column));
        }
    }
    return lights;
}

} // namespace LightFrames
