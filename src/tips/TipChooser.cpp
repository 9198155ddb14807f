#include "tips/TipChooser.h"

#include "platform/RandomSource.h"

#include <algorithm>

int TipChooser::TipCount(const QStringList &tips)
{
    return tips.isEmpty() ? 0 : static_cast<int>(tips.size()) - 1;
}

std::optional<QString> TipChooser::NextTip(const QStringList &tips, bool randomTips,
                                           RandomSource &random)
{
    const int count = TipCount(tips);
    if (count == 0)
        return std::nullopt;
    if (randomTips) {
        // A source that returns exactly 1 must not reach the empty end entry.
        const int index = std::clamp(static_cast<int>(random.next() * count), 0, count - 1);
        return tips.at(index);
    }
    // The list may have shrunk in the options dialog since the last tip, so a
    // position past the end starts over as well.
    if (m_position >= count || m_position < 0)
        m_position = 0;
    const QString tip = tips.at(m_position);
    ++m_position;
    return tip;
}
