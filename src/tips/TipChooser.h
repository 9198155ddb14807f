#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class RandomSource;

// Picks the next tip for one note. Each note owns one chooser, so every note
// walks the list from its own position and two notes need not show the same tip.
class TipChooser
{
public:
    // tips is the shared tip list: entries 0 to count - 1 are the tips, the
    // entry at count is the empty end entry (an empty list has no tips either).
    // Random order picks each tip with equal chance; list order takes the tip
    // at this note's position and moves on, starting over after the last.
    // Empty when there are no tips.
    std::optional<QString> NextTip(const QStringList &tips, bool randomTips, RandomSource &random);

    // The list position of the tip shown next in list order.
    int Position() const { return m_position; }

    static int TipCount(const QStringList &tips);

private:
    qint16 m_position = 0;
};
